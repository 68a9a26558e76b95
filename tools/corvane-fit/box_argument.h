// The box size argument of corvane-fit.
#pragma once

#include <QSize>
#include <QString>

// Reads a box size written as WIDTHxHEIGHT ("593x193"); invalid for anything else, including zero or
// negative sizes.
QSize parseBoxArgument(const QString& text);

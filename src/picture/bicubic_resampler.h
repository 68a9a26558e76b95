// Drawing a picture scaled with high-quality bicubic filtering.
#pragma once

#include "picture/source_rows.h"

#include <QImage>
#include <QRect>
#include <QSize>

namespace picture {

// Draws the whole of `source` scaled into `area` of `target` with high-quality bicubic filtering;
// pixels of `target` outside `area` are left alone. Both images are opaque Format_RGB32 (callers
// flatten transparency onto the background first) and `area` lies inside `target`.
void drawBicubic(const QImage& source, QImage& target, const QRect& area);

// The same filtering for a source of `sourceSize` whose rows are read while drawing. With
// `splitsWell`, a large source is drawn in two bands of rows on two threads, each with a reader of
// its own from `makeRows`. Returns false when a row cannot be read; `area` is then partly drawn.
bool drawBicubicFromRows(QSize sourceSize, const SourceRowsFactory& makeRows, bool splitsWell, QImage& target,
                         const QRect& area);

} // namespace picture

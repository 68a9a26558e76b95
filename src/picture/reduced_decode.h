#pragma once

#include <QSize>

namespace picture {

// The size to ask a JPEG decoder for when the picture will only be shown at `fittedSize` (both in the
// file's stored orientation): the smallest DCT scale M/8 whose output is still at least twice the
// fitted size on both axes, so the bicubic pass that follows keeps full quality. Invalid when no
// scale of 4/8 or less qualifies, since a milder reduction saves too little to be worth it.
QSize reducedDecodeSize(QSize storedSize, QSize fittedSize);

}  // namespace picture

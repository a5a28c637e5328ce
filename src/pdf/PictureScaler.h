#pragma once

#include <cstddef>

#include "pdf/PDFDocument.h"

namespace pw {

// Shrinks source into target (whose width and height are set, each no larger than the source's;
// its pixels are made) by averaging the area each target pixel covers, fractions of source
// pixels at its edges included: nothing is skipped, so fine lines and small print thin out evenly.
void scaleDownArea(const RgbImage& source, RgbImage& target);

} // namespace pw

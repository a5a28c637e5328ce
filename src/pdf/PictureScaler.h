#pragma once

#include <cstddef>

#include "pdf/PDFDocument.h"

namespace pw {

// Resamples an RGB picture (rows of width RGB triples, stride bytes apart) into target, whose
// width, height and pixels are set, by bilinear interpolation one axis at a time, pixel centres
// aligned. Meant for enlarging: a strong reduction would skip source pixels.
void scaleBilinear(const unsigned char* source, int width, int height, std::size_t stride, RgbImage& target);

// Shrinks source into target (whose width and height are set, each no larger than the source's;
// its pixels are made) by averaging the area each target pixel covers, fractions of source
// pixels at its edges included: nothing is skipped, so fine lines and small print thin out evenly.
void scaleDownArea(const RgbImage& source, RgbImage& target);

} // namespace pw

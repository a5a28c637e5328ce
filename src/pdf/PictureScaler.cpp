#include "pdf/PictureScaler.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pw {

namespace {

constexpr int kWeightBits = 8;
constexpr int kOne = 1 << kWeightBits;

// Where each target position samples the source: the first of two neighbours and the weight
// of the second, in 1/256.
struct Tap {
    int first = 0;
    int weight = 0;
};

std::vector<Tap> tapsFor(int sourceSize, int targetSize)
{
    std::vector<Tap> taps(static_cast<std::size_t>(targetSize));
    const double ratio = double(sourceSize) / double(targetSize);
    for (int i = 0; i < targetSize; ++i) {
        const double at = std::clamp((i + 0.5) * ratio - 0.5, 0.0, double(sourceSize - 1));
        const int first = std::min(static_cast<int>(at), sourceSize - 1);
        taps[static_cast<std::size_t>(i)] = Tap{first, static_cast<int>((at - first) * kOne + 0.5)};
    }
    return taps;
}

// One source row resampled across, in 1/256 steps of a channel value.
void resampleRow(const unsigned char* row, int width, const std::vector<Tap>& across, std::uint16_t* out)
{
    for (const Tap& tap : across) {
        const unsigned char* left = row + 3 * tap.first;
        const unsigned char* right = row + 3 * std::min(tap.first + 1, width - 1);
        for (int c = 0; c < 3; ++c)
            *out++ = static_cast<std::uint16_t>(left[c] * (kOne - tap.weight) + right[c] * tap.weight);
    }
}

} // namespace

void scaleBilinear(const unsigned char* source, int width, int height, std::size_t stride, RgbImage& target)
{
    if (width <= 0 || height <= 0 || target.width <= 0 || target.height <= 0)
        return;
    const std::vector<Tap> across = tapsFor(width, target.width);
    const std::vector<Tap> down = tapsFor(height, target.height);
    const std::size_t rowValues = static_cast<std::size_t>(target.width) * 3;
    // The two source rows a target row lies between, resampled across once each.
    std::vector<std::uint16_t> upper(rowValues);
    std::vector<std::uint16_t> lower(rowValues);
    int upperRow = -1;
    int lowerRow = -1;
    unsigned char* out = target.pixels.data();
    for (const Tap& tap : down) {
        const int first = tap.first;
        const int second = std::min(first + 1, height - 1);
        if (upperRow != first) {
            if (lowerRow == first) {
                std::swap(upper, lower);
                std::swap(upperRow, lowerRow);
            } else {
                resampleRow(source + stride * static_cast<std::size_t>(first), width, across, upper.data());
                upperRow = first;
            }
        }
        if (lowerRow != second) {
            resampleRow(source + stride * static_cast<std::size_t>(second), width, across, lower.data());
            lowerRow = second;
        }
        constexpr std::uint32_t kRound = 1u << (2 * kWeightBits - 1);
        const std::uint32_t a = static_cast<std::uint32_t>(kOne - tap.weight);
        const std::uint32_t b = static_cast<std::uint32_t>(tap.weight);
        for (std::size_t i = 0; i < rowValues; ++i)
            out[i] = static_cast<unsigned char>((upper[i] * a + lower[i] * b + kRound) >> (2 * kWeightBits));
        out += rowValues;
    }
}

} // namespace pw

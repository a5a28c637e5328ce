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

// The source pixels a target pixel covers along one axis, each with the share of it that lies
// inside, in 1/kShare: the first index and the weights that follow.
struct Span {
    int first = 0;
    std::vector<std::uint32_t> weights;
};

constexpr std::uint32_t kShare = 1u << 12;

std::vector<Span> spansFor(int sourceSize, int targetSize)
{
    std::vector<Span> spans(static_cast<std::size_t>(targetSize));
    const double ratio = double(sourceSize) / double(targetSize);
    for (int i = 0; i < targetSize; ++i) {
        const double from = i * ratio;
        const double to = std::min(double(sourceSize), (i + 1) * ratio);
        Span& span = spans[static_cast<std::size_t>(i)];
        span.first = static_cast<int>(from);
        std::uint32_t given = 0;
        for (int s = span.first; s < to; ++s) {
            const double inside = std::min(to, s + 1.0) - std::max(from, double(s));
            const auto weight = static_cast<std::uint32_t>(inside / ratio * kShare + 0.5);
            span.weights.push_back(weight);
            given += weight;
        }
        // Rounding may leave the shares a little off one; the largest takes the difference.
        auto largest = std::max_element(span.weights.begin(), span.weights.end());
        *largest = *largest + kShare - given;
    }
    return spans;
}

} // namespace

void scaleDownArea(const RgbImage& source, RgbImage& target)
{
    if (source.width <= 0 || source.height <= 0 || target.width <= 0 || target.height <= 0 ||
        target.width > source.width || target.height > source.height)
        return;
    const std::vector<Span> across = spansFor(source.width, target.width);
    const std::vector<Span> down = spansFor(source.height, target.height);
    const std::size_t sourceRow = static_cast<std::size_t>(source.width) * 3;
    const std::size_t targetRow = static_cast<std::size_t>(target.width) * 3;
    target.pixels.assign(targetRow * static_cast<std::size_t>(target.height), 0);
    // Each target row: the source rows it covers, summed with their shares, then shrunk across.
    std::vector<std::uint32_t> column(sourceRow);
    for (int y = 0; y < target.height; ++y) {
        const Span& rows = down[static_cast<std::size_t>(y)];
        std::fill(column.begin(), column.end(), 0);
        for (std::size_t k = 0; k < rows.weights.size(); ++k) {
            const unsigned char* in = source.pixels.data() + sourceRow * static_cast<std::size_t>(rows.first + int(k));
            const std::uint32_t weight = rows.weights[k];
            for (std::size_t i = 0; i < sourceRow; ++i)
                column[i] += in[i] * weight;
        }
        unsigned char* out = target.pixels.data() + targetRow * static_cast<std::size_t>(y);
        for (const Span& span : across) {
            for (int c = 0; c < 3; ++c) {
                std::uint64_t sum = 0;
                for (std::size_t k = 0; k < span.weights.size(); ++k)
                    sum += std::uint64_t{column[3 * static_cast<std::size_t>(span.first + int(k)) + c]} * span.weights[k];
                *out++ = static_cast<unsigned char>((sum + kShare * kShare / 2) / (kShare * kShare));
            }
        }
    }
}

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

#include "pdf/PictureScaler.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pw {

namespace {

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

} // namespace pw

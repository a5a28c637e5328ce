#include "book/IcnsFile.h"

#include <cstdint>
#include <utility>

namespace pw::icns {

namespace {

// Each PNG icon type and the square size it holds.
constexpr std::pair<const char*, int> kTypes[] = {{"icp4", 16},  {"ic11", 32},  {"icp5", 32},  {"ic12", 64},
                                                  {"ic07", 128}, {"ic13", 256}, {"ic08", 256}, {"ic14", 512},
                                                  {"ic09", 512}, {"ic10", 1024}};

void appendBigEndian32(std::string& out, std::uint32_t value)
{
    for (const int shift : {24, 16, 8, 0})
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

} // namespace

const std::vector<int>& pictureSizes()
{
    static const std::vector<int> sizes{16, 32, 64, 128, 256, 512, 1024};
    return sizes;
}

std::string iconFile(const std::map<int, std::string>& pngBySize)
{
    std::string entries;
    for (const auto& [type, size] : kTypes) {
        const auto png = pngBySize.find(size);
        if (png == pngBySize.end() || png->second.empty())
            continue;
        entries.append(type, 4);
        appendBigEndian32(entries, static_cast<std::uint32_t>(png->second.size() + 8));
        entries += png->second;
    }
    if (entries.empty())
        return {};
    std::string file = "icns";
    appendBigEndian32(file, static_cast<std::uint32_t>(entries.size() + 8));
    return file + entries;
}

} // namespace pw::icns

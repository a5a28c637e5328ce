#pragma once

#include <map>
#include <string>
#include <vector>

namespace pw::icns {

// The square sizes in pixels, smallest first, that an application icon is made of.
const std::vector<int>& pictureSizes();

// An Apple icon file (.icns) of PNG pictures keyed by their size: the header "icns" and the
// file's length, then one entry per icon type (a four-letter type and the entry's length, both
// counting the eight header bytes, then the PNG), big-endian. A size serves each type that asks
// for it (32 pixels are the 32-point and the 16-point double-density icon); missing sizes are
// left out. No picture at all gives an empty text.
std::string iconFile(const std::map<int, std::string>& pngBySize);

} // namespace pw::icns

#pragma once

#include <map>
#include <string>
#include <vector>

namespace pw {

// Square PNG pictures of a picture file for an application icon, one per size in pixels: the
// picture shrunk to fit nine tenths of the square, centred on transparency, with a thin grey
// edge so that white paper shows on a white desktop. Any format MuPDF reads; none for a file
// that is not a readable picture.
std::map<int, std::string> iconPictures(const std::string& picturePath, const std::vector<int>& sizes);

} // namespace pw

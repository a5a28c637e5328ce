#pragma once

#include <map>
#include <string>
#include <vector>

namespace pw::relink {

// Where missing pictures are found again once the user has found one of them: missing becomes
// found, and every other path of paths that does not exist, lies in missing's folder and whose
// file name is a file in found's folder becomes that file. Paths that exist never change; a
// missing that exists, or a found that does not, moves nothing.
std::map<std::string, std::string> foundAgain(const std::vector<std::string>& paths, const std::string& missing,
                                              const std::string& found);

// The paths with each one that moves replaced by where it went.
std::vector<std::string> applied(std::vector<std::string> paths, const std::map<std::string, std::string>& moves);

} // namespace pw::relink

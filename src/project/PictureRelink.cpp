#include "project/PictureRelink.h"

#include "base/FileUtil.h"

namespace pw::relink {

std::map<std::string, std::string> foundAgain(const std::vector<std::string>& paths, const std::string& missing,
                                              const std::string& found)
{
    std::map<std::string, std::string> moves;
    if (file::exists(missing) || !file::isRegularFile(found))
        return moves;
    moves[missing] = found;
    const std::string oldFolder = file::deletingLastPathComponent(missing);
    const std::string newFolder = file::deletingLastPathComponent(found);
    for (const std::string& path : paths) {
        if (moves.count(path) || file::deletingLastPathComponent(path) != oldFolder || file::exists(path))
            continue;
        const std::string candidate = file::joinPath(newFolder, file::lastPathComponent(path));
        if (file::isRegularFile(candidate))
            moves[path] = candidate;
    }
    return moves;
}

std::vector<std::string> applied(std::vector<std::string> paths, const std::map<std::string, std::string>& moves)
{
    for (std::string& path : paths) {
        if (const auto move = moves.find(path); move != moves.end())
            path = move->second;
    }
    return paths;
}

} // namespace pw::relink

#pragma once

#include <string>
#include <vector>

namespace pw {

// Stateless file-system helpers shared by the application: the player trust entry,
// unique work folders and the deep folder listing. None of them reports an error.
class VexUtility {
public:
    VexUtility() = delete;

    // The player trust file: the machine support folder joined with "FlashPlayerTrust/PT.cfg".
    static std::string trustFilePath();

    // Adds the folder path as one line of the trust file (UTF-16 with a byte-order mark in
    // this machine's byte order, lines separated by a single LF, no LF after the last).
    // A path already listed by exact, case-sensitive equality leaves the file untouched; so
    // does an existing file that is not UTF-16 with a byte-order mark (it belongs to someone
    // else). The file is replaced in one step.
    static void makeDiractoryTrustByFlash(const std::string& folderPath);

    // Makes a new, empty folder "/tmp/<name>/temp.XXXXXX" (mode 0700), creating "/tmp/<name>"
    // when missing, and returns its path. The path is returned even when creation failed.
    static std::string forceTmpDiractory(const std::string& name);

    // Every folder below the given one at any depth, each before its contents, in the order
    // the file system lists them, joined to the given path. Symbolic links are not followed
    // and not listed. Empty for a missing or unreadable folder.
    static std::vector<std::string> subFolderOfFolder(const std::string& folderPath);
};

} // namespace pw

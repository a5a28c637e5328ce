#pragma once

#include <optional>
#include <string>
#include <string_view>

// Path texts and file operations shared by the whole core. Paths are plain UTF-8 texts;
// none of the operations throws, failures come back as false or an empty optional.
namespace pw::file {

// Joins two path components with exactly one "/" between them; an empty part yields the other.
std::string joinPath(std::string_view base, std::string_view component);
// The last path component, ignoring trailing "/".
std::string lastPathComponent(std::string_view path);
// The path without its last component and without a trailing "/" ("/a/b" -> "/a", "a" -> "").
std::string deletingLastPathComponent(std::string_view path);
// The text after the last "." of the last component, or "" when there is none.
std::string pathExtension(std::string_view path);
// The path with the last component's extension (and its dot) removed.
std::string deletingPathExtension(std::string_view path);
// The path without trailing "/" (except the root "/" itself).
std::string withoutTrailingSlash(std::string_view path);

bool exists(const std::string& path);
bool isDirectory(const std::string& path);
bool isRegularFile(const std::string& path);

std::optional<std::string> readFile(const std::string& path);

// Writes the bytes to a temporary file beside the target, flushes it and renames it over the
// target, so a reader (or a crash) sees either the old file or the new one, whole.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
// The same without waiting for the disk: readers still see the old file or the new one, whole,
// but a power cut may lose the new one. For files that are cheap to make again (page pictures).
bool writeFileReplacing(const std::string& path, std::string_view bytes);

bool createDirectories(const std::string& path);
bool createDirectory(const std::string& path);
// Removes a file or a folder with all its contents. Missing paths count as removed.
bool removeAll(const std::string& path);
// Copies a file, replacing an existing target atomically (without waiting for the disk).
bool copyFile(const std::string& from, const std::string& to);
// Copies a folder tree to a new place (the target must not exist yet).
bool copyTree(const std::string& from, const std::string& to);
// Makes a new, empty folder from a pattern that ends in "XXXXXX", readable by everyone and
// writable by the owner; none when it cannot be made.
std::optional<std::string> makeUniqueFolder(const std::string& pattern);
// A new, empty folder beside target, named "." + target's name + "." + six characters, to
// build a replacement in before replaceFolder swaps it in. Such folders left by killed runs
// are removed first. None when it cannot be made.
std::optional<std::string> makeStagingFolderFor(const std::string& target);
// Puts the folder "from" in the place of "to" in one step, then removes what "to" held, so
// readers see the old folder or the new one, never a mix. Both must be on one file system.
bool replaceFolder(const std::string& from, const std::string& to);

} // namespace pw::file

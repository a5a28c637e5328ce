#include "base/VexUtility.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#include "base/FileUtil.h"
#include "base/Log.h"
#include "base/PlatformPaths.h"
#include "base/TextEncoding.h"

namespace fs = std::filesystem;

namespace pw {
namespace {

// New trust file content, or none when the file must stay as it is.
std::optional<std::u16string> trustContentWith(const std::string& trustFile, const std::u16string& folder)
{
    if (!file::exists(trustFile))
        return folder;
    const std::optional<std::string> bytes = file::readFile(trustFile);
    if (!bytes) {
        PW_LOG_WARN("Cannot read the trust file %s, leaving it alone", trustFile.c_str());
        return std::nullopt;
    }
    // An empty file is empty text, whatever encoding it was meant to have.
    if (bytes->empty())
        return folder;
    std::optional<std::u16string> old = text::decodeUtf16WithBom(*bytes);
    if (!old) {
        PW_LOG_WARN("The trust file %s is not UTF-16 with a byte-order mark, leaving it alone", trustFile.c_str());
        return std::nullopt;
    }
    size_t start = 0;
    while (true) {
        const size_t end = old->find(u'\n', start);
        const std::u16string_view line =
            std::u16string_view(*old).substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
        if (line == folder)
            return std::nullopt;
        if (end == std::u16string::npos)
            break;
        start = end + 1;
    }
    return *old + u'\n' + folder;
}

std::string randomSuffix()
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof(kChars) - 2);
    std::string suffix;
    for (int i = 0; i < 6; ++i)
        suffix += kChars[pick(random)];
    return suffix;
}

} // namespace

std::string VexUtility::trustFilePath()
{
    return file::joinPath(platform::machineApplicationSupportFolder(), "FlashPlayerTrust/PT.cfg");
}

void VexUtility::makeDiractoryTrustByFlash(const std::string& folderPath)
{
    const std::string trustFile = trustFilePath();
    file::createDirectories(file::deletingLastPathComponent(trustFile));
    PW_LOG_DEBUG("trust folder is:%s", trustFile.c_str());

    const std::optional<std::u16string> folder = text::utf8ToUtf16(folderPath);
    if (!folder) {
        PW_LOG_WARN("Folder path is not UTF-8, not trusted: %s", folderPath.c_str());
        return;
    }
    const std::optional<std::u16string> content = trustContentWith(trustFile, *folder);
    if (content && !file::writeFileAtomically(trustFile, text::encodeUtf16WithBom(*content)))
        PW_LOG_WARN("Cannot write the trust file %s", trustFile.c_str());
    if (file::exists(trustFile))
        PW_LOG_DEBUG("file is exits!!");
    else
        PW_LOG_DEBUG("file doest not exits!!!!!!!!!");
}

std::string VexUtility::forceTmpDiractory(const std::string& name)
{
    const std::string parent = file::joinPath("/tmp", name);
    // mkdtemp needs the parent; making it first gives the same folder in one attempt.
    file::createDirectories(parent);
    std::string pattern = file::joinPath(parent, "temp.XXXXXX");
    if (::mkdtemp(pattern.data()) != nullptr)
        return pattern;
    PW_LOG_WARN("Cannot make a work folder in %s", parent.c_str());
    return file::joinPath(parent, "temp." + randomSuffix());
}

std::vector<std::string> VexUtility::subFolderOfFolder(const std::string& folderPath)
{
    std::vector<std::string> folders;
    const fs::path base(file::withoutTrailingSlash(folderPath));
    std::error_code error;
    fs::recursive_directory_iterator it(base, fs::directory_options::skip_permission_denied, error);
    if (error)
        return folders;
    for (const fs::recursive_directory_iterator end; it != end; it.increment(error)) {
        if (error)
            break;
        std::error_code statusError;
        if (!it->is_directory(statusError) || it->is_symlink(statusError))
            continue;
        const std::string relative = it->path().lexically_relative(base).generic_string();
        folders.push_back(file::joinPath(folderPath, relative));
    }
    return folders;
}

} // namespace pw

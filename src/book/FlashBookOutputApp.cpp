#include "book/FlashBookOutputApp.h"

#include "base/FileUtil.h"
#include "base/Log.h"
#include "template/FlashTemplate.h"

namespace pw {

namespace {

std::string bundleName(const std::string& toName)
{
    return file::deletingPathExtension(toName) + ".app";
}

} // namespace

FlashBookOutputApp::FlashBookOutputApp(std::shared_ptr<FlashPageSource> pageSource,
                                       std::shared_ptr<FlashTemplate> flashTemplate, const std::string& saveToFolder,
                                       const std::string& toName)
    : FlashBookOutput(std::move(pageSource), std::move(flashTemplate),
                      file::joinPath(file::joinPath(saveToFolder, bundleName(toName)), "Contents/Resources/"),
                      bundleName(toName))
{
}

std::string FlashBookOutputApp::outputHTMLFileName() const
{
    return file::joinPath(saveToFolder(), "index.html");
}

std::string FlashBookOutputApp::outputFileName() const
{
    return file::deletingLastPathComponent(file::deletingLastPathComponent(saveToFolder()));
}

void FlashBookOutputApp::ouputTheBook()
{
    const std::string bundle = outputFileName();
    const std::string resources = saveToFolder();
    const std::string parent = file::deletingLastPathComponent(bundle);
    file::createDirectories(parent);
    // The new bundle is made beside the old one and swapped in whole: a failed or killed run
    // leaves the previous application as it was, never a half-made one.
    const std::optional<std::string> staging = file::makeStagingFolderFor(bundle);
    if (!staging) {
        addFailure("the application bundle cannot be made in " + parent);
        return;
    }
    setSaveToFolder(file::joinPath(*staging, "Contents/Resources/"));
    try {
        writeBundle(*staging);
    } catch (...) {
        setSaveToFolder(resources);
        file::removeAll(*staging);
        throw;
    }
    setSaveToFolder(resources);
    // A stopped run leaves the previous application as it was.
    if (stopped()) {
        file::removeAll(*staging);
        return;
    }
    if (!file::replaceFolder(*staging, bundle)) {
        addFailure("the application bundle could not be put in place at " + bundle);
        file::removeAll(*staging);
    }
}

void FlashBookOutputApp::writeBundle(const std::string& bundle)
{
    const std::string contents = file::joinPath(bundle, "Contents");
    const std::string shell =
        flashTemplate() ? file::joinPath(flashTemplate()->tmplDataPath(), "TmplData/mac.app/Contents/") : "";
    if (shell.empty() || !file::copyTree(shell, contents)) {
        const std::string reason = "the application shell " + shell + " could not be copied";
        PW_LOG_ERROR("ouput the book,copy failed:%s", reason.c_str());
        addFailure(reason);
    }
    file::createDirectories(saveToFolder());
    FlashBookOutput::ouputTheBook();
}

} // namespace pw

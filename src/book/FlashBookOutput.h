#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/XmlDocument.h"
#include "book/FlashPageTiles.h"

namespace pw {

class FlashPage;
class FlashPageSource;
class FlashTemplate;
class FlashTemplateProperty;
class FlashOutline;
class FlashPagesAnnotations;
class FlashPagesText;
class HTMLConfigInfo;

// Writes one complete book into a folder: the HTML page, book.swf, the page images under
// files/page/, their thumbnails under files/thumb/ and their detail for zooming under
// files/large/ (docs/book-pictures.md), the files chosen in file properties under
// files/extfiles/, the annotation files under files/pageConfig/, the text of the pages under
// files/search/, the PDF offered for download under files/download/, the configuration file
// files/book.bin and its script twin files/book.js, and the plain reading version text.html.
// Made for one run.
//
// File-system failures do not stop the run (a page that cannot be copied is simply missing);
// each one is logged and collected in failures(), so a caller can tell a complete book from
// a partial one without the run writing anything differently.
class FlashBookOutput {
public:
    // The HTML settings, annotations and outline start as none; an empty file name means
    // "index.html".
    FlashBookOutput(std::shared_ptr<FlashPageSource> pageSource, std::shared_ptr<FlashTemplate> flashTemplate,
                    std::string saveToFolder, std::string toName);
    FlashBookOutput(const FlashBookOutput&) = delete;
    FlashBookOutput& operator=(const FlashBookOutput&) = delete;
    virtual ~FlashBookOutput();

    // The HTML file name for a name the user typed: the name with ".html" appended, unless it
    // already ends in ".html" (in any case), so "Trip.html" stays "Trip.html".
    static std::string htmlFileNameForName(std::string_view name);

    // Writes the whole book. A book folder that does not exist makes it a no-op (recorded as
    // a failure). Exceptions of the services it calls pass through.
    virtual void ouputTheBook();
    // The book folder joined with the HTML file name (or "index.html").
    virtual std::string outputHTMLFileName() const;
    // What the caller shows or opens after the run; here the HTML page.
    virtual std::string outputFileName() const;
    std::string outputSWFName() const;

    // The steps of the run. baseFolder "" stands for the book folder.
    void prepaireNomalPage(const std::string& baseFolder);
    void prepaireZoomendPage(const std::string& baseFolder);
    void prepaireThumbPage(const std::string& baseFolder);
    void prepaireExtFiles(const std::string& baseFolder);
    void prepaireExtFiles(const std::string& baseFolder, const FlashTemplateProperty& property);
    void PrepareAnnotationFiles(const std::string& baseFolder);

    // "./files/page/<n>.<ext>" for a normal-page record; "" for none. The zoomed URL names the
    // page's detail that this run wrote ("./files/large/<n>/" for tiles), the thumbnail URL its
    // thumbnail ("./files/thumb/<n>.jpg"); a page without them has its normal URL for both.
    std::string getNormalPageURL(const FlashPage* page) const;
    std::string getZoomedPageURL(const FlashPage* page) const;
    std::string getThumbPageURL(const FlashPage* page) const;

    // The book configuration document: root "flipbook" with "extConfig" (one "item" per
    // property in depth-first pre-order), "pages", then "ols" and the annotations element
    // when those are set. The root's "hasText" says whether files/search is written; a
    // "largeUrl" of tiles carries their layout. Changes nothing of the book objects.
    xml::Document bookXML() const;
    // Writes bookXML as book.bin at the path, and the same bytes as the script book.js beside
    // it, each atomically over an existing file: the old file stays until the new one is
    // complete. Logs "Could not write document out..." and returns false when book.bin could not
    // be written; a book.js that could not be written is a failure of the run.
    bool ouputBookXML(const std::string& path);

    // The PDF that readers may download, when the book offers one ("showDownload"): the page
    // source's PDF, under its own name, or for the PDF that Build made of pictures under the
    // book's title. None when the switch is off or the pages have no PDF (or it is gone).
    struct Download {
        std::string source;
        std::string name;  // the file name in files/download/, XML-safe
    };
    std::optional<Download> download() const;
    // The name of the plain reading version beside the HTML page, or none when the book has it
    // switched off ("writeTextVersion").
    std::optional<std::string> readingVersionName() const;
    // The book's own web address ("bookAddress") ending in "/", or "" when it is not set.
    std::string bookAddress() const;

    // What went wrong in the runs so far, one readable line each; empty for a complete book.
    const std::vector<std::string>& failures() const { return iFailures; }

    // Asked before the first page picture and after each one with the pages done and the pages
    // in all; false stops the run there, before anything else is written, and stopped() turns
    // true. Called on the thread that writes the book.
    using PageProgress = std::function<bool(std::size_t done, std::size_t total)>;
    void setPageProgress(PageProgress progress) { iPageProgress = std::move(progress); }
    bool stopped() const { return iStopped; }

    const std::shared_ptr<FlashTemplate>& flashTemplate() const { return iFlashTemplate; }
    const std::shared_ptr<FlashPageSource>& flashPageSource() const { return iFlashPageSource; }
    const std::shared_ptr<FlashPagesAnnotations>& flashPagesAnnotations() const { return iFlashPagesAnnotations; }
    void setFlashPagesAnnotations(std::shared_ptr<FlashPagesAnnotations> annotations);
    const std::shared_ptr<FlashOutline>& flashOutline() const { return iFlashOutline; }
    void setFlashOutline(std::shared_ptr<FlashOutline> outline);
    // The words of the pages, written under files/search/ for the reader's search; none (or no
    // words) removes an old book's text.
    const std::shared_ptr<FlashPagesText>& flashPagesText() const { return iFlashPagesText; }
    void setFlashPagesText(std::shared_ptr<FlashPagesText> text) { iFlashPagesText = std::move(text); }
    const std::shared_ptr<HTMLConfigInfo>& HTMLConfig() const { return iHTMLConfig; }
    void setHTMLConfig(std::shared_ptr<HTMLConfigInfo> config);
    const std::string& saveToFolder() const { return iSaveToFolder; }
    const std::string& saveToFileName() const { return iSaveToFileName; }

protected:
    // The application writer builds its bundle in a staging folder and moves it in whole.
    void setSaveToFolder(std::string folder) { iSaveToFolder = std::move(folder); }
    // Records a failure of the run and logs it at error level.
    void addFailure(std::string failure);

private:
    std::string baseFolderOr(const std::string& baseFolder) const;
    std::string folderPath(const std::string& baseFolder, const std::string& folder) const;
    void appendChildPropertyToNode(xml::Element node, const FlashTemplateProperty& property) const;
    void appendItem(xml::Element node, const FlashTemplateProperty& property) const;
    bool hasHardCover() const;
    void outputHTMLPage();
    void outputReadingVersion();
    void prepareDownload();
    bool switchedOn(const std::string& key, bool byDefault) const;
    std::string templateText(const std::string& key) const;
    void outputSearchText();
    void outputPlayer();
    bool hasText() const;
    // Copies one picture of a page into folder as "N.ext" and gives that name; none, with the
    // failure recorded ("page N: could not copy WHAT SOURCE"), when it cannot be copied.
    std::optional<std::string> copyPageFile(std::int32_t pageNumber, const std::string& source, const std::string& folder,
                                            const char* what);
    // Copies the tiles of a page's detail into folder; false when one cannot be copied.
    static bool copyTiles(const FlashPageTiles& tiles, const std::string& folder);

    std::shared_ptr<FlashTemplate> iFlashTemplate;
    std::shared_ptr<FlashPageSource> iFlashPageSource;
    std::shared_ptr<FlashPagesAnnotations> iFlashPagesAnnotations;
    std::shared_ptr<FlashOutline> iFlashOutline;
    std::shared_ptr<FlashPagesText> iFlashPagesText;
    std::string iSaveToFolder;
    std::string iSaveToFileName;
    std::shared_ptr<HTMLConfigInfo> iHTMLConfig;
    const std::string iResourceFolder = "files";
    const std::string iNormalPageFolder = "page";
    const std::string iZoomedPageFolder = "large";
    const std::string iThumbPageFolder = "thumb";
    const std::string iExterFilesFolder = "extfiles";
    const std::string iSearchInfoFolder = "search";
    const std::string iAnnotationFilesFolder = "pageConfig";
    const std::string iDownloadFolder = "download";
    // What this run wrote beside the normal pages, by page number: the URL of each thumbnail,
    // and of each page's detail with its tile layout (none for a single picture).
    std::map<std::int32_t, std::string> iThumbURLs;
    std::map<std::int32_t, std::pair<std::string, std::optional<TileLayout>>> iZoomedURLs;
    std::vector<std::string> iFailures;
    PageProgress iPageProgress;
    bool iStopped = false;
};

} // namespace pw

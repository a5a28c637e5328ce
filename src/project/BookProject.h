#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pw {

class FlashOutline;
class FlashPageSource;
class FlashPagesAnnotations;
class FlashPagesText;
class FlashTemplate;

// What the book's pages are made from.
enum class PagesOrigin { demonstration, pictures, pdf };

// How a PDF is turned into pages (the pictures built into pages go through a PDF too).
struct PageImportChoice {
    std::string range = "ALL";
    int qualityLevel = 0;  // 0 best .. 4 smallest
    bool links = false;
    bool bookmarks = false;
    bool text = true;  // the words of the pages, for the reader's search

    bool operator==(const PageImportChoice&) const = default;
};

// The book's pages: where they come from, and the objects an import made of them. The objects
// are made again from the origin when a project is opened; only the origin is stored.
struct BookPages {
    PagesOrigin origin = PagesOrigin::demonstration;
    std::vector<std::string> builtPictures;  // origin pictures: the pictures, in page order
    std::string pdfPath;                     // origin pdf
    PageImportChoice choice;                 // origins pictures and pdf
    std::shared_ptr<FlashPageSource> pageSource;
    std::shared_ptr<FlashPagesAnnotations> annotations;
    std::shared_ptr<FlashOutline> outline;
    std::shared_ptr<FlashPagesText> text;
};

// Where and how the book was last published from this project.
struct PublishChoice {
    std::string folder;  // empty until chosen
    std::string name;    // the HTML page's name, without ".html"
    std::string title;
    int outputType = 0;  // 0 a book folder, 1 a Mac application

    bool operator==(const PublishChoice&) const = default;
};

// One book being made: the picture list, the pages and where they come from, the template with
// its style and every property value, and the publish choices. It loads and saves itself as a
// project file (format in docs/project-format.md); paths below the project file's folder are
// stored relative to it, so a project folder can be moved whole.
class BookProject {
public:
    static constexpr int kFormatVersion = 1;
    static constexpr const char* kExtension = "pagewind";

    // What opening found that cannot be used as it is. Nothing is dropped: missing files stay in
    // the project and are saved again; values of keys the template lacks are only reported.
    struct OpenReport {
        std::vector<std::string> missingPictures;  // of the picture list
        std::vector<std::string> missingPages;     // the PDF, or built pictures, that are gone
        std::vector<std::string> missingFiles;     // files chosen in file properties
        std::vector<std::string> unknownKeys;      // values for properties the template lacks
        std::optional<std::string> missingStyle;
        bool empty() const;
    };

    // A new project: no pictures, the demonstration pages, the template "float" without a style.
    BookProject();
    BookProject(const BookProject&) = delete;
    BookProject& operator=(const BookProject&) = delete;
    ~BookProject();

    // Reads a project file. Throws PagewindException with a reason to show the user:
    // "PROJECT_READ" (cannot be read), "PROJECT_FORMAT" (not a project, or damaged),
    // "PROJECT_VERSION" (made by a newer version of the format), "PROJECT_TEMPLATE" (its template
    // is not installed). The pages are not made: bookPages() holds the origin only.
    static std::unique_ptr<BookProject> open(const std::string& path, OpenReport* report = nullptr);
    // Writes the project to the path in one step (a failed or killed save leaves the old file)
    // and makes it the project's file. Throws PagewindException "PROJECT_WRITE".
    void saveAs(const std::string& path);
    // The project file's text, with paths relative to the folder where they lie below it.
    std::string projectText(const std::string& folder) const;

    // The project's file, empty until saved or opened.
    const std::string& filePath() const { return iFilePath; }
    // The file name without its extension, or "Untitled".
    std::string displayName() const;

    std::vector<std::string>& pictures() { return iPictures; }
    const std::vector<std::string>& pictures() const { return iPictures; }

    const BookPages& bookPages() const { return iBookPages; }
    void setBookPages(BookPages pages);

    const std::shared_ptr<FlashTemplate>& flashTemplate() const { return iFlashTemplate; }
    void setFlashTemplate(std::shared_ptr<FlashTemplate> flashTemplate);

    const PublishChoice& publishChoice() const { return iPublishChoice; }
    void setPublishChoice(PublishChoice choice) { iPublishChoice = std::move(choice); }

    // The demonstration pages of the resource folder's DemoImgs, in name order.
    static std::shared_ptr<FlashPageSource> demonstrationPages();

private:
    std::string iFilePath;
    std::vector<std::string> iPictures;
    BookPages iBookPages;
    std::shared_ptr<FlashTemplate> iFlashTemplate;
    PublishChoice iPublishChoice;
};

} // namespace pw

#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pw {

// Makes a PDF document of pictures, one page per picture at the picture's own size in points
// (pixels times 72 over its resolution; 72 dpi when the file states none). JPEG files are
// embedded as they are; PNG, BMP, TIFF and the other formats MuPDF reads are stored losslessly.
class PictureDocumentBuilder {
public:
    enum class AddResult { added, notAPicture, tooLarge };

    // Pictures of more pixels than this are refused from their header, before decoding.
    static constexpr std::int64_t kMaxPicturePixels = 200'000'000;

    // What the build action made: the PDF and the pictures it left out.
    struct BuildResult {
        std::string pdfPath;
        int pageCount = 0;
        std::vector<std::string> skipped;
    };

    PictureDocumentBuilder();
    PictureDocumentBuilder(const PictureDocumentBuilder&) = delete;
    PictureDocumentBuilder& operator=(const PictureDocumentBuilder&) = delete;
    ~PictureDocumentBuilder();

    // Appends a page showing the picture. A file that is not a readable picture, or one whose
    // header claims more than kMaxPicturePixels pixels, adds no page (a warning names it).
    AddResult addPicture(const std::string& path);
    int pageCount() const { return iPageCount; }
    // The width and height in pixels of a picture file MuPDF reads, from its header where the
    // format allows; none for a file that is not a readable picture.
    static std::optional<std::pair<int, int>> pictureSize(const std::string& path);
    // Writes the document atomically over the path. Throws PagewindException "PDF_WRITE".
    void writeToFile(const std::string& path) const;

    // The build folder: "Leafreel" in the per-user temporary folder, made with mode 0700.
    static std::string buildFolderPath();
    // "output-PID.pdf" in the build folder: two processes building at once (two copies of the
    // application, parallel command lines on a server) must never share the file.
    static std::string buildFilePath();
    // Moves the build file to a name of its own, "output-PID-N.pdf" in the build folder (N counts
    // up in the process), so that the next build does not overwrite it; none when it cannot.
    static std::optional<std::string> keepBuildFile();
    // Removes the build files that processes no longer running left in the build folder (a crash
    // leaves its "output-PID.pdf", the files it kept, or the unfinished copy being written);
    // those of running processes stay. Nothing happens without the folder.
    static void removeStaleBuildFiles();
    // The build action: the pictures in order into the build file (replacing an earlier one).
    // Throws PagewindException "BUILD_NO_PICTURE" when no picture could be read (nothing is
    // written then) and "PDF_WRITE" when the file cannot be written. stop, when set, ends the
    // run between pictures with "BUILD_CANCELLED".
    static BuildResult buildFromPictures(const std::vector<std::string>& pictures,
                                         const std::atomic<bool>* stop = nullptr);

private:
    struct Handle;
    std::unique_ptr<Handle> iHandle;
    int iPageCount = 0;
};

} // namespace pw

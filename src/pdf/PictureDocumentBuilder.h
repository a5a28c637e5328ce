#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "picture/PictureIntake.h"

namespace pw {

// Makes a PDF document of pictures, one page per picture at the upright picture's own size in
// points (pixels times 72 over its resolution; 72 dpi when the file states none). Pictures come
// through the picture intake: a JPEG already fit to show is embedded as it is, anything else as
// the intake's upright sRGB JPEG or PNG, no larger than the import will render it.
class PictureDocumentBuilder {
public:
    // What the build action made: the PDF, the pictures it left out and the damaged ones it
    // took, each with what the intake said of it.
    struct BuildResult {
        std::string pdfPath;
        int pageCount = 0;
        std::vector<PictureOutcome> skipped;
        std::vector<PictureOutcome> damaged;
    };

    PictureDocumentBuilder();
    PictureDocumentBuilder(const PictureDocumentBuilder&) = delete;
    PictureDocumentBuilder& operator=(const PictureDocumentBuilder&) = delete;
    ~PictureDocumentBuilder();

    // Appends a page showing the picture, unless the intake cannot read it (the outcome says
    // why, naming the file); a damaged picture makes a page.
    PictureOutcome addPicture(const std::string& path);
    int pageCount() const { return iPageCount; }
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
    // Throws PagewindException "BUILD_NO_PICTURE", naming every file and why, when no picture
    // could be read (nothing is written then) and "PDF_WRITE" when the file cannot be written. stop, when set, ends the
    // run between pictures with "BUILD_CANCELLED".
    static BuildResult buildFromPictures(const std::vector<std::string>& pictures,
                                         const std::atomic<bool>* stop = nullptr);

private:
    struct Handle;
    std::unique_ptr<Handle> iHandle;
    int iPageCount = 0;
};

} // namespace pw

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pw {

// How reading one picture file went. Messages always name the file (as its path was given).
struct PictureOutcome {
    enum class Status { ok, damaged, unreadable };
    Status status = Status::ok;
    std::string path;
    std::string reason;  // why it is unreadable: "not a picture that can be read", ...

    bool usable() const { return status != Status::unreadable; }
    // "skipped PATH: REASON", "PATH is damaged; its page may show grey", or empty when ok.
    std::string message() const;
    // "PATH: REASON".
    std::string pathAndReason() const { return path + ": " + reason; }
    // What a run says when none of its pictures can be read: "none of the files is a picture
    // that can be read (PATH: REASON; ...)".
    static std::string noneReadable(const std::vector<PictureOutcome>& outcomes);
};

// The one way pictures come in, from every path that takes the user's photographs (Build,
// publish, the picture list and its thumbnails, projects): JPEG (also CMYK and YCCK), PNG,
// HEIC/HEIF, AVIF where the library reads it, WebP, TIFF, BMP and GIF (the first frame).
// The file's content decides how it is read, not its name. Every picture comes out upright
// (all eight EXIF orientations), in sRGB (ICC profiles converted; CMYK without a profile through
// a CMYK fallback), greyscale kept grey, transparency laid on white, and never enlarged.
// Safe to call from several threads at once.
class PictureIntake {
public:
    // Pictures are refused from their header, before decoding, above these pixel counts: JPEG
    // decodes at a fraction of its size when shrunk, other formats decode whole.
    static constexpr std::int64_t kMaxJpegPixels = 200'000'000;
    static constexpr std::int64_t kMaxPixels = 100'000'000;
    // The longest side of a page picture.
    static constexpr int kMaxPageSide = 4096;

    // File extensions of the pictures read, lower case without the dot ("jpg", "heic", ...).
    static const std::vector<std::string>& acceptedExtensions();
    // Whether the path ends in an accepted extension, in any case ("IMG_1.JPG").
    static bool isAcceptedFileName(const std::string& path);

    struct Size {
        int width = 0;   // upright, in pixels
        int height = 0;
        double dpiX = 72;  // as the file states it; 72 when it states none
        double dpiY = 72;
    };
    // The upright size and resolution from the file's header; none, with the reason in outcome,
    // for a file that cannot be read or claims more pixels than allowed.
    static std::optional<Size> readSize(const std::string& path, PictureOutcome* outcome = nullptr);

    struct Options {
        int maxSide = kMaxPageSide;  // longest side of the result; smaller pictures keep theirs
        int quality = 90;            // JPEG quality
        bool keepOriginal = true;    // a JPEG already fit to show is used as it is
        bool allowPng = true;        // transparent pictures and small drawings may come out as PNG
        std::int64_t maxPixels = 0;  // a lower budget than the format's own (0: the format's)
    };
    struct Picture {
        PictureOutcome outcome;
        Size source;          // the file's upright size and resolution
        int width = 0;        // the result's size
        int height = 0;
        bool original = false;  // the file itself is the picture (an upright sRGB JPEG that fits)
        bool png = false;
        std::string bytes;    // the JPEG or PNG made, empty when original or unreadable

        // "jpg" or "png" (an original is a JPEG).
        std::string extension() const;
    };
    // The picture ready for a page: upright sRGB JPEG (or PNG) of at most maxSide pixels a side.
    static Picture pagePicture(const std::string& path, const Options& options);
    static Picture pagePicture(const std::string& path) { return pagePicture(path, Options()); }
    // An upright sRGB JPEG of at most maxSide pixels a side, always newly made: for thumbnails.
    static Picture thumbnailJpeg(const std::string& path, int maxSide);
};

} // namespace pw

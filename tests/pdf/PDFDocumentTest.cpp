#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <tuple>

#include "base/FileUtil.h"
#include "base/PagewindException.h"
#include "pdf/JpegEncoder.h"
#include "pdf/PDFDocument.h"
#include "pdf/PDFToSWFPageConverter.h"
#include "pdf/PictureDocumentBuilder.h"
#include "support/ScratchFolder.h"
#include "support/TestJpeg.h"
#include "support/TestPdf.h"

using namespace pw;
using namespace pw::test;

namespace {

// A tiny valid JPEG of the given size and JFIF density (unit 1 = dpi, 2 = dots per cm, 0 = none),
// the vertical one the horizontal one unless given.
std::string jpegOf(int width, int height, unsigned unit, unsigned xDensity, std::optional<unsigned> yDensity = {})
{
    RgbImage image{width, height, std::vector<unsigned char>(std::size_t(width * height * 3), 128)};
    std::string jpeg = *JpegEncoder::encode(image, 90);
    // TurboJPEG writes a JFIF APP0 at offset 2: unit at 13, densities at 14 and 16.
    jpeg[13] = char(unit);
    jpeg[14] = char(xDensity >> 8);
    jpeg[15] = char(xDensity & 0xFF);
    jpeg[16] = char(yDensity.value_or(xDensity) >> 8);
    jpeg[17] = char(yDensity.value_or(xDensity) & 0xFF);
    return jpeg;
}

// An EXIF APP1 segment stating XResolution, YResolution (whole numbers over 1) and the unit
// (2 inches, 3 centimetres), in either byte order.
std::string exifSegment(bool little, unsigned x, unsigned y, unsigned unit)
{
    std::string tiff;
    const auto put = [&](unsigned long value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            tiff += char(little ? (value >> (8 * i)) & 0xFF : (value >> (8 * (bytes - 1 - i))) & 0xFF);
    };
    tiff += little ? "II" : "MM";
    put(42, 2);
    put(8, 4);
    put(3, 2);  // entries; their values start at 8 + 2 + 36 + 4 = 50
    const unsigned long entries[3][4] = {{0x011A, 5, 1, 50}, {0x011B, 5, 1, 58}, {0x0128, 3, 1, unit}};
    for (const auto& e : entries) {
        put(e[0], 2);
        put(e[1], 2);
        put(e[2], 4);
        if (e[1] == 3) {
            put(e[3], 2);
            put(0, 2);
        } else {
            put(e[3], 4);
        }
    }
    put(0, 4);
    for (const unsigned value : {x, 1u, y, 1u})
        put(value, 4);
    const std::string body = std::string("Exif\0\0", 6) + tiff;
    const std::size_t length = body.size() + 2;
    return std::string("\xFF\xE1") + char(length >> 8) + char(length & 0xFF) + body;
}

// The JPEG with the EXIF segment after its start marker, and without its JFIF header when asked.
std::string withExif(std::string jpeg, const std::string& exif, bool keepJfif)
{
    if (!keepJfif)
        jpeg.erase(2, 18);
    return jpeg.insert(2, exif);
}

TEST(PDFDocument, BadFilesAreNotReadablePDFs)
{
    ScratchFolder scratch;
    const std::string good = makePlainPdf(3);
    std::string brokenXref = good;
    brokenXref.replace(brokenXref.find("startxref\n") + 10, 3, "999");
    // A page count no file of this size can hold: it must cost neither memory nor the pages.
    std::string inflatedCount = good;
    inflatedCount.replace(inflatedCount.find("/Count 3"), 8, "/Count 2000000000");
    const struct {
        const char* name;
        std::string bytes;
        bool readable;
        int pages;
    } cases[] = {
        {"empty.pdf", "", false, 0},
        {"truncated.pdf", good.substr(0, 20), false, 0},
        {"broken-xref.pdf", brokenXref, true, 3},  // repaired from the objects themselves
        {"good.pdf", good, true, 3},
        {"inflated-count.pdf", inflatedCount, true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto doc = PDFDocument::open(scratch.write(c.name, c.bytes));
        ASSERT_EQ(doc != nullptr, c.readable);
        if (doc && c.pages >= 0) {
            EXPECT_EQ(doc->pageCount(), c.pages);
        }
        if (doc && c.pages < 0) {
            EXPECT_GE(doc->pageCount(), 3);
            EXPECT_LT(doc->pageCount(), 100);
            EXPECT_NO_THROW(doc->cropBox(0));
        }
    }
    EXPECT_EQ(PDFDocument::open(scratch / "missing.pdf"), nullptr);
}

TEST(PDFDocument, BoxesRotationAndPageChecks)
{
    ScratchFolder scratch;
    TestPage cropped;
    cropped.cropBox = TestRect{50, 60, 500, 700};
    TestPage turned;
    turned.rotate = -90;
    const auto doc = PDFDocument::open(scratch.write("boxes.pdf", makePdf({cropped, turned})));
    ASSERT_TRUE(doc);
    const PDFRect crop = doc->cropBox(0);
    EXPECT_EQ((std::array{crop.x, crop.y, crop.width, crop.height}), (std::array<float, 4>{50, 60, 500, 700}));
    EXPECT_FLOAT_EQ(doc->cropBox(1).width, 612);  // no crop box: the media box
    EXPECT_EQ(doc->rotation(0), 0);
    EXPECT_EQ(doc->rotation(1), 270);
    EXPECT_FLOAT_EQ(doc->displayBounds(1).width, 792);
    EXPECT_THROW(doc->cropBox(2), PagewindException);
    EXPECT_THROW(doc->annotations(-1), PagewindException);

    // Real PDFs often leave the media box and the turn to the page tree.
    TestPage inherited{.width = 600, .height = 800};
    inherited.rotate = 90;
    inherited.inheritBox = true;
    const auto tree = PDFDocument::open(scratch.write("inherited.pdf", makePdf({inherited})));
    ASSERT_TRUE(tree);
    EXPECT_FLOAT_EQ(tree->cropBox(0).height, 800);
    EXPECT_EQ(tree->rotation(0), 90);
    EXPECT_EQ(tree->renderedSize(0, 2.0f, 4096), (PictureSize{1600, 1200}));
}

// Pages render at twice their size, but no side is longer than 4096 pixels: big photos and
// posters are scaled down, keeping their shape.
TEST(PDFDocument, PictureSidesAreCappedKeepingTheShape)
{
    const struct {
        float width, height;
        PictureSize size;
    } cases[] = {
        {612, 792, {1224, 1584}},    {2048, 1000, {4096, 2000}},   {4032, 3024, {4096, 3072}},
        {8700, 5800, {4096, 2731}},  {300, 14400, {86, 4096}},     {14000, 14000, {4096, 4096}},
    };
    ScratchFolder scratch;
    std::vector<TestPage> pages;
    for (const auto& c : cases)
        pages.push_back({.width = c.width, .height = c.height});
    const auto doc = PDFDocument::open(scratch.write("sizes.pdf", makePdf(pages)));
    ASSERT_TRUE(doc);
    for (int i = 0; i < int(std::size(cases)); ++i)
        EXPECT_EQ(doc->renderedSize(i, 2.0f, PDFToSWFPageConverter::kMaxPictureSide), cases[i].size) << i;
    const RgbImage photo = doc->renderPage(3, 2.0f, PDFToSWFPageConverter::kMaxPictureSide);
    EXPECT_EQ((PictureSize{photo.width, photo.height}), cases[3].size);
}

// A page that is one picture is drawn at the picture's own size, never larger, by its own path
// (also when it is wider than tall); it must look as MuPDF draws it.
TEST(PDFDocument, PicturePagesLookAsMuPDFDrawsThem)
{
    for (const auto& [width, height] : {std::pair{40, 30}, std::pair{200, 100}}) {
        TestPage alone{.width = float(width), .height = float(height), .pictureWidth = width};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                alone.picture += {char(x * 6), char(y * 8), char(((x / 5 + y / 5) % 2) * 200)};
        }
        TestPage withMore = alone;
        withMore.content = "1 1 1 rg 0 0 0.01 0.01 re f";  // anything more takes MuPDF's own path
        ScratchFolder scratch;
        const auto doc = PDFDocument::open(scratch.write("picture.pdf", makePdf({alone, withMore})));
        ASSERT_TRUE(doc);
        EXPECT_EQ(doc->renderedSize(0, 2.0f, 4096), (PictureSize{width, height}));
        EXPECT_EQ(doc->renderedSize(1, 2.0f, 4096), (PictureSize{2 * width, 2 * height}));
        const RgbImage ours = doc->renderPage(0, 2.0f, 4096);
        const RgbImage mupdf = doc->renderPage(1, 1.0f, 4096);
        ASSERT_EQ(ours.pixels.size(), std::size_t(width * height * 3));
        ASSERT_EQ(mupdf.pixels.size(), ours.pixels.size());
        long total = 0;
        int largest = 0;
        for (std::size_t i = 0; i < ours.pixels.size(); ++i) {
            const int difference = std::abs(int(ours.pixels[i]) - int(mupdf.pixels[i]));
            total += difference;
            largest = std::max(largest, difference);
        }
        EXPECT_LT(double(total) / double(ours.pixels.size()), 1.5) << width << "x" << height;
        EXPECT_LE(largest, 8) << width << "x" << height;
    }
}

// Colourless pages are encoded as one grey channel; one coloured pixel keeps all three.
TEST(JpegEncoder, GreyPagesGetOneChannel)
{
    RgbImage image{64, 48, std::vector<unsigned char>(64 * 48 * 3)};
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = static_cast<unsigned char>((i / 3) % 64 * 4);
    const struct {
        bool tinted;
        int subsampling;
    } cases[] = {{false, TJSAMP_GRAY}, {true, TJSAMP_420}};
    for (const auto& c : cases) {
        RgbImage page = image;
        if (c.tinted)
            page.pixels[page.pixels.size() - 1] = 1;  // the last pixel turns faintly blue
        int subsampling = -1;
        const RgbImage decoded = decodeJpeg(JpegEncoder::encode(page, 90).value_or(""), &subsampling);
        EXPECT_EQ(subsampling, c.subsampling) << c.tinted;
        ASSERT_EQ(decoded.pixels.size(), page.pixels.size());
        EXPECT_NEAR(decoded.pixels[3 * 10 + 0], page.pixels[3 * 10 + 0], 12);  // still the same picture
    }
}

TEST(PictureDocumentBuilder, PagesKeepThePicturesSizeAndBytes)
{
    ScratchFolder scratch;
    const std::string at72 = jpegOf(144, 72, 0, 1);
    using enum PictureOutcome::Status;
    const struct {
        const char* name;
        std::string bytes;
        PictureOutcome::Status result;
        float width = 0, height = 0;  // the page, in points
    } cases[] = {
        {"at300.jpg", jpegOf(300, 150, 1, 300), ok, 72, 36},
        {"none.jpg", at72, ok, 144, 72},  // 72 dpi
        {"cm.jpg", jpegOf(300, 150, 2, 118), ok, 72, 36},  // 118/cm = 300 dpi
        {"tall-pixels.jpg", jpegOf(144, 144, 1, 72, 144), ok, 144, 72},
        {"exif.jpg", withExif(jpegOf(360, 180, 0, 1), exifSegment(true, 180, 90, 2), false), ok, 144, 144},
        {"exif-cm.jpg", withExif(jpegOf(354, 118, 0, 1), exifSegment(false, 118, 59, 3), true), ok, 84.96f,
         56.64f},  // 300 by 150 dpi
        // As libvips reads them, the EXIF block's resolution comes after the JFIF header's.
        {"exif-wins.jpg", withExif(jpegOf(300, 300, 1, 300), exifSegment(true, 72, 72, 2), true), ok, 300, 300},
        {"letter.jpg", "Dear reader, this is text.", unreadable},
    };
    PictureDocumentBuilder builder;
    std::vector<std::pair<float, float>> expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(builder.addPicture(scratch.write(c.name, c.bytes)).status, c.result);
        if (c.result == ok)
            expected.emplace_back(c.width, c.height);
    }
    const std::string pdf = scratch / "out.pdf";
    builder.writeToFile(pdf);
    const auto doc = PDFDocument::open(pdf);
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->pageCount(), int(expected.size()));
    for (int i = 0; i < doc->pageCount(); ++i) {
        EXPECT_NEAR(doc->cropBox(i).width, expected[std::size_t(i)].first, 0.1) << i;
        EXPECT_NEAR(doc->cropBox(i).height, expected[std::size_t(i)].second, 0.1) << i;
    }
    // A JPEG fit to show at the size the import renders it is embedded as it is.
    EXPECT_NE(file::readFile(pdf)->find(at72.substr(0, 600)), std::string::npos);
}

TEST(PictureDocumentBuilder, BuildNeedsOnePicture)
{
    ScratchFolder scratch;
    const ScopedEnvironment tmp("TMPDIR", scratch.path());
    try {
        PictureDocumentBuilder::buildFromPictures({scratch.write("a.txt", "text")});
        ADD_FAILURE() << "built without a picture";
    } catch (const PagewindException& e) {
        EXPECT_EQ(e.reason(), "none of the files is a picture that can be read (" + scratch / "a.txt" +
                                  ": not a picture that can be read)");
    }
    EXPECT_FALSE(file::exists(PictureDocumentBuilder::buildFilePath()));
    const auto built = PictureDocumentBuilder::buildFromPictures(
        {scratch.write("a.jpg", jpegOf(10, 10, 0, 1)), scratch / "nowhere.jpg"});
    EXPECT_EQ(built.pageCount, 1);
    ASSERT_EQ(built.skipped.size(), 1u);
    EXPECT_EQ(built.skipped[0].message(), "skipped " + scratch / "nowhere.jpg" + ": no such file");
    // One file per process: parallel builds must not import each other's pictures.
    EXPECT_EQ(built.pdfPath, file::joinPath(scratch.path(), "Leafreel/output-" + std::to_string(::getpid()) + ".pdf"));
    EXPECT_TRUE(PDFDocument::open(built.pdfPath));
}

} // namespace

#include <gtest/gtest.h>

#include <turbojpeg.h>

#include "base/FileUtil.h"
#include "base/PagewindException.h"
#include "pdf/JpegEncoder.h"
#include "pdf/PDFDocument.h"
#include "pdf/PictureDocumentBuilder.h"
#include "support/ScratchFolder.h"
#include "support/TestPdf.h"

using namespace pw;
using pw::test::makePdf;
using pw::test::makePlainPdf;
using pw::test::ScratchFolder;
using pw::test::TestPage;

namespace {

std::string write(const ScratchFolder& scratch, const std::string& name, const std::string& bytes)
{
    const std::string path = scratch / name;
    file::writeFileAtomically(path, bytes);
    return path;
}

// A tiny valid JPEG of the given size and JFIF density (unit 1 = dpi, 0 = none).
std::string jpegOf(int width, int height, unsigned unit, unsigned density)
{
    RgbImage image{width, height, std::vector<unsigned char>(std::size_t(width * height * 3), 128)};
    std::string jpeg = *JpegEncoder::encode(image, 90);
    // TurboJPEG writes a JFIF APP0 at offset 2: unit at 13, densities at 14 and 16.
    jpeg[13] = char(unit);
    jpeg[14] = char(density >> 8);
    jpeg[15] = char(density & 0xFF);
    jpeg[16] = char(density >> 8);
    jpeg[17] = char(density & 0xFF);
    return jpeg;
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
        {"text.pdf", "this is a letter, not a PDF\n", false, 0},
        {"truncated.pdf", good.substr(0, 20), false, 0},
        {"broken-xref.pdf", brokenXref, true, 3},  // repaired from the objects themselves
        {"good.pdf", good, true, 3},
        {"inflated-count.pdf", inflatedCount, true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto doc = PDFDocument::open(write(scratch, c.name, c.bytes));
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
    cropped.cropBox = pw::test::TestRect{50, 60, 500, 700};
    TestPage turned;
    turned.rotate = -90;
    const auto doc = PDFDocument::open(write(scratch, "boxes.pdf", makePdf({cropped, turned})));
    ASSERT_TRUE(doc);
    const PDFRect crop = doc->cropBox(0);
    EXPECT_FLOAT_EQ(crop.x, 50);
    EXPECT_FLOAT_EQ(crop.y, 60);
    EXPECT_FLOAT_EQ(crop.width, 500);
    EXPECT_FLOAT_EQ(crop.height, 700);
    EXPECT_FLOAT_EQ(doc->cropBox(1).width, 612);  // no crop box: the media box
    EXPECT_EQ(doc->rotation(0), 0);
    EXPECT_EQ(doc->rotation(1), 270);
    EXPECT_FLOAT_EQ(doc->displayBounds(1).width, 792);
    EXPECT_THROW(doc->cropBox(2), PagewindException);
    EXPECT_THROW(doc->annotations(-1), PagewindException);
}

TEST(PDFDocument, RendersAtTwiceThePageSizeOnWhite)
{
    ScratchFolder scratch;
    const auto doc = PDFDocument::open(write(scratch, "letter.pdf", makePlainPdf(1)));
    ASSERT_TRUE(doc);
    const RgbImage image = doc->renderPage(0, 2.0f, PictureDocumentBuilder::kMaxPicturePixels);
    EXPECT_EQ(image.width, 1224);
    EXPECT_EQ(image.height, 1584);
    // The top left corner is unpainted paper; the rectangle near the bottom left is blue.
    EXPECT_EQ(image.pixels[0], 255);
    const std::size_t blue = (std::size_t(1584 - 150) * 1224 + 150) * 3;
    EXPECT_LT(image.pixels[blue], 100);
    EXPECT_GT(image.pixels[blue + 2], 150);

    const std::optional<std::string> jpeg = JpegEncoder::encode(image, 85);
    ASSERT_TRUE(jpeg);
    tjhandle decoder = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    ASSERT_EQ(tjDecompressHeader3(decoder, reinterpret_cast<const unsigned char*>(jpeg->data()), jpeg->size(), &width,
                                  &height, &subsampling, &colourspace),
              0);
    tjDestroy(decoder);
    EXPECT_EQ(width, 1224);
    EXPECT_EQ(height, 1584);
    EXPECT_EQ(subsampling, TJSAMP_420);

    EXPECT_THROW(doc->renderPage(0, 2.0f, 1'000'000), PagewindException);  // 1.9 megapixels
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
        const std::optional<std::string> jpeg = JpegEncoder::encode(page, 90);
        ASSERT_TRUE(jpeg);
        tjhandle decoder = tjInitDecompress();
        int width = 0, height = 0, subsampling = -1, colourspace = -1;
        ASSERT_EQ(tjDecompressHeader3(decoder, reinterpret_cast<const unsigned char*>(jpeg->data()), jpeg->size(),
                                      &width, &height, &subsampling, &colourspace),
                  0);
        std::vector<unsigned char> decoded(64 * 48 * 3);
        ASSERT_EQ(tjDecompress2(decoder, reinterpret_cast<const unsigned char*>(jpeg->data()), jpeg->size(),
                                decoded.data(), 64, 0, 48, TJPF_RGB, 0),
                  0);
        tjDestroy(decoder);
        EXPECT_EQ(subsampling, c.subsampling) << c.tinted;
        EXPECT_EQ(width, 64);
        EXPECT_NEAR(decoded[3 * 10 + 0], page.pixels[3 * 10 + 0], 12);  // still the same picture
    }
}

TEST(PictureDocumentBuilder, PagesKeepThePicturesSizeAndBytes)
{
    ScratchFolder scratch;
    const std::string at300 = jpegOf(300, 150, 1, 300);
    const std::string noDensity = jpegOf(144, 72, 0, 1);
    const struct {
        const char* name;
        std::string bytes;
        PictureDocumentBuilder::AddResult result;
    } cases[] = {
        {"at300.jpg", at300, PictureDocumentBuilder::AddResult::added},
        {"none.jpg", noDensity, PictureDocumentBuilder::AddResult::added},
        {"letter.jpg", "Dear reader, this is text.", PictureDocumentBuilder::AddResult::notAPicture},
        {"empty.png", "", PictureDocumentBuilder::AddResult::notAPicture},
        // A PNG header claiming 100000 by 100000 pixels, with no pixels behind it.
        {"bomb.png",
         std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\x01\x86\xa0\0\x01\x86\xa0\x08\x02\0\0\0\0\0\0\0", 33),
         PictureDocumentBuilder::AddResult::tooLarge},
    };
    PictureDocumentBuilder builder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(builder.addPicture(write(scratch, c.name, c.bytes)), c.result);
    }
    EXPECT_EQ(builder.pageCount(), 2);
    const std::string pdf = scratch / "out.pdf";
    builder.writeToFile(pdf);
    const auto doc = PDFDocument::open(pdf);
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->pageCount(), 2);
    EXPECT_FLOAT_EQ(doc->cropBox(0).width, 72);  // 300 pixels at 300 dpi
    EXPECT_FLOAT_EQ(doc->cropBox(0).height, 36);
    EXPECT_FLOAT_EQ(doc->cropBox(1).width, 144);  // no stated resolution: 72 dpi
    // The JPEG is embedded as it is, not decoded and encoded again.
    EXPECT_NE(file::readFile(pdf)->find(at300.substr(0, 600)), std::string::npos);
}

TEST(PictureDocumentBuilder, BuildNeedsOnePicture)
{
    ScratchFolder scratch;
    const pw::test::ScopedEnvironment tmp("TMPDIR", scratch.path());
    EXPECT_THROW(PictureDocumentBuilder::buildFromPictures({write(scratch, "a.txt", "text")}), PagewindException);
    EXPECT_FALSE(file::exists(PictureDocumentBuilder::buildFilePath()));
    const auto built = PictureDocumentBuilder::buildFromPictures(
        {write(scratch, "a.jpg", jpegOf(10, 10, 0, 1)), scratch / "nowhere.jpg"});
    EXPECT_EQ(built.pageCount, 1);
    EXPECT_EQ(built.skipped, std::vector<std::string>{scratch / "nowhere.jpg"});
    EXPECT_EQ(built.pdfPath, file::joinPath(scratch.path(), "Leafreel/output.pdf"));
    EXPECT_TRUE(PDFDocument::open(built.pdfPath));
}

} // namespace

// The picture intake over every kind of picture as cameras, phones and print shops make them:
// upright, in sRGB against the colour each was made from, never enlarged, bad files named.
#include <gtest/gtest.h>

#include "base/FileUtil.h"
#include "picture/PictureIntake.h"
#include "support/ScratchFolder.h"
#include "support/TestPictures.h"

namespace pw {

namespace {

using test::PictureCase;
using test::ScratchFolder;
using Status = PictureOutcome::Status;

TEST(PictureIntake, EveryKindComesOutUprightInSrgb)
{
    ScratchFolder scratch;
    for (const PictureCase& c : test::pictureCases()) {
        SCOPED_TRACE(c.name);
        const std::string path = test::writePicture(scratch.path(), c);
        const PictureIntake::Picture picture = PictureIntake::pagePicture(path);
        EXPECT_EQ(picture.outcome.status, c.status) << picture.outcome.reason;
        EXPECT_EQ(PictureIntake::readSize(path).has_value(), c.status != Status::unreadable);
        if (!picture.outcome.usable())
            continue;
        EXPECT_EQ(picture.source.width, c.width);
        EXPECT_EQ(picture.source.height, c.height);
        // Only an upright sRGB (or untagged) JPEG serves as it is.
        EXPECT_EQ(picture.original, c.name == "upright.jpg" || c.name == "grey.jpg");
        const std::string made = picture.original ? path : scratch.write("made." + picture.extension(), picture.bytes);
        EXPECT_TRUE(test::showsCase(made, c));
    }
}

TEST(PictureIntake, RefusalsAndWarningsNameTheFile)
{
    ScratchFolder scratch;
    const struct {
        std::string name;
        std::string reason;
    } refused[] = {
        {"huge.png", "100000 by 100000 pixels is more than the 100 million a picture may have"},
        {"nowhere.jpg", "no such file"},
        {"empty.jpg", "not a picture that can be read"},
    };
    for (const auto& r : refused) {
        const std::string path = r.name == "nowhere.jpg" ? scratch / r.name : test::writePicture(scratch.path(), {r.name});
        PictureOutcome outcome;
        EXPECT_FALSE(PictureIntake::readSize(path, &outcome));
        EXPECT_EQ(outcome.reason, r.reason) << r.name;
        EXPECT_EQ(outcome.path, path);
    }
    // A BMP header claiming more than the budget is refused before MuPDF sees it.
    std::string bitmap = file::readFile(test::writePicture(scratch.path(), {"photo.bmp"})).value_or("");
    bitmap.replace(18, 8, std::string("\xff\xff\x00\x00\xff\xff\x00\x00", 8));
    EXPECT_EQ(PictureIntake::pagePicture(scratch.write("wide.bmp", bitmap)).outcome.reason,
              "65535 by 65535 pixels is more than the 100 million a picture may have");
}

TEST(PictureIntake, ScalesDownNeverUp)
{
    ScratchFolder scratch;
    const std::string path = test::writePicture(scratch.path(), {"orientation-6.jpg", Status::ok, 480, 640});
    const struct {
        int maxSide;
        bool keepOriginal;
        int width, height;
    } cases[] = {{4096, true, 480, 640}, {320, true, 240, 320}};
    for (const auto& c : cases) {
        PictureIntake::Options options;
        options.maxSide = c.maxSide;
        options.keepOriginal = c.keepOriginal;
        const PictureIntake::Picture picture = PictureIntake::pagePicture(path, options);
        EXPECT_EQ(picture.width, c.width) << c.maxSide;
        EXPECT_EQ(picture.height, c.height) << c.maxSide;
    }
    const PictureIntake::Picture thumbnail = PictureIntake::thumbnailJpeg(test::writePicture(scratch.path(), {"upright.jpg"}), 16);
    EXPECT_FALSE(thumbnail.original);
    EXPECT_EQ(thumbnail.bytes.compare(0, 2, "\xFF\xD8"), 0);
    EXPECT_EQ(std::make_pair(thumbnail.width, thumbnail.height), std::make_pair(16, 12));
}

TEST(PictureIntake, AcceptedNamesInAnyCase)
{
    const struct {
        const char* name;
        bool accepted;
    } cases[] = {{"IMG_1.JPG", true}, {"a.heic", true}, {"b.Tiff", true}, {"c.webp", true}, {"d.bmp", true},
                 {"notes.txt", false}, {"jpg", false}, {"archive.jpg.zip", false}};
    for (const auto& c : cases)
        EXPECT_EQ(PictureIntake::isAcceptedFileName(c.name), c.accepted) << c.name;
}

} // namespace

} // namespace pw

// Any bytes as a picture file, named with one of the accepted extensions (the first byte picks
// which; the rest is the file): the intake makes an upright picture within the size asked for,
// or refuses the file with a reason that names it. Never a crash, a hang or a runaway allocation.

#include <algorithm>

#include "FuzzSupport.h"
#include "picture/PictureIntake.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pw::fuzz::quietLogging();
    if (size == 0)
        return 0;
    const auto& extensions = pw::PictureIntake::acceptedExtensions();
    const std::string path = pw::fuzz::scratchPath("picture." + extensions[data[0] % extensions.size()]);
    if (!pw::file::writeFileReplacing(path, pw::fuzz::asText(data + 1, size - 1)))
        pw::fuzz::fail("cannot write the scratch file");
    pw::PictureIntake::Options options;
    options.maxSide = 256;
    // A small budget keeps every run within a second; the budgets' own arithmetic is tested.
    options.maxPixels = 4'000'000;
    const pw::PictureIntake::Picture picture = pw::PictureIntake::pagePicture(path, options);
    if (!picture.outcome.usable()) {
        if (picture.outcome.reason.empty() || picture.outcome.message().find(path) == std::string::npos)
            pw::fuzz::fail("a picture was refused without a reason naming it");
    } else if (picture.width <= 0 || picture.height <= 0 || std::max(picture.width, picture.height) > 256 ||
               (!picture.original && picture.bytes.empty())) {
        pw::fuzz::fail("a picture came out empty or larger than asked");
    }
    pw::file::removeAll(path);
    return 0;
}

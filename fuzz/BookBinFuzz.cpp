// book.bin bytes as `pagewind-cli decode` reads them: decrypt, open the archive, inflate
// "book.xml". Whatever decodes must pack and decode again to the same text.

#include "FuzzSupport.h"
#include "book/FlashBookFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pw::fuzz::quietLogging();
    std::string error;
    const std::optional<std::string> xmlText = pw::FlashBookFile::unpack(pw::fuzz::asText(data, size), &error);
    if (!xmlText) {
        if (error.empty())
            pw::fuzz::fail("refused without a reason");
        return 0;
    }
    const std::optional<std::string> packed = pw::FlashBookFile::pack(*xmlText);
    if (!packed)
        pw::fuzz::fail("decoded text cannot be packed again");
    if (pw::FlashBookFile::unpack(*packed) != xmlText)
        pw::fuzz::fail("pack and unpack do not round-trip");
    return 0;
}

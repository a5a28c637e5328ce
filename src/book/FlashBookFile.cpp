#include "book/FlashBookFile.h"

#include <cstdint>

#include <nettle/base64.h>

#include "base/Rc4Cipher.h"
#include "base/ZipArchive.h"

namespace pw {

std::optional<std::string> FlashBookFile::pack(std::string_view xmlText)
{
    ZipArchive archive;
    archive.deflateData(std::string(xmlText), std::string(kEntryName));
    const std::optional<std::string> zipped = archive.data();
    if (!zipped)
        return std::nullopt;
    return Rc4Cipher::encrypt(*zipped, kKey);
}

std::string FlashBookFile::script(std::string_view bookBin)
{
    std::string encoded(BASE64_ENCODE_RAW_LENGTH(bookBin.size()), '\0');
    base64_encode_raw(encoded.data(), bookBin.size(), reinterpret_cast<const std::uint8_t*>(bookBin.data()));
    return "/* Pagewind book: files/book.bin for pages opened from a file. */\npagewindBook(\"" + encoded + "\");\n";
}

std::optional<std::string> FlashBookFile::unpack(std::string_view bookBin, std::string* error)
{
    const std::optional<std::string> zipped = Rc4Cipher::decrypt(bookBin, kKey);
    // Every archive this system writes starts with a local file header.
    if (!zipped || zipped->rfind("PK\x03\x04", 0) != 0) {
        if (error)
            *error = "not a book configuration file (it does not decrypt to a ZIP archive)";
        return std::nullopt;
    }
    std::string reason;
    std::optional<std::string> xmlText = ZipArchive::inflateEntry(*zipped, std::string(kEntryName), &reason);
    if (!xmlText && error)
        *error = "not a book configuration file (" + reason + ")";
    return xmlText;
}

} // namespace pw

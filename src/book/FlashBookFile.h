#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The book configuration file book.bin: the document's XML text as the single deflated entry
// "book.xml" of a ZIP archive, the whole archive RC4-encrypted under a fixed key.
class FlashBookFile {
public:
    // The fixed cipher key, the same for every book; the player decrypts with it.
    static constexpr std::string_view kKey = "lanternmoss.qel";
    static constexpr std::string_view kEntryName = "book.xml";
    // The script beside book.bin that carries the same bytes, for pages opened from a file,
    // where browsers let a page run scripts but not read files.
    static constexpr std::string_view kScriptName = "book.js";

    // The bytes of book.bin for the XML text; none when packing fails.
    static std::optional<std::string> pack(std::string_view xmlText);
    // The XML text inside book.bin bytes. None, with a reason in *error, for bytes that do not
    // decrypt to a ZIP archive holding "book.xml".
    // The text of book.js for the bytes of book.bin: one call of pagewindBook with the bytes
    // in base64 (docs/book-js.md).
    static std::string script(std::string_view bookBin);
    static std::optional<std::string> unpack(std::string_view bookBin, std::string* error = nullptr);
};

} // namespace pw

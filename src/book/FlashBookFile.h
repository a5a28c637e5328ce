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

    // The bytes of book.bin for the XML text; none when packing fails.
    static std::optional<std::string> pack(std::string_view xmlText);
    // The XML text inside book.bin bytes. None, with a reason in *error, for bytes that do not
    // decrypt to a ZIP archive holding "book.xml".
    static std::optional<std::string> unpack(std::string_view bookBin, std::string* error = nullptr);
};

} // namespace pw

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

// ZIP archives held in memory, over libzip.
class ZipArchive {
public:
    // Adds an entry whose content is deflate-compressed. A name used twice keeps the last data.
    void deflateData(std::string data, std::string fileName);

    // The archive's bytes with every entry added so far, or none when libzip fails. An
    // archive without entries is the 22-byte end record alone.
    std::optional<std::string> data() const;

    // The inflated content of the named entry of an archive. None, with a reason in *error,
    // when the bytes are not a ZIP archive, the entry is missing, its data is damaged, or it
    // would inflate to more than maxSize bytes (so a hostile archive cannot fill memory).
    static std::optional<std::string> inflateEntry(std::string_view archive, const std::string& fileName,
                                                   std::string* error = nullptr,
                                                   std::size_t maxSize = std::size_t{256} << 20);

    // The entry names of an archive in their stored order; none when it cannot be read.
    static std::optional<std::vector<std::string>> entryNames(std::string_view archive, std::string* error = nullptr);

private:
    struct Entry {
        std::string name;
        std::string data;
    };
    std::vector<Entry> iEntries;
};

} // namespace pw

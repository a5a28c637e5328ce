#include "base/ZipArchive.h"

#include <algorithm>
#include <memory>

#include <zip.h>

namespace pw {

namespace {

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourcePtr = std::unique_ptr<zip_source_t, SourceFree>;

struct ArchiveDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveDiscard>;

struct FileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using FilePtr = std::unique_ptr<zip_file_t, FileClose>;

void setError(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
}

std::string describe(zip_error_t* zipError)
{
    std::string text = zip_error_strerror(zipError);
    zip_error_fini(zipError);
    return text;
}

bool addEntry(zip_t* archive, const std::string& name, const std::string& data)
{
    // The data stays owned by the entry list until zip_close has written it.
    zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
    if (!source)
        return false;
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0) == 0;
}

std::optional<std::string> readWholeSource(zip_source_t* source)
{
    if (zip_source_open(source) < 0)
        return std::nullopt;
    std::string bytes;
    char buffer[8192];
    zip_int64_t count = 0;
    while ((count = zip_source_read(source, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<size_t>(count));
    zip_source_close(source);
    if (count < 0)
        return std::nullopt;
    return bytes;
}

// Opens an archive over bytes that the caller keeps alive; none with a reason on failure.
ArchivePtr openArchive(std::string_view bytes, std::string* error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    SourcePtr source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &zipError));
    if (!source) {
        setError(error, describe(&zipError));
        return nullptr;
    }
    ArchivePtr archive(zip_open_from_source(source.get(), ZIP_RDONLY | ZIP_CHECKCONS, &zipError));
    if (!archive) {
        setError(error, "not a ZIP archive: " + describe(&zipError));
        return nullptr;
    }
    zip_error_fini(&zipError);
    source.release();  // the archive owns it now
    return archive;
}

} // namespace

void ZipArchive::deflateData(std::string data, std::string fileName)
{
    std::erase_if(iEntries, [&fileName](const Entry& entry) { return entry.name == fileName; });
    iEntries.push_back({std::move(fileName), std::move(data)});
}

std::optional<std::string> ZipArchive::data() const
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    SourcePtr buffer(zip_source_buffer_create(nullptr, 0, 0, &zipError));
    zip_error_fini(&zipError);
    if (!buffer)
        return std::nullopt;
    // Keep the buffer source alive past zip_close, which writes the archive into it.
    zip_source_keep(buffer.get());
    zip_error_init(&zipError);
    ArchivePtr archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &zipError));
    zip_error_fini(&zipError);
    if (!archive) {
        zip_source_free(buffer.get());  // drop the extra reference taken above
        return std::nullopt;
    }
    for (const Entry& entry : iEntries) {
        if (!addEntry(archive.get(), entry.name, entry.data))
            return std::nullopt;
    }
    if (iEntries.empty())
        return std::string("PK\x05\x06", 4) + std::string(18, '\0');
    if (zip_close(archive.get()) < 0)
        return std::nullopt;
    archive.release();
    return readWholeSource(buffer.get());
}

std::optional<std::string> ZipArchive::inflateEntry(std::string_view archiveBytes, const std::string& fileName,
                                                    std::string* error, std::size_t maxSize)
{
    ArchivePtr archive = openArchive(archiveBytes, error);
    if (!archive)
        return std::nullopt;
    FilePtr entry(zip_fopen(archive.get(), fileName.c_str(), 0));
    if (!entry) {
        setError(error, "the archive has no entry \"" + fileName + "\"");
        return std::nullopt;
    }
    std::string content;
    char buffer[16384];
    zip_int64_t count = 0;
    while ((count = zip_fread(entry.get(), buffer, sizeof buffer)) > 0) {
        if (content.size() + static_cast<size_t>(count) > maxSize) {
            setError(error, "the entry \"" + fileName + "\" is too large");
            return std::nullopt;
        }
        content.append(buffer, static_cast<size_t>(count));
    }
    if (count < 0) {
        setError(error, std::string("damaged entry \"") + fileName + "\": " + zip_file_strerror(entry.get()));
        return std::nullopt;
    }
    return content;
}

std::optional<std::vector<std::string>> ZipArchive::entryNames(std::string_view archiveBytes, std::string* error)
{
    ArchivePtr archive = openArchive(archiveBytes, error);
    if (!archive)
        return std::nullopt;
    std::vector<std::string> names;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        names.emplace_back(name ? name : "");
    }
    return names;
}

} // namespace pw

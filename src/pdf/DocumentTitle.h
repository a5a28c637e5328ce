#pragma once

#include <optional>
#include <string>
#include <string_view>

// A PDF document's title from the two places a PDF states it. Both give none for a title that
// is empty or white space, and drop the white space around one.
namespace pw::pdf {

// The Info dictionary's /Title: a PDF text string (UTF-16, UTF-8 or PDFDocEncoding).
std::optional<std::string> titleFromInfo(std::string_view pdfString);
// An XMP metadata packet's dc:title: its x-default alternative, else the first; none when the
// packet is not XML or names no title.
std::optional<std::string> titleFromXmp(std::string_view packet);

} // namespace pw::pdf

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pw {

class PDFDocument;

// Turns pages of a PDF document into page files in a private work folder, which it owns: the
// folder (a unique "Leafreel" folder in the per-user temporary folder) goes with the converter.
class PDFToPageConverter {
public:
    PDFToPageConverter(std::string pdfPath, std::shared_ptr<PDFDocument> pdfDoc, std::int32_t quality);
    PDFToPageConverter(const PDFToPageConverter&) = delete;
    PDFToPageConverter& operator=(const PDFToPageConverter&) = delete;
    // Removes the work folder with every page file in it.
    virtual ~PDFToPageConverter();

    // The page file for a page number (from 1); the base makes none.
    virtual std::optional<std::string> generatePage(std::int32_t pageNumber);
    // Declared for converters that work on many pages at once; none here.
    virtual std::optional<std::vector<std::string>> generateAllPage();
    virtual std::optional<std::vector<std::string>> generatePages(const std::vector<std::int32_t>& pageNumbers);

    std::int32_t quality() const { return iQuality; }
    void setQuality(std::int32_t quality) { iQuality = quality; }
    const std::string& PDFPath() const { return iPDFPath; }
    void setPDFPath(std::string path) { iPDFPath = std::move(path); }
    const std::string& converterWorkFolder() const { return iConverterWorkFolder; }
    void setConverterWorkFolder(std::string folder) { iConverterWorkFolder = std::move(folder); }
    std::int32_t DPI() const { return iDPI; }
    void setDPI(std::int32_t dpi) { iDPI = dpi; }
    const std::shared_ptr<PDFDocument>& PDFDoc() const { return iPDFDoc; }
    void setPDFDoc(std::shared_ptr<PDFDocument> doc) { iPDFDoc = std::move(doc); }

private:
    std::int32_t iQuality = 100;
    std::string iPDFPath;
    std::string iConverterWorkFolder;
    std::int32_t iDPI = 144;
    std::shared_ptr<PDFDocument> iPDFDoc;
};

} // namespace pw

#include "pdf/PDFToPageConverter.h"

#include "base/FileUtil.h"
#include "base/VexUtility.h"

namespace pw {

PDFToPageConverter::PDFToPageConverter(std::string pdfPath, std::shared_ptr<PDFDocument> pdfDoc, std::int32_t quality)
    : iQuality(quality),
      iPDFPath(std::move(pdfPath)),
      iConverterWorkFolder(VexUtility::forceTmpDiractory("Leafreel")),
      iPDFDoc(std::move(pdfDoc))
{
}

PDFToPageConverter::~PDFToPageConverter()
{
    if (!iConverterWorkFolder.empty())
        file::removeAll(iConverterWorkFolder);
}

std::optional<std::string> PDFToPageConverter::generatePage(std::int32_t)
{
    return std::nullopt;
}

std::optional<std::vector<std::string>> PDFToPageConverter::generateAllPage()
{
    return std::nullopt;
}

std::optional<std::vector<std::string>> PDFToPageConverter::generatePages(const std::vector<std::int32_t>&)
{
    return std::nullopt;
}

} // namespace pw

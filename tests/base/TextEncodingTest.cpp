#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "base/NumberText.h"
#include "base/TextEncoding.h"
#include "support/CommaLocale.h"

using namespace pw::text;

namespace {

std::string printfFixed(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%f", value);
    return buffer;
}

} // namespace

TEST(NumberText, FixedAndDecimalAreThoseOfTheCLocaleInAnyLocale)
{
    const double values[] = {0.1, 0.075, 2.0 / 30, -0.25, 1234567.0000005, 0.0000005, -0.0, 1e20, 0};
    std::vector<std::string> inC;
    for (const double value : values)
        inC.push_back(printfFixed(value));
    const pw::test::CommaLocale german;
    ASSERT_TRUE(german.active()) << "the de_DE.UTF-8 locale is missing (scripts/install-deps installs locales-all)";
    ASSERT_EQ(printfFixed(0.5), "0,500000") << "the locale does not use a decimal comma";
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(fixedText(values[i]), inC[i]) << values[i];
    EXPECT_EQ(fixedText(1.0 / 0.0), "inf");
    EXPECT_EQ(decimalText(-1234567), "-1234567");
    EXPECT_EQ(decimalText(INT64_MIN), "-9223372036854775808");
}

TEST(TextEncoding, XmlSafeTextAndHtmlEscaping)
{
    const struct {
        std::string in;
        std::string xml;
    } cases[] = {
        {"plain", "plain"},
        {"Caf\xE9", "Caf\xEF\xBF\xBD"},                                    // Latin-1
        {"\x0B\x01title\x7F", "title\x7F"},                                // C0 controls dropped
        {"a\tb\nc\r", "a\tb\nc\r"},                                        // the three XML allows
        {"x\xEF\xBF\xBEy\xEF\xBF\xBFz", "xyz"},                           // U+FFFE, U+FFFF
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},           // encoded surrogate
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                           // overlong "/"
        {"\xC3\xA9\xF0\x9F\x93\x96", "\xC3\xA9\xF0\x9F\x93\x96"},           // é and a book
        {"cut \xE2\x82", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(xmlSafeText(c.in), c.xml) << c.in;
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
    EXPECT_EQ(htmlEscaped("Q&A <\"x\">\x01\x7f\u0085\ufdd0\u00e9"), "Q&amp;A &lt;&quot;x&quot;&gt;\u00e9") << "controls HTML refuses go";
}

TEST(TextEncoding, PdfStringsBecomeUtf8)
{
    const struct {
        std::string in;
        std::string text;   // as a text string
        std::string bytes;  // as a byte string
    } cases[] = {
        {std::string("\xFE\xFF\0A\0\xE9\xD8\x3D\xDC\xD6", 10), "A\xC3\xA9\xF0\x9F\x93\x96", "A\xC3\xA9\xF0\x9F\x93\x96"},
        {std::string("\xFF\xFE" "A\0\xE9\0", 6), "A\xC3\xA9", "A\xC3\xA9"},
        {std::string("\xFE\xFF\xD8\x3D\0A", 6), "\xEF\xBF\xBD" "A", "\xEF\xBF\xBD" "A"},  // lone surrogate
        {"\xEF\xBB\xBF" "caf\xC3\xA9", "caf\xC3\xA9", "caf\xC3\xA9"},
        {"caf\xE9 \x80\x84\x18\xA0", "caf\xC3\xA9 \xE2\x80\xA2\xE2\x80\x94\xCB\x98\xE2\x82\xAC",
         "caf\xC3\xA9 \xE2\x80\xA2\xE2\x80\x94\xCB\x98\xE2\x82\xAC"},  // PDFDocEncoding
        {"https://example.org/caf\xC3\xA9", "https://example.org/caf\xC3\x83\xC2\xA9",
         "https://example.org/caf\xC3\xA9"},  // UTF-8 without a mark: a byte string keeps it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pdfTextToUtf8(c.in), c.text) << c.in;
        EXPECT_EQ(pdfBytesToUtf8(c.in), c.bytes) << c.in;
    }
}

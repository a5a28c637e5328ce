#include <gtest/gtest.h>

#include <atomic>

#include <zip.h>

#include "base/Rc4Cipher.h"
#include "base/ZipArchive.h"

using pw::Rc4Cipher;
using pw::ZipArchive;

namespace {

std::string fromHex(std::string_view hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

std::atomic<bool> cancelNextZipClose{false};

} // namespace

// The test program links zip_close through this (-Wl,--wrap), so that a test can make the
// write fail half-way, as a full disk or a cancelled write would.
extern "C" int __real_zip_close(zip_t* archive);
extern "C" int __wrap_zip_close(zip_t* archive)
{
    if (cancelNextZipClose.exchange(false))
        zip_register_cancel_callback_with_state(archive, [](zip_t*, void*) { return 1; }, nullptr, nullptr);
    return __real_zip_close(archive);
}

TEST(Rc4Cipher, MatchesPublishedVectorsAndKeyEdges)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"Key", "Plaintext", "BBF316E8D940AF0AD3"},
        {"Wiki", "pedia", "1021BF0420"},
        {"Secret", "Attack at dawn", "45A01F645FC35B383552544B9BF5"},
        {"Key", "", ""},
    };
    for (const auto& [key, plain, cipherHex] : cases) {
        const std::optional<std::string> encrypted = Rc4Cipher::encrypt(plain, key);
        ASSERT_TRUE(encrypted) << key;
        EXPECT_EQ(*encrypted, fromHex(cipherHex)) << key;
        EXPECT_EQ(Rc4Cipher::decrypt(*encrypted, key), plain);
    }
    EXPECT_FALSE(Rc4Cipher::encrypt("data", ""));
    // Key bytes past 256 never reach RC4's key schedule, so they change nothing.
    const std::string longKey(256, 'k');
    EXPECT_EQ(Rc4Cipher::encrypt("data", longKey + "tail"), Rc4Cipher::encrypt("data", longKey));
    const std::string binary("\0\xff\x01", 3);
    EXPECT_EQ(Rc4Cipher::encrypt(binary, "k")->size(), 3u);
}

// Read back by the archive's own reader, which checks the archive's consistency first.
TEST(ZipArchive, DeflatedEntriesReadBack)
{
    ZipArchive archive;
    const std::string big(100000, 'a');
    archive.deflateData("<flipbook/>", "book.xml");
    archive.deflateData(big, "second.txt");
    archive.deflateData("replaced", "book.xml");
    const std::optional<std::string> bytes = archive.data();
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->rfind("PK\x03\x04", 0), 0u);
    EXPECT_LT(bytes->size(), big.size() / 10) << "the entries are compressed";

    EXPECT_EQ(ZipArchive::entryNames(*bytes), (std::vector<std::string>{"second.txt", "book.xml"}));
    EXPECT_EQ(ZipArchive::inflateEntry(*bytes, "book.xml"), "replaced");
    EXPECT_EQ(ZipArchive::inflateEntry(*bytes, "second.txt", nullptr, big.size()), big) << "exactly the limit";
}

// A failed write gives no archive and, checked by the leak sanitizer, keeps no buffer.
TEST(ZipArchive, AFailedWriteGivesNoArchive)
{
    ZipArchive archive;
    archive.deflateData(std::string(200000, 'x'), "book.xml");
    cancelNextZipClose = true;
    EXPECT_FALSE(archive.data());
    EXPECT_TRUE(archive.data());
}

TEST(ZipArchive, BadArchivesGiveReasonsNotCrashes)
{
    ZipArchive archive;
    archive.deflateData(std::string(5000, 'z'), "a.txt");
    const std::string good = *archive.data();
    std::string damaged = good;
    damaged[damaged.size() / 2] ^= 0x55;  // inside the compressed data or its headers

    struct Case {
        std::string bytes;
        std::string entry;
        size_t maxSize;
    };
    const std::vector<Case> cases = {
        {"", "a.txt", 1 << 20},
        {"plain text, no archive", "a.txt", 1 << 20},
        {good.substr(0, good.size() / 2), "a.txt", 1 << 20},
        {good, "missing.txt", 1 << 20},
        {good, "a.txt", 4999},  // one byte over the limit
        {damaged, "a.txt", 1 << 20},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ZipArchive::inflateEntry(c.bytes, c.entry, &error, c.maxSize)) << c.bytes.size();
        EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(ZipArchive().data()->size(), 22u);
    EXPECT_EQ(ZipArchive::entryNames(*ZipArchive().data()), std::vector<std::string>{});
}

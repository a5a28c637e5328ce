#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileUtil.h"
#include "base/TextEncoding.h"
#include "base/VexUtility.h"
#include "support/ScratchFolder.h"

using pw::VexUtility;
namespace file = pw::file;

namespace {

std::string utf16File(const std::u16string& text) { return pw::text::encodeUtf16WithBom(text); }

struct TrustCase {
    const char* name;
    std::optional<std::string> existingBytes; // none: no trust file yet
    std::vector<std::string> entered;
    std::string expectedBytes;
};

} // namespace

TEST(VexUtility, TrustFileEntries)
{
    const std::string littleEndianA("\xFF\xFE" "A\0", 4);
    const std::string bigEndianA("\xFE\xFF\0A", 4);
    const std::vector<TrustCase> cases = {
        {"new file holds only the path", std::nullopt, {"/p/Preview"}, utf16File(u"/p/Preview")},
        {"same folder twice is written once", std::nullopt, {"/p/Preview", "/p/Preview"}, utf16File(u"/p/Preview")},
        {"A then B", utf16File(u"A"), {"B"}, utf16File(u"A\nB")},
        {"trailing LF gives an empty line", utf16File(u"A\n"), {"B"}, utf16File(u"A\n\nB")},
        {"carriage return is not trimmed", utf16File(u"/p/x\r"), {"/p/x"}, utf16File(u"/p/x\r\n/p/x")},
        {"listed in the middle", utf16File(u"a\nb\nc"), {"b"}, utf16File(u"a\nb\nc")},
        {"non-ASCII path", std::nullopt, {"/home/j\xC3\xBCrgen/\xF0\x9F\x93\x96"}, utf16File(u"/home/j\u00FCrgen/\U0001F4D6")},
        {"big-endian file is read by its mark", bigEndianA, {"B"}, utf16File(u"A\nB")},
        {"little-endian file", littleEndianA, {"A"}, littleEndianA},
        {"UTF-8 file of another program survives", std::string("/other/folder\n"), {"B"}, "/other/folder\n"},
        {"empty file is empty text", std::string(), {"B"}, utf16File(u"B")},
        {"odd byte count survives", std::string("\xFF\xFE" "A", 3), {"B"}, std::string("\xFF\xFE" "A", 3)},
    };
    for (const TrustCase& c : cases) {
        pw::test::ScratchFolder machine;
        pw::test::ScopedEnvironment env("PAGEWIND_MACHINE_SUPPORT_DIR", machine.path());
        const std::string trustFile = machine / "FlashPlayerTrust/PT.cfg";
        ASSERT_EQ(VexUtility::trustFilePath(), trustFile);
        if (c.existingBytes)
            machine.write("FlashPlayerTrust/PT.cfg", *c.existingBytes);
        for (const std::string& folder : c.entered)
            VexUtility::makeDiractoryTrustByFlash(folder);
        EXPECT_EQ(file::readFile(trustFile).value_or("<missing>"), c.expectedBytes) << c.name;
    }
}

TEST(VexUtility, ForceTmpDiractoryMakesDistinctPrivateFoldersInOneNamedFolder)
{
    const std::string name = "pw-test-" + std::to_string(::getpid());
    const std::string parent = "/tmp/" + name;
    file::removeAll(parent);
    const std::string first = VexUtility::forceTmpDiractory(name);
    const std::string second = VexUtility::forceTmpDiractory(name);
    EXPECT_NE(first, second);
    for (const std::string& path : {first, second}) {
        EXPECT_EQ(file::deletingLastPathComponent(path), parent);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0) << path;
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        EXPECT_TRUE(std::filesystem::is_empty(path));
    }
    file::removeAll(parent);
}

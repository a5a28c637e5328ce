#include <gtest/gtest.h>

#include <filesystem>
#include <functional>


#include "base/FileUtil.h"
#include "base/NumberText.h"
#include "support/ScratchFolder.h"

namespace file = pw::file;
namespace fs = std::filesystem;
using pw::test::ScratchFolder;

TEST(FileUtil, PathTexts)
{
    const struct {
        std::function<std::string(std::string_view)> op;
        const char* name;
        std::vector<std::pair<const char*, const char*>> cases;  // input, expected
    } ops[] = {
        {file::lastPathComponent, "last", {{"/a/b/c.jpg", "c.jpg"}, {"/a/b/", "b"}, {"/", "/"}}},
        {file::deletingLastPathComponent, "deleteLast", {{"/a/b", "/a"}, {"/a/b/", "/a"}, {"/a", "/"}, {"a", ""}}},
        {file::pathExtension, "ext", {{"/a/b.tar.gz", "gz"}, {"/a.b/c", ""}, {"/a/.hidden", ""}}},
        {file::deletingPathExtension, "deleteExt",
         {{"/a/My.Trip.html", "/a/My.Trip"}, {"/a.b/c", "/a.b/c"}, {"/a/b.jpg/", "/a/b"}}},
        {file::withoutTrailingSlash, "trim", {{"/a//", "/a"}, {"/", "/"}}},
    };
    for (const auto& op : ops) {
        for (const auto& [input, expected] : op.cases)
            EXPECT_EQ(op.op(input), expected) << op.name << "(" << input << ")";
    }
}

TEST(FileUtil, JoinPathPutsExactlyOneSlash)
{
    const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
        {"/book", "files", "/book/files"},   {"/book/", "files", "/book/files"},
        {"/book//", "/files", "/book/files"}, {"", "files", "files"},
        {"/book", "", "/book"},               {"/", "etc", "/etc"},
        {"/book", "files/page/", "/book/files/page/"},
    };
    for (const auto& [base, component, expected] : cases)
        EXPECT_EQ(file::joinPath(base, component), expected) << base << " + " << component;
}

// A write replaces the file whole or, failing, keeps what was there; no temporary file stays.
TEST(FileUtil, WritesAreWholeOrNothingAndReadsOnlyFiles)
{
    const ScratchFolder dir;
    const std::string target = dir / "book.bin";
    ASSERT_TRUE(file::writeFileAtomically(target, "old"));
    const std::string binary("a\0b\xff", 4);
    ASSERT_TRUE(file::writeFileAtomically(target, binary));
    EXPECT_EQ(file::readFile(target), binary);

    EXPECT_FALSE(file::writeFileAtomically(dir / "missing/folder/x", "data"));
    // A folder in the target's place cannot be replaced by a file.
    ASSERT_TRUE(file::createDirectories(dir / "taken"));
    ASSERT_TRUE(file::writeFileAtomically(dir / "taken/inner", "keep"));
    EXPECT_FALSE(file::writeFileAtomically(dir / "taken", "data"));
    EXPECT_EQ(file::readFile(dir / "taken/inner"), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);

    EXPECT_FALSE(file::readFile(dir.path()));
    EXPECT_FALSE(file::readFile(dir / "nothing"));
    ASSERT_TRUE(file::writeFileAtomically(dir / "empty", ""));
    EXPECT_EQ(file::readFile(dir / "empty"), "");
}

TEST(FileUtil, CopyRemoveAndTrees)
{
    const ScratchFolder dir;
    ASSERT_TRUE(file::createDirectories(dir / "src/a/b"));
    ASSERT_TRUE(file::writeFileAtomically(dir / "src/a/b/f.txt", "deep"));
    ASSERT_TRUE(file::writeFileAtomically(dir / "src/top.txt", "top"));

    EXPECT_TRUE(file::copyFile(dir / "src/top.txt", dir / "copy.txt"));
    EXPECT_TRUE(file::copyFile(dir / "src/a/b/f.txt", dir / "copy.txt"));
    EXPECT_EQ(file::readFile(dir / "copy.txt"), "deep");
    EXPECT_FALSE(file::copyFile(dir / "none.txt", dir / "copy2.txt"));
    EXPECT_FALSE(file::exists(dir / "copy2.txt"));

    EXPECT_TRUE(file::copyTree(dir / "src", dir / "dst"));
    EXPECT_EQ(file::readFile(dir / "dst/a/b/f.txt"), "deep");
    EXPECT_FALSE(file::copyTree(dir / "none", dir / "dst2"));

    EXPECT_TRUE(file::removeAll(dir / "src"));
    EXPECT_FALSE(file::exists(dir / "src"));
    EXPECT_TRUE(file::removeAll(dir / "src")) << "a missing path counts as removed";
    EXPECT_TRUE(file::isDirectory(dir / "dst/a"));
    EXPECT_TRUE(file::isRegularFile(dir / "dst/top.txt"));
    EXPECT_FALSE(file::isRegularFile(dir / "dst/a"));
}

TEST(FileUtil, ReplaceFolderSwapsInWhole)
{
    const ScratchFolder dir;
    const std::optional<std::string> made = file::makeUniqueFolder(dir / ".new.XXXXXX");
    ASSERT_TRUE(made);
    EXPECT_EQ(std::filesystem::status(*made).permissions() & std::filesystem::perms::others_read,
              std::filesystem::perms::others_read);
    ASSERT_TRUE(file::writeFileAtomically(file::joinPath(*made, "book.txt"), "new"));

    // Into an empty place, then over an existing folder whose contents go.
    ASSERT_TRUE(file::replaceFolder(*made, dir / "first"));
    EXPECT_EQ(file::readFile(dir / "first/book.txt"), "new");
    ASSERT_TRUE(file::createDirectories(dir / "second/old-only"));
    ASSERT_TRUE(file::replaceFolder(dir / "first", dir / "second"));
    EXPECT_EQ(file::readFile(dir / "second/book.txt"), "new");
    EXPECT_FALSE(file::exists(dir / "second/old-only"));
    EXPECT_FALSE(file::exists(dir / "first"));

    EXPECT_FALSE(file::replaceFolder(dir / "missing", dir / "second"));
    EXPECT_EQ(file::readFile(dir / "second/book.txt"), "new");
    EXPECT_FALSE(file::makeUniqueFolder(dir / "no/such/parent/x.XXXXXX"));
}

TEST(NumberText, PrefixRule)
{
    const std::vector<std::pair<const char*, std::int32_t>> cases = {
        {"12", 12},      {"  7 ", 7},       {"7a", 7},           {"", 0},
        {"x", 0},        {"-", 0},          {"-12", -12},        {"+4", 4},
        {"\n\t3", 3},    {"1 2", 1},        {"- 3", 0},          {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},  {"000000000000000000000042", 42},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(pw::text::intValue(text), expected) << '"' << text << '"';
}

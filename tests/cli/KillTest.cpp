#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include <signal.h>

#include "CliRunner.h"
#include "base/FileUtil.h"
#include "book/FlashBookFile.h"
#include "pdf/JpegEncoder.h"

namespace file = pw::file;
namespace fs = std::filesystem;

namespace {

class KillTest : public pw::test::CliFolderTest {
protected:
    void SetUp() override
    {
        const pw::RgbImage image{400, 300, std::vector<unsigned char>(400 * 300 * 3, 120)};
        const std::string jpeg = *pw::JpegEncoder::encode(image, 80);
        for (int i = 0; i < 40; ++i)
            pictures_.push_back(write("p" + std::to_string(i) + ".jpg", jpeg));
    }

    std::vector<std::string> publishArgs(const std::string& folder, const std::string& title) const
    {
        std::vector<std::string> args = {"publish", "--resources", PAGEWIND_SOURCE_DIR "/resources", "--set",
                                         "bookTitle=" + title, "-o", folder};
        if (app_)
            args.insert(args.begin() + 1, {"--app", "--name", "Trip"});
        args.insert(args.end(), pictures_.begin(), pictures_.end());
        return args;
    }

    // Kills publications into one book at random moments; each watched file (below the book
    // folder) must then be version A or B, whole.
    void killRunsAndCheck(const std::string& inside, const std::vector<std::string>& watched);

    std::vector<std::string> pictures_;
    bool app_ = false;
};

// What a reader gets of a file: book.bin as its decoded document (its archive carries a time
// stamp, so two runs never give the same bytes), the others as they are.
std::string readable(const std::string& path, const std::string& name)
{
    const std::optional<std::string> bytes = file::readFile(path);
    if (!bytes)
        return "(missing)";
    if (name != "files/book.bin")
        return *bytes;
    return pw::FlashBookFile::unpack(*bytes).value_or("(damaged)");
}

void KillTest::killRunsAndCheck(const std::string& inside, const std::vector<std::string>& watched)
{
    std::map<std::string, std::vector<std::string>> versions;  // file -> [version A, version B]
    for (const std::string title : {"Version A", "Version B"}) {
        const std::string reference = path((app_ ? "app-reference-" : "reference-") + title.substr(8));
        ASSERT_EQ(pw::test::runCli(publishArgs(reference, title)).exitCode, 0);
        for (const std::string& name : watched)
            versions[name].push_back(readable(file::joinPath(file::joinPath(reference, inside), name), name));
    }
    ASSERT_NE(versions["files/book.bin"][0], versions["files/book.bin"][1]);

    const std::string book = path(app_ ? "app-book" : "book");
    ASSERT_EQ(pw::test::runCli(publishArgs(book, "Version A")).exitCode, 0);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(pw::test::runCli(publishArgs(book, "Version B")).exitCode, 0);
    const auto runTime = std::chrono::steady_clock::now() - started;

    std::mt19937 random(12345);
    std::uniform_int_distribution<long long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(runTime).count());
    for (int round = 0; round < 40; ++round) {
        const pid_t pid = pw::test::startCli(publishArgs(book, round % 2 ? "Version B" : "Version A"));
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(pid, SIGKILL);
        pw::test::waitForCli(pid);
        for (const std::string& name : watched) {
            SCOPED_TRACE(name + " after round " + std::to_string(round));
            const std::string now = readable(file::joinPath(file::joinPath(book, inside), name), name);
            EXPECT_TRUE(now == versions[name][0] || now == versions[name][1]) << now.size() << " bytes";
        }
    }
    // A finished run clears what killed runs left half made.
    ASSERT_EQ(pw::test::runCli(publishArgs(book, "Version A")).exitCode, 0);
    for (const auto& entry : fs::directory_iterator(book))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
}

// The files a reader opens must be the old or the new version, whole, however the run ends; an
// application bundle is swapped in whole, so its files are never a mix of two runs.
TEST_F(KillTest, KilledPublishLeavesOldOrNewFilesWhole)
{
    killRunsAndCheck("", {"files/book.bin", "index.html", "book.swf"});
    app_ = true;
    killRunsAndCheck("Trip.app/Contents/Resources", {"files/book.bin", "index.html", "files/page/40.jpg"});
}

} // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <regex>

#include <httplib.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include "CliRunner.h"

namespace fs = std::filesystem;

namespace {

// A running "pagewind-cli serve" on a free port, stopped with Ctrl-C (SIGINT) at the end.
class ServedFolder {
public:
    explicit ServedFolder(const std::string& folder)
    {
        int pipeEnds[2];
        if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
            return;
        pid_ = pw::test::startCli({"serve", folder, "--port", "0"}, pipeEnds[1]);
        ::close(pipeEnds[1]);
        output_ = ::fdopen(pipeEnds[0], "r");
        char line[512] = {};
        if (output_ && std::fgets(line, sizeof line, output_))
            firstLine_ = line;
        std::smatch match;
        if (std::regex_search(firstLine_, match, std::regex(R"(http://127\.0\.0\.1:(\d+)/)")))
            port_ = std::stoi(match[1]);
    }
    ~ServedFolder()
    {
        if (pid_ > 0 && exitCode_ < 0)
            stop();
        if (output_)
            std::fclose(output_);
    }
    int stop()
    {
        ::kill(pid_, SIGINT);
        exitCode_ = pw::test::waitForCli(pid_);
        return exitCode_;
    }
    int port() const { return port_; }
    const std::string& firstLine() const { return firstLine_; }

private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
    std::string firstLine_;
    int port_ = 0;
    int exitCode_ = -1;
};

class ServeTest : public pw::test::CliFolderTest {
protected:
    void SetUp() override
    {
        write("book/index.html", "<html>book</html>");
        write("book/files/book.bin", std::string("\x01\x02\x00\x03", 4));
        write("book/files/page/1.jpg", "jpeg");
        write("book/files/page/Big Picture.PNG", "png");
        write("book/files/page/Caf\xC3\xA9.jpg", "cafe");
        write("secret.txt", "outside the book");
        fs::create_symlink(path("secret.txt"), path("book/files/link.txt"));
    }
    std::string folder() const { return path("book"); }
};

TEST_F(ServeTest, ServesTheBookAndRefusesEverythingOutsideIt)
{
    ServedFolder served(folder());
    ASSERT_GT(served.port(), 0) << served.firstLine();
    EXPECT_NE(served.firstLine().find("/index.html"), std::string::npos);

    struct Case {
        const char* target;
        int status;
        const char* contentType = nullptr;
        std::optional<std::string> body = {};
    };
    const Case cases[] = {
        {"/", 200, "text/html; charset=utf-8", "<html>book</html>"},
        {"/index.html?page=3", 200, "text/html; charset=utf-8", "<html>book</html>"},
        {"/files/book.bin", 200, "application/octet-stream", std::string("\x01\x02\x00\x03", 4)},
        {"/files/page/1.jpg", 200, "image/jpeg", "jpeg"},
        {"/files/page/Big%20Picture.PNG", 200, "image/png", "png"},
        {"/files/page/Caf%C3%A9.jpg", 200, "image/jpeg", "cafe"},  // escapes in either case
        {"/files/page/Caf%c3%a9.jpg", 200, "image/jpeg", "cafe"},
        {"/files/page/", 404},  // folders are never listed
        {"/files/missing.jpg", 404},
        {"/../secret.txt", 403},
        {"/files/../../secret.txt", 403},
        {"/%2e%2e/secret.txt", 403},
        {"/files%2f..%2f..%2fsecret.txt", 403},
        {"/%252e%252e/secret.txt", 404},  // decoded once only: a plain odd name
        {"/files\\..\\..\\secret.txt", 403},
        {"/files/link.txt", 403},  // a link leading out of the folder
    };
    httplib::Client client("127.0.0.1", served.port());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        const httplib::Result result = client.Get(c.target);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, c.status);
        if (c.contentType) {
            EXPECT_EQ(result->get_header_value("Content-Type"), c.contentType);
        }
        if (c.body) {
            EXPECT_EQ(result->body, *c.body);
        }
    }
    const httplib::Result folderWithoutSlash = client.Get("/files");
    ASSERT_TRUE(folderWithoutSlash);
    EXPECT_EQ(folderWithoutSlash->status, 301);
    EXPECT_EQ(folderWithoutSlash->get_header_value("Location"), "/files/");

    EXPECT_EQ(served.stop(), 0);
}

} // namespace

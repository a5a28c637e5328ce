#include "CliRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/FileUtil.h"
#include "book/FlashBookFile.h"

extern char** environ;

namespace pw::test {

namespace {

void redirect(posix_spawn_file_actions_t& actions, int fd, int target)
{
    if (fd >= 0)
        posix_spawn_file_actions_adddup2(&actions, fd, target);
    else
        posix_spawn_file_actions_addopen(&actions, target, "/dev/null", O_WRONLY, 0);
}

} // namespace

pid_t startCli(const std::vector<std::string>& args, int outFd, int errFd)
{
    std::vector<std::string> argv = {PAGEWIND_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    redirect(actions, outFd, 1);
    redirect(actions, errFd, 2);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, PAGEWIND_CLI, &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

int waitForCli(pid_t pid)
{
    int status = 0;
    if (pid <= 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

CliResult runCli(const std::vector<std::string>& args)
{
    const ScratchFolder streams;
    const std::string outPath = streams / "out";
    const std::string errPath = streams / "err";
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    CliResult result;
    if (out >= 0 && err >= 0)
        result.exitCode = waitForCli(startCli(args, out, err));
    ::close(out);
    ::close(err);
    result.out = file::readFile(outPath).value_or("");
    result.err = file::readFile(errPath).value_or("");
    return result;
}

std::string CliFolderTest::decodedBook(const std::string& bookFolder)
{
    const std::optional<std::string> bytes = file::readFile(file::joinPath(bookFolder, "files/book.bin"));
    return bytes ? FlashBookFile::unpack(*bytes).value_or("") : "";
}

} // namespace pw::test

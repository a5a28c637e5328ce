// SIGTERM ends the event loop normally, so the window's clean-up runs, instead of killing
// the process with the preview folder left behind.
#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "app/QuitOnSignal.h"

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const pw::QuitOnSignal quitOnSignal;
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
    const int code = QCoreApplication::exec();
    std::printf("%s\n", code == 0 ? "PASS: SIGTERM quit the event loop" : "FAIL: the event loop did not quit");
    return code == 0 ? 0 : 1;
}

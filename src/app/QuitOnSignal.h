#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace pw {

// Turns SIGTERM and SIGINT (a session ending, Ctrl-C in a terminal) into an orderly quit of
// the event loop, so the window's clean-up runs and no preview folder is left behind. The
// handler only writes a byte to a pipe; the event loop does the rest.
class QuitOnSignal : public QObject {
    Q_OBJECT

public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

private:
    void onSignal();

    std::unique_ptr<QSocketNotifier> iNotifier;
};

} // namespace pw

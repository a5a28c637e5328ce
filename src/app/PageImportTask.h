#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "base/NotificationCenter.h"
#include "project/BookProject.h"

namespace pw {

class ImportPDFOperation;

// Makes the pages of an opened project again from their origin, on a pool thread: the built
// pictures into the build PDF and that imported, or the project's PDF imported, with the
// project's import choices. Progress and the end reach the main thread as signals.
class PageImportTask : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        BookPages pages;  // the origin with the objects made; no objects when it failed
        QString problem;  // why no pages were made; empty after a success
        bool cancelled = false;
    };

    explicit PageImportTask(QObject* parent = nullptr);
    ~PageImportTask() override;

    // Starts making the pages of an origin other than the demonstration; ignored while running.
    void start(const BookPages& origin);
    void cancel();
    bool isRunning() const { return iWatcher != nullptr; }
    const Outcome& outcome() const { return iOutcome; }

signals:
    void progress(int done, int total);
    void finished();
    // From the import thread; reaches the main thread queued.
    void progressPosted(int done, int total);

private:
    void onDone();

    std::shared_ptr<std::atomic<bool>> iStop;
    std::shared_ptr<ImportPDFOperation> iOperation;
    QFutureWatcher<Outcome>* iWatcher = nullptr;  // a child while running
    Outcome iOutcome;
    ObserverRegistration iProgressObserver;
};

} // namespace pw

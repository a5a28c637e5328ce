#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <string>
#include <utility>

#include "base/NotificationCenter.h"
#include "project/BookProject.h"

namespace pw {

class ImportPDFOperation;

// Makes a book's pages from their origin on a pool thread: pictures into the build PDF and that
// imported (the build file then lives as long as the pages, which may offer it for download, and
// is removed at once when no pages come of it), or a PDF imported, with the origin's import
// choices. The window runs it for Build and for an opened project. Progress and
// the end reach the main thread as signals.
class PageImportTask : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        BookPages pages;  // the origin with the objects made; no objects when it failed
        QString problem;  // why no pages were made; empty after a success
        std::string errorName;  // the failure's name ("BUILD_NO_PICTURE", ...), when it had one
        QStringList skipped;  // "PATH: REASON" for each picture that could not be read and made no page
        QStringList damaged;  // pictures that are damaged but made a page
        bool cancelled = false;
    };

    explicit PageImportTask(QObject* parent = nullptr);
    ~PageImportTask() override;

    // Starts making the pages of an origin other than the demonstration; ignored while running.
    void start(const BookPages& origin);
    void cancel();
    bool isRunning() const { return iWatcher != nullptr; }
    // What the last run made, once finished was emitted; taking it leaves nothing behind here
    // (pages hold files that go when the last holder lets them go).
    Outcome takeOutcome() { return std::exchange(iOutcome, Outcome{}); }

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

#include "app/PageImportTask.h"

#include <QtConcurrent/QtConcurrentRun>
#include <cstdio>

#include "base/PagewindException.h"
#include "pdf/FlashPageSourcePDF.h"
#include "pdf/ImportPDFOperation.h"
#include "pdf/PictureDocumentBuilder.h"

namespace pw {

namespace {
constexpr std::int32_t kImportDPI = 144;

struct BuildFileRemoval {
    const std::string& path;
    ~BuildFileRemoval() { std::remove(path.c_str()); }
};

// The build PDF is the book's own PDF, which a published book may offer for download: it gets a
// name of its own (the next build must not overwrite it) and goes with the last page source that
// offers it, so no build file outlives its book, nor the run.
void keepBuiltPdf(FlashPageSource& pages)
{
    const std::optional<std::string> kept = PictureDocumentBuilder::keepBuildFile();
    if (!kept)
        return;
    pages.setSourceFile(*kept);
    pages.setSourceFileKeeper(std::shared_ptr<const void>(nullptr, [path = *kept](const void*) { std::remove(path.c_str()); }));
}
} // namespace

PageImportTask::PageImportTask(QObject* parent) : QObject(parent)
{
    iProgressObserver = ObserverRegistration(ImportProgressInfoMSG, [this](const Notification& note) {
        // Posted on the import thread, by the import sheet's imports too: only a run of this task
        // reports, which is decided on the main thread.
        emit progressPosted(static_cast<int>(note.intValue("pageIndex")), static_cast<int>(note.intValue("totalPage")));
    });
    connect(this, &PageImportTask::progressPosted, this, [this](int done, int total) {
        if (iWatcher)
            emit progress(done, total);
    }, Qt::QueuedConnection);
}

PageImportTask::~PageImportTask()
{
    cancel();
    if (iWatcher)
        iWatcher->waitForFinished();
    iProgressObserver.reset();
}

void PageImportTask::start(const BookPages& origin)
{
    if (iWatcher || origin.origin == PagesOrigin::demonstration)
        return;
    const bool fromPictures = origin.origin == PagesOrigin::pictures;
    const std::string pdf = fromPictures ? PictureDocumentBuilder::buildFilePath() : origin.pdfPath;
    iOperation = std::make_shared<ImportPDFOperation>(pdf, origin.choice.range, kImportDPI,
                                                      ImportPDFOperation::qualityForLevel(origin.choice.qualityLevel));
    iOperation->setImportLinks(origin.choice.links);
    iOperation->setImportBookmarks(origin.choice.bookmarks);
    iOperation->setImportText(origin.choice.text);
    iStop = std::make_shared<std::atomic<bool>>(false);
    iWatcher = new QFutureWatcher<Outcome>(this);
    connect(iWatcher, &QFutureWatcher<Outcome>::finished, this, &PageImportTask::onDone);
    iWatcher->setFuture(QtConcurrent::run([origin, fromPictures, operation = iOperation, stop = iStop] {
        Outcome outcome;
        outcome.pages = origin;
        try {
            if (fromPictures) {
                // A build that does not become the book's pages leaves no file behind.
                BuildFileRemoval removal{operation->PDFPath()};
                const auto built = PictureDocumentBuilder::buildFromPictures(origin.builtPictures, stop.get());
                for (const PictureOutcome& picture : built.skipped)
                    outcome.skipped.append(QString::fromStdString(picture.pathAndReason()));
                for (const PictureOutcome& picture : built.damaged)
                    outcome.damaged.append(QString::fromStdString(picture.path));
                if (!stop->load())
                    operation->run();
                if (!stop->load() && operation->flashPageSource())
                    keepBuiltPdf(*operation->flashPageSource());
            } else if (!stop->load()) {
                operation->run();
            }
        } catch (const PagewindException& error) {
            outcome.problem = QString::fromStdString(error.reason());
            outcome.errorName = error.name();
        }
        outcome.cancelled = stop->load() || operation->isCancelled();
        if (outcome.cancelled || !outcome.problem.isEmpty())
            return outcome;
        outcome.pages.pageSource = operation->flashPageSource();
        outcome.pages.annotations = operation->flashPagesAnnotation();
        outcome.pages.outline = operation->flashOutline();
        outcome.pages.text = operation->flashPagesText();
        if (!outcome.pages.pageSource) {
            outcome.problem = QString::fromStdString(operation->errorMessage().value_or("the import made no pages"));
            return outcome;
        }
        outcome.pages.pageSource->setSourceFileIsBuilt(fromPictures);  // downloaded under the book's title
        return outcome;
    }));
}

void PageImportTask::cancel()
{
    if (iStop)
        iStop->store(true);
    if (iOperation)
        iOperation->cancel();
}

void PageImportTask::onDone()
{
    iOutcome = iWatcher->result();
    iWatcher->deleteLater();
    iWatcher = nullptr;
    iOperation.reset();
    emit finished();
}

} // namespace pw

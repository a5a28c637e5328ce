#include "app/PictureBuildTask.h"

#include <QtConcurrent/QtConcurrentRun>

#include "base/PagewindException.h"

namespace pw {

PictureBuildTask::PictureBuildTask(QObject* parent) : QObject(parent) {}

PictureBuildTask::~PictureBuildTask()
{
    // A build still running stops at the next picture; its result has nowhere to go.
    cancel();
    if (iWatcher)
        iWatcher->waitForFinished();
}

void PictureBuildTask::start(std::vector<std::string> pictures)
{
    if (iWatcher)
        return;
    iStop = std::make_shared<std::atomic<bool>>(false);
    iWatcher = new QFutureWatcher<Outcome>(this);
    connect(iWatcher, &QFutureWatcher<Outcome>::finished, this, &PictureBuildTask::onDone);
    iWatcher->setFuture(QtConcurrent::run([pictures = std::move(pictures), stop = iStop] {
        Outcome outcome;
        try {
            outcome.result = PictureDocumentBuilder::buildFromPictures(pictures, stop.get());
        } catch (const PagewindException& error) {
            outcome.errorName = error.name();
            outcome.errorText = error.reason();
        } catch (const std::exception& error) {
            outcome.errorName = "BUILD_FAILED";
            outcome.errorText = error.what();
        }
        return outcome;
    }));
}

void PictureBuildTask::cancel()
{
    if (iStop)
        iStop->store(true);
}

void PictureBuildTask::onDone()
{
    iOutcome = iWatcher->result();
    iWatcher->deleteLater();
    iWatcher = nullptr;
    emit finished();
}

} // namespace pw

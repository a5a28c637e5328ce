#include "app/PreviewBuilder.h"

#include <QWidget>

#include "app/BookWriteTask.h"
#include "app/ProgressSheet.h"
#include "base/Log.h"
#include "project/BookProject.h"
#include "project/TemplateTree.h"

namespace pw {

PreviewBuilder::PreviewBuilder(QWidget* window) : QObject(window)
{
    iTask = new BookWriteTask(this);  // children of this builder
    iSheet = new ProgressSheet(tr("Updating the preview…"), window);
    connect(iTask, &BookWriteTask::progress, iSheet, &ProgressSheet::setProgress);
    connect(iTask, &BookWriteTask::finished, this, &PreviewBuilder::onFinished);
    connect(iSheet, &QProgressDialog::canceled, this, [this] {
        iCancelledByUser = true;
        iPending.reset();
        iTask->cancel();
    });
}

PreviewBuilder::~PreviewBuilder() = default;

bool PreviewBuilder::isRunning() const
{
    return iTask->isRunning();
}

QString PreviewBuilder::folder()
{
    return iFolder.path();
}

void PreviewBuilder::removeFolder()
{
    // The writer must be done with the folder before it goes, or it would make parts of it again.
    iPending.reset();
    iTask->cancel();
    iTask->waitForFinished();
    iFolder.remove();
}

void PreviewBuilder::rebuild(const BookProject& project)
{
    const BookPages& pages = project.bookPages();
    // Pages that could not be made show as the demonstration pages, as a new project does.
    if (!pages.pageSource && !iDemonstration)
        iDemonstration = BookProject::demonstrationPages();
    iPending = BookPublisher::Book{pages.pageSource ? pages.pageSource : iDemonstration,
                                   templatetree::copyOf(*project.flashTemplate()), pages.outline, pages.annotations, pages.text};
    if (iTask->isRunning()) {
        iTask->cancel();  // onFinished starts the newest
        return;
    }
    startPending();
}

void PreviewBuilder::startPending()
{
    const QString folder = iFolder.path();
    if (folder.isEmpty()) {
        iPending.reset();
        emit rebuilt(QString(), tr("the preview folder cannot be made"));
        return;
    }
    iCancelledByUser = false;
    BookPublisher::Target target{folder.toStdString(), "index", "Preview", false};
    iTask->start(std::move(*iPending), std::move(target));
    iPending.reset();
    iSheet->begin();
}

void PreviewBuilder::onFinished()
{
    if (iPending) {
        startPending();
        return;
    }
    iSheet->end();
    const BookPublisher::Result& result = iTask->result();
    if (result.stopped) {
        if (iCancelledByUser)
            emit cancelled();
        return;
    }
    if (!result.failures.empty())
        PW_LOG_ERROR("apply change :%s", result.failures.front().c_str());
    const QString problem = result.failures.empty() ? QString() : QString::fromStdString(result.failures.front());
    emit rebuilt(QString::fromStdString(result.outputFile), problem);
}

} // namespace pw

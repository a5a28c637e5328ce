#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "app/PreviewFolder.h"
#include "project/BookPublisher.h"

class QWidget;

namespace pw {

class BookProject;
class BookWriteTask;
class ProgressSheet;

// Rebuilds the preview book on a worker thread, with a progress sheet and Cancel for long
// books. A rebuild asked for while one runs replaces it: the running one stops and the newest
// is written. A cancelled rebuild leaves the previous preview as it was.
class PreviewBuilder : public QObject {
    Q_OBJECT

public:
    // The progress sheet opens on the window.
    explicit PreviewBuilder(QWidget* window);
    ~PreviewBuilder() override;

    // Starts writing the project's book as it is now (its template is copied first).
    void rebuild(const BookProject& project);
    bool isRunning() const;
    // This copy's preview folder; empty until the first rebuild.
    QString folder();
    // Removes the preview folder (at quit).
    void removeFolder();
    ProgressSheet* progressSheet() const { return iSheet; }

signals:
    // A rebuild ended. page is the page to show (empty when nothing was written); problem says
    // what is missing or went wrong, empty for a complete book.
    void rebuilt(const QString& page, const QString& problem);
    // The user cancelled; the previous preview stays.
    void cancelled();

private:
    void startPending();
    void onFinished();

    PreviewFolder iFolder;
    BookWriteTask* iTask = nullptr;
    ProgressSheet* iSheet = nullptr;
    std::optional<BookPublisher::Book> iPending;
    std::shared_ptr<FlashPageSource> iDemonstration;
    bool iCancelledByUser = false;
};

} // namespace pw

#pragma once

#include <QMainWindow>
#include <QUrl>

class QWebEngineView;

namespace pw {

// The user manual in a window of its own beside the main window, with Back, Forward and
// Contents. A window of the application rather than the system's browser: desktop openers drop
// the "#section" of a local file's address, and F1 over a property must land on its section.
class ManualWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit ManualWindow(QWidget* parent);

    // Shows the page (a file of the manual, with or without a section), raising the window.
    void showPage(const QUrl& page);
    QWebEngineView* view() const { return iView; }

private:
    QWebEngineView* iView = nullptr;
};

} // namespace pw

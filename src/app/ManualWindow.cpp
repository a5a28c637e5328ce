#include "app/ManualWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QStyle>
#include <QToolBar>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace pw {

ManualWindow::ManualWindow(QWidget* parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("manualWindow"));
    setWindowTitle(tr("Pagewind Manual"));
    iView = new QWebEngineView(this);  // children of the window
    iView->setAccessibleName(tr("Manual"));
    setCentralWidget(iView);

    QToolBar* toolbar = addToolBar(tr("Manual"));
    toolbar->setObjectName(QStringLiteral("manualToolbar"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = iView->pageAction(QWebEnginePage::Back);
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    QAction* forward = iView->pageAction(QWebEnginePage::Forward);
    forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    toolbar->addActions({back, forward});
    QAction* contents = toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Contents"));
    connect(contents, &QAction::triggered, this, [this] {
        QUrl top = iView->url();
        top.setFragment({});
        iView->load(top);
    });
    QAction* browser = toolbar->addAction(tr("Open in &Browser"));
    browser->setToolTip(tr("Open this page in your web browser, for example to print it"));
    connect(browser, &QAction::triggered, this, [this] { QDesktopServices::openUrl(iView->url()); });
    QAction* close = new QAction(tr("&Close"), this);  // owned by the window
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    resize(900, 820);
}

void ManualWindow::showPage(const QUrl& page)
{
    iView->load(page);
    show();
    raise();
    activateWindow();
}

} // namespace pw

#include <QApplication>
#include <QIcon>

#include "app/AppEnvironment.h"
#include "app/InterfaceLanguage.h"
#include "app/Leafreel_for_macAppDelegate.h"
#include "app/ProjectSession.h"
#include "app/QuitOnSignal.h"

int main(int argc, char* argv[])
{
    pw::prepareWebEngineEnvironment();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagewind"));
    QApplication::setOrganizationName(QStringLiteral("Pagewind"));
    QApplication::setApplicationVersion(QStringLiteral(PAGEWIND_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/pagewind.png")));
    const pw::InterfaceLanguage language(pw::InterfaceLanguage::current());
    const pw::QuitOnSignal quitOnSignal;
    pw::Leafreel_for_macAppDelegate window;
    window.show();
    window.applicationDidFinishLaunching();
    // "pagewind FILE.pagewind", as the desktop starts it for a project file.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        window.session()->openPath(arguments.at(1));
    return QApplication::exec();
}

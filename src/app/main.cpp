#include <QApplication>
#include <QIcon>

#include "app/AppEnvironment.h"
#include "app/Leafreel_for_macAppDelegate.h"
#include "app/QuitOnSignal.h"

int main(int argc, char* argv[])
{
    pw::prepareWebEngineEnvironment();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagewind"));
    QApplication::setOrganizationName(QStringLiteral("Pagewind"));
    QApplication::setApplicationVersion(QStringLiteral(PAGEWIND_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/pagewind.png")));
    const pw::QuitOnSignal quitOnSignal;
    pw::Leafreel_for_macAppDelegate window;
    window.show();
    window.applicationDidFinishLaunching();
    return QApplication::exec();
}

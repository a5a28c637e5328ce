#include "app/RecentProjects.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

#include "app/AppSettings.h"

namespace pw {

namespace {
const QString kKey = QStringLiteral("recentProjects");

void store(const QStringList& paths)
{
    AppSettings::openStore()->setValue(kKey, paths);
}
} // namespace

QStringList RecentProjects::paths()
{
    return AppSettings::openStore()->value(kKey).toStringList().mid(0, kMaximum);
}

void RecentProjects::add(const QString& path)
{
    QStringList list = paths();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, kMaximum));
}

void RecentProjects::remove(const QString& path)
{
    QStringList list = paths();
    list.removeAll(path);
    store(list);
}

void RecentProjects::clear()
{
    store({});
}

void RecentProjects::fillMenu(QMenu* menu, const std::function<void(const QString&)>& open)
{
    menu->clear();
    const QStringList list = paths();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        // &1 .. &9, then 1&0: each entry has a key of its own.
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QAction* action = menu->addAction(QStringLiteral("%1 %2").arg(number, QFileInfo(path).fileName()));
        action->setToolTip(path);
        action->setStatusTip(path);
        QObject::connect(action, &QAction::triggered, menu, [open, path] { open(path); });
    }
    if (!list.isEmpty())
        menu->addSeparator();
    QAction* clearAction = menu->addAction(QCoreApplication::translate("RecentProjects", "&Clear Menu"));
    clearAction->setEnabled(!list.isEmpty());
    QObject::connect(clearAction, &QAction::triggered, menu, [] { clear(); });
    menu->setToolTipsVisible(true);
}

} // namespace pw

#pragma once

#include <QStringList>
#include <functional>

class QMenu;

namespace pw {

// The last ten projects opened or saved, newest first, kept in the settings store.
class RecentProjects {
public:
    static constexpr int kMaximum = 10;

    static QStringList paths();
    // Puts the path first, once; the oldest beyond ten are forgotten.
    static void add(const QString& path);
    static void remove(const QString& path);
    static void clear();
    // Replaces the menu's items: one per project (file name, full path as tip) and "Clear Menu".
    static void fillMenu(QMenu* menu, const std::function<void(const QString&)>& open);
};

} // namespace pw

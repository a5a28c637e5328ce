#pragma once

#include <QString>

class QMainWindow;
class QSplitter;

namespace pw {

// What the window remembers from one run to the next, in the settings store: its geometry and
// splitter sizes, and the folder each file dialog was last left in.
namespace WindowMemory {

void saveWindow(const QMainWindow& window, const QSplitter& splitter);
// Restores both; false on the first run, when nothing was saved yet.
bool restoreWindow(QMainWindow& window, QSplitter& splitter);

// The folder the dialog of that name last chose in; empty when none, or when it is gone.
QString lastFolder(const QString& dialog);
// Remembers the folder of a chosen path (a chosen folder itself, or a file's folder).
void rememberFolder(const QString& dialog, const QString& chosen);

} // namespace WindowMemory

} // namespace pw

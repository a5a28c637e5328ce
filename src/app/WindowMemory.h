#pragma once

#include <QMargins>
#include <QRect>
#include <QString>

class QMainWindow;
class QSplitter;

namespace pw {

// What the window remembers from one run to the next, in the settings store: its geometry and
// splitter sizes, and the folder each file dialog was last left in.
namespace WindowMemory {

// The window's normal place, whether it is maximised, and the splitter.
void saveWindow(const QMainWindow& window, const QSplitter& splitter);
// Restores both, the window wholly on a screen with its frame; the first time (false is
// returned then) it fills the primary screen's available room less its frame.
bool restoreWindow(QMainWindow& window, QSplitter& splitter);
// The window rectangle (without frame) nearest to wanted whose frame lies within available.
QRect fittedGeometry(const QRect& wanted, const QRect& available, const QMargins& frame);

// The folder the dialog of that name last chose in; empty when none, or when it is gone.
QString lastFolder(const QString& dialog);
// Remembers the folder of a chosen path (a chosen folder itself, or a file's folder).
void rememberFolder(const QString& dialog, const QString& chosen);

} // namespace WindowMemory

} // namespace pw

#include "app/WindowMemory.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>
#include <algorithm>

#include "app/AppSettings.h"

namespace pw::WindowMemory {

namespace {
const QString kNormalGeometry = QStringLiteral("window/normalGeometry");
const QString kMaximized = QStringLiteral("window/maximized");
const QString kSplitter = QStringLiteral("window/splitter");
// What a window manager's frame usually takes, for a window whose frame is not known yet.
constexpr QMargins kFrameAllowance(6, 36, 6, 6);

QString folderKey(const QString& dialog)
{
    // Dialog titles become keys; INI keys must not hold "/" or "\".
    QString key = dialog;
    key.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return QStringLiteral("folders/") + key;
}

QMargins frameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins known(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                         frame.bottom() - inner.bottom());
    return known.isNull() ? kFrameAllowance : known;
}
} // namespace

QRect fittedGeometry(const QRect& wanted, const QRect& available, const QMargins& frame)
{
    const QRect room = available.marginsRemoved(frame);
    QRect fitted(wanted.topLeft(), wanted.size().boundedTo(room.size()));
    fitted.moveLeft(std::clamp(fitted.left(), room.left(), room.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), room.top(), room.bottom() - fitted.height() + 1));
    return fitted;
}

void saveWindow(const QMainWindow& window, const QSplitter& splitter)
{
    const auto store = AppSettings::openStore();
    // The normal place, so that a maximised window comes back maximised over it.
    store->setValue(kNormalGeometry, window.isMaximized() ? window.normalGeometry() : window.geometry());
    store->setValue(kMaximized, window.isMaximized());
    store->setValue(kSplitter, splitter.saveState());
}

bool restoreWindow(QMainWindow& window, QSplitter& splitter)
{
    const auto store = AppSettings::openStore();
    const QRect saved = store->value(kNormalGeometry).toRect();
    const bool restored = saved.isValid();
    const QScreen* screen = restored ? QGuiApplication::screenAt(saved.center()) : nullptr;
    screen = screen ? screen : QGuiApplication::primaryScreen();
    if (screen) {
        // The first time the window takes the screen's room less its frame; later its own
        // place, moved and shrunk so that the whole frame is on a screen.
        const QRect available = screen->availableGeometry();
        window.setGeometry(fittedGeometry(restored ? saved : available, available, frameOf(window)));
    }
    if (restored && store->value(kMaximized).toBool())
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    // Sizes are restored into the splitter as wide as the restored window, not as it was before.
    if (window.layout())
        window.layout()->activate();
    splitter.restoreState(store->value(kSplitter).toByteArray());
    return restored;
}

QString lastFolder(const QString& dialog)
{
    const QString folder = AppSettings::openStore()->value(folderKey(dialog)).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolder(const QString& dialog, const QString& chosen)
{
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    AppSettings::openStore()->setValue(folderKey(dialog), info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}

} // namespace pw::WindowMemory

#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/Leafreel_for_macAppDelegate.h"
#include "app/ProjectSession.h"

class QFileDialog;
class QWebEngineView;

namespace pw::test {

// The folder the tests keep their screenshots in, beside each other (made when missing).
QString screenshotFolder();

// A picture of the bundled demonstration set, such as "01-sunrise.jpg".
QString demoPicture(const QString& name);
// Every demonstration picture, in page order.
QStringList demoPictures();
// The last component of each path.
QStringList fileNames(const QStringList& paths);

// Runs script in the view's page and waits for its result (invalid after ten seconds).
QVariant evaluate(QWebEngineView* view, const QString& script);

// Runs the action and waits for the preview rebuild it starts; true when the whole book was
// written, false when it was not or nothing ended within a minute.
bool rebuildsPreview(Leafreel_for_macAppDelegate& window, const std::function<void()>& action);

// The file panel the window has opened, once it is there (null after five seconds).
QFileDialog* openedPanel(QWidget* window);
// Answers the file panel the window has opened with the path (in the folder, if given), as its OK does.
void answerPanel(QWidget* window, const QString& path, const QString& folder = {});

// Points every per-user and machine-wide folder the application writes (settings store,
// application support, trust file, temporary folder) into one temporary folder for the life
// of the object, so a test run never touches the machine's own files. A resource folder a
// test sets (often one inside the sandbox) is back to the default afterwards. Remembered
// files and folders start empty in each sandbox.
class AppSandbox {
public:
    AppSandbox();
    AppSandbox(const AppSandbox&) = delete;
    AppSandbox& operator=(const AppSandbox&) = delete;
    ~AppSandbox();

    QString path(const QString& relative = {}) const;
    // Writes a file below the sandbox, making its folders; returns its path.
    QString writeFile(const QString& relative, const QByteArray& content) const;

private:
    QTemporaryDir iDir;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> iSavedEnvironment;
};

// The window started as the application starts it (its preview built), whose questions the test
// answers: unsaved changes (asked names kept), the file to save to; the problems it reports kept.
struct StartedWindow {
    Leafreel_for_macAppDelegate window;
    ProjectSession::Answer answer = ProjectSession::Answer::discard;
    QStringList asked;
    QString savePath;
    QStringList problems;

    explicit StartedWindow(bool shown = false);
};

} // namespace pw::test

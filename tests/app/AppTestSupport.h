#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace pw {
class Leafreel_for_macAppDelegate;
}

namespace pw::test {

// The folder the tests keep their screenshots in, beside each other (made when missing).
QString screenshotFolder();

// Runs the action and waits for the preview rebuild it starts; true when the whole book was
// written, false when it was not or nothing ended within a minute.
bool rebuildsPreview(Leafreel_for_macAppDelegate& window, const std::function<void()>& action);

// Points every per-user and machine-wide folder the application writes (settings store,
// application support, trust file, temporary folder) into one temporary folder for the life
// of the object, so a test run never touches the machine's own files.
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

} // namespace pw::test

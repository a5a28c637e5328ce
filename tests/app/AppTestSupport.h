#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace pw::test {

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

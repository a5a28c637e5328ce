#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace pw {

// The folder the preview book is written into: one per running copy of the application, below
// the folder Leafreel/Preview of the user's application support folder, held by a lock file
// beside it. Making one removes those of copies that are no longer running; removing it leaves
// the others alone. The Preview folder is entered in the player trust file once, for them all.
class PreviewFolder {
public:
    PreviewFolder() = default;
    PreviewFolder(const PreviewFolder&) = delete;
    PreviewFolder& operator=(const PreviewFolder&) = delete;
    ~PreviewFolder();

    // Makes the folder on the first call; later calls return it. Empty when it cannot be made
    // (logged at warn level).
    const QString& path();
    // Removes this copy's folder and its lock.
    void remove();

    // Leafreel/Preview in the user's application support folder.
    static QString previewsRoot();

private:
    static void removeStale(const QString& root);

    QString iPath;
    std::unique_ptr<QLockFile> iLock;
};

} // namespace pw

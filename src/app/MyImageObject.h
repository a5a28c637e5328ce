#pragma once

#include <QString>

namespace pw {

// One entry of the image list: a picture file that is to become one page of the book.
class MyImageObject {
public:
    explicit MyImageObject(QString path = {}) : iPath(std::move(path)) {}

    const QString& path() const { return iPath; }
    void setPath(QString path) { iPath = std::move(path); }

    // Two entries with the same path are the same image for the browser.
    const QString& imageUID() const { return iPath; }
    const QString& imageRepresentation() const { return iPath; }
    // The file name with its extension.
    QString imageTitle() const;

private:
    QString iPath;
};

} // namespace pw

#pragma once

#include <QWidget>

class QPushButton;

namespace pw {

class ImageBrowserView;
class ImageListModel;

// The window's left pane: the picture list with its Add Pictures and Build Book buttons.
class PicturesPane : public QWidget {
    Q_OBJECT

public:
    PicturesPane(ImageListModel* model, QWidget* parent);

    ImageBrowserView* view() const { return iView; }

signals:
    void addRequested();
    void buildRequested();

private:
    ImageBrowserView* iView = nullptr;
};

} // namespace pw

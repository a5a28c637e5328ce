#include "app/PicturesPane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ImageBrowserView.h"

namespace pw {

PicturesPane::PicturesPane(ImageListModel* model, QWidget* parent) : QWidget(parent)
{
    iView = new ImageBrowserView(this);  // children of the pane
    iView->setImageListModel(model);
    iView->setToolTip(tr("Your pictures, in book order. Drop files here, drag to rearrange (or Ctrl+arrow keys), "
                         "Delete to remove."));
    auto* label = new QLabel(tr("&Pictures"), this);
    label->setBuddy(iView);
    auto* addPictures = new QPushButton(tr("Add Pictures…"), this);
    auto* build = new QPushButton(tr("Build Book"), this);
    build->setToolTip(tr("Make the book's pages from these pictures"));
    connect(addPictures, &QPushButton::clicked, this, &PicturesPane::addRequested);
    connect(build, &QPushButton::clicked, this, &PicturesPane::buildRequested);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(label);
    layout->addWidget(iView, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addPictures);
    buttons->addWidget(build);
    layout->addLayout(buttons);
}

} // namespace pw

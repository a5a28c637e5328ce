#include "app/SheetSupport.h"

#include <QLabel>

#include "base/Log.h"

namespace pw::sheet {

QLabel* makeErrorLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);  // owned by its Qt parent
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #b00020;"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->hide();
    return label;
}

void openPathPanel(QWidget* parent, const QString& title, QFileDialog::FileMode mode, const QString& filter,
                   const QString& acceptLabel, std::function<void(const QString&)> chosen)
{
    auto* panel = new QFileDialog(parent, title, QString(), filter);  // deletes itself on close
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(mode);
    if (mode == QFileDialog::Directory)
        panel->setOption(QFileDialog::ShowDirsOnly);
    if (!acceptLabel.isEmpty())
        panel->setLabelText(QFileDialog::Accept, acceptLabel);
    panel->setWindowModality(Qt::WindowModal);
    QObject::connect(panel, &QFileDialog::fileSelected, parent, [chosen = std::move(chosen)](const QString& path) {
        PW_LOG_DEBUG("die end,%s", path.toUtf8().constData());
        chosen(path);
    });
    panel->open();
}

} // namespace pw::sheet

#include "app/SheetSupport.h"

#include <QLabel>

#include "app/WindowMemory.h"
#include "base/Log.h"

namespace pw::sheet {

QLabel* makeErrorLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);  // owned by its Qt parent
    label->setWordWrap(true);
    // A red that reads on the sheet's own background, light or dark.
    QPalette palette = label->palette();
    const bool dark = palette.color(QPalette::Window).lightnessF() < 0.5;
    palette.setColor(QPalette::WindowText, dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb0, 0x00, 0x20));
    label->setPalette(palette);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->hide();
    return label;
}

QFileDialog* openPanel(QWidget* parent, const PanelOptions& options, std::function<void(const QStringList&)> chosen)
{
    const QString start = options.startPath.isEmpty() ? WindowMemory::lastFolder(options.title) : options.startPath;
    auto* panel = new QFileDialog(parent, options.title, start, options.filter);  // deletes itself on close
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(options.mode);
    if (options.mode == QFileDialog::Directory)
        panel->setOption(QFileDialog::ShowDirsOnly);
    if (options.save)
        panel->setAcceptMode(QFileDialog::AcceptSave);
    if (!options.defaultSuffix.isEmpty())
        panel->setDefaultSuffix(options.defaultSuffix);
    if (!options.acceptLabel.isEmpty())
        panel->setLabelText(QFileDialog::Accept, options.acceptLabel);
    panel->setWindowModality(Qt::WindowModal);
    const QString title = options.title;
    QObject::connect(panel, &QFileDialog::accepted, parent, [panel, title, chosen = std::move(chosen)] {
        const QStringList paths = panel->selectedFiles();
        if (paths.isEmpty())
            return;
        PW_LOG_DEBUG("die end,%s", paths.first().toUtf8().constData());
        WindowMemory::rememberFolder(title, paths.first());
        chosen(paths);
    });
    panel->open();
    return panel;
}

void openPathPanel(QWidget* parent, const QString& title, QFileDialog::FileMode mode, const QString& filter,
                   const QString& acceptLabel, std::function<void(const QString&)> chosen)
{
    openPanel(parent, {title, mode, filter, acceptLabel, QString(), false, QString()},
              [chosen = std::move(chosen)](const QStringList& paths) { chosen(paths.first()); });
}

} // namespace pw::sheet

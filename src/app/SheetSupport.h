#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QWidget;

// Pieces the sheets share.
namespace pw::sheet {

// A hidden, wrapping, selectable label in the error colour (a red that reads on the palette's
// window colour), for what went wrong.
QLabel* makeErrorLabel(QWidget* parent);

// What a file panel asks for. The panel starts in the folder it was last left in (remembered
// per title, from run to run) unless a start path is given.
struct PanelOptions {
    QString title;
    QFileDialog::FileMode mode = QFileDialog::ExistingFile;
    QString filter;
    QString acceptLabel;
    QString startPath;
    bool save = false;          // a save panel; asks before replacing a file
    QString defaultSuffix;      // added by a save panel when the name has none
};

// Opens a file panel as a sheet on the parent; chosen runs with the paths on OK (which are also
// logged), nothing happens on Cancel. The panel deletes itself when closed and is returned, so
// tests can answer it.
QFileDialog* openPanel(QWidget* parent, const PanelOptions& options, std::function<void(const QStringList&)> chosen);

// openPanel for one path.
void openPathPanel(QWidget* parent, const QString& title, QFileDialog::FileMode mode, const QString& filter,
                   const QString& acceptLabel, std::function<void(const QString&)> chosen);

} // namespace pw::sheet

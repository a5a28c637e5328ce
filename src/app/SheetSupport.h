#pragma once

#include <QFileDialog>
#include <QString>
#include <functional>

class QLabel;
class QWidget;

// Pieces the sheets share.
namespace pw::sheet {

// A hidden, wrapping, selectable label in the error colour, for what went wrong.
QLabel* makeErrorLabel(QWidget* parent);

// Opens a file panel as a sheet on the parent; chosen runs with the path on OK (which is also
// logged), nothing happens on Cancel. The panel deletes itself when closed.
void openPathPanel(QWidget* parent, const QString& title, QFileDialog::FileMode mode, const QString& filter,
                   const QString& acceptLabel, std::function<void(const QString&)> chosen);

} // namespace pw::sheet

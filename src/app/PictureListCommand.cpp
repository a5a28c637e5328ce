#include "app/PictureListCommand.h"

#include <QCoreApplication>

#include "app/ImageListModel.h"

namespace pw {

namespace {

// "Add Picture", "Add 3 Pictures": the step's name in the Edit menu.
QString named(const char* text, qsizetype count)
{
    return QCoreApplication::translate("PictureListCommand", text, nullptr, static_cast<int>(count));
}

QList<int> runOf(int row, qsizetype count)
{
    QList<int> rows;
    for (int i = 0; i < count; ++i)
        rows.append(row + i);
    return rows;
}

} // namespace

PictureListCommand::PictureListCommand(ImageListModel* model, Kind kind, const QString& text)
    : QUndoCommand(text), iModel(model), iKind(kind)
{
}

PictureListCommand* PictureListCommand::inserting(ImageListModel* model, int row, QStringList paths)
{
    auto* command = new PictureListCommand(model, Kind::insert, named(QT_TRANSLATE_N_NOOP("PictureListCommand", "Add %n Picture(s)"), paths.size()));
    command->iRow = row;
    command->iPaths = std::move(paths);
    return command;  // the undo stack takes it
}

PictureListCommand* PictureListCommand::removing(ImageListModel* model, QList<int> rows)
{
    auto* command = new PictureListCommand(model, Kind::remove, named(QT_TRANSLATE_N_NOOP("PictureListCommand", "Remove %n Picture(s)"), rows.size()));
    for (const int row : rows)
        command->iPaths.append(model->pathAt(row));
    command->iRows = std::move(rows);
    return command;
}

PictureListCommand* PictureListCommand::reordering(ImageListModel* model, std::vector<int> order, QList<int> moved)
{
    auto* command = new PictureListCommand(model, Kind::reorder, named(QT_TRANSLATE_N_NOOP("PictureListCommand", "Move %n Picture(s)"), moved.size()));
    command->iOrder = std::move(order);
    command->iRows = std::move(moved);
    return command;
}

void PictureListCommand::redo()
{
    switch (iKind) {
    case Kind::insert:
        iModel->insertAt(iRow, iPaths);
        iModel->requestSelection(runOf(iRow, iPaths.size()));
        return;
    case Kind::remove:
        iModel->removeAt(iRows);
        // The picture that took the first removed one's place, so Delete can go on.
        iModel->requestSelection(iRows.first() < iModel->count() ? QList<int>{iRows.first()} : QList<int>{});
        return;
    case Kind::reorder: {
        iModel->reorder(iOrder);
        QList<int> selected;
        for (int row = 0; row < static_cast<int>(iOrder.size()); ++row) {
            if (iRows.contains(iOrder[static_cast<std::size_t>(row)]))
                selected.append(row);
        }
        iModel->requestSelection(selected);
        return;
    }
    }
}

void PictureListCommand::undo()
{
    switch (iKind) {
    case Kind::insert:
        iModel->removeAt(runOf(iRow, iPaths.size()));
        iModel->requestSelection({});
        return;
    case Kind::remove:
        for (int i = 0; i < iRows.size(); ++i)
            iModel->insertAt(iRows[i], {iPaths[i]});
        iModel->requestSelection(iRows);
        return;
    case Kind::reorder: {
        std::vector<int> inverse(iOrder.size());
        for (std::size_t row = 0; row < iOrder.size(); ++row)
            inverse[static_cast<std::size_t>(iOrder[row])] = static_cast<int>(row);
        iModel->reorder(inverse);
        iModel->requestSelection(iRows);
        return;
    }
    }
}

} // namespace pw

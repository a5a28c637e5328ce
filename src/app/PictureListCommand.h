#pragma once

#include <QList>
#include <QStringList>
#include <QUndoCommand>
#include <vector>

namespace pw {

class ImageListModel;

// One undoable change of the picture list: pictures inserted at a row, rows removed, or the
// list put in a new order. After each step the changed pictures are selected.
class PictureListCommand : public QUndoCommand {
public:
    // Pictures inserted as one run starting at the row.
    static PictureListCommand* inserting(ImageListModel* model, int row, QStringList paths);
    // The rows (ascending, distinct) removed.
    static PictureListCommand* removing(ImageListModel* model, QList<int> rows);
    // order[newRow] is the old row of the picture that goes there; moved are the old rows moved.
    static PictureListCommand* reordering(ImageListModel* model, std::vector<int> order, QList<int> moved);

    void redo() override;
    void undo() override;

private:
    enum class Kind { insert, remove, reorder };
    PictureListCommand(ImageListModel* model, Kind kind, const QString& text);

    ImageListModel* iModel;
    Kind iKind;
    int iRow = 0;
    QStringList iPaths;        // insert: the pictures; remove: those removed, by row
    QList<int> iRows;          // remove: the rows; reorder: the old rows moved
    std::vector<int> iOrder;   // reorder
};

} // namespace pw

#pragma once

#include <QColor>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

namespace pw {

// Draws and edits the value column of the property editor by property type: a colour swatch
// that opens the colour dialog, a file field whose small button opens the file dialog
// (filtered by the property's extensions), a combo box for lists; switches are check boxes
// (the model's check state) and everything else is free text. On the view it is made for,
// Enter or Space on a colour or file property opens its chooser, as a click would; Enter edits
// any other value (a switch is turned) and typing starts editing the value with the key typed
// (the delegate adds the view's edit trigger for typing).
class FlashTmplValueDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // Asks for a colour starting from the current one; none when the user cancels.
    using ColorChooser = std::function<std::optional<QColor>(const QColor& current, QWidget* parent)>;
    // Asks for a file, proposing the current value, allowing the extensions; none on cancel.
    using FileChooser =
        std::function<std::optional<QString>(const QString& proposed, const QStringList& extensions, QWidget* parent)>;

    static constexpr int kSwatchSize = 15;
    static constexpr int kButtonSize = 13;

    explicit FlashTmplValueDelegate(QObject* parent = nullptr);

    // Tests answer the dialogs themselves.
    void setColorChooser(ColorChooser chooser) { iColorChooser = std::move(chooser); }
    void setFileChooser(FileChooser chooser) { iFileChooser = std::move(chooser); }

    // What a click on the swatch or the file button does: asks, then stores through the
    // model's storing rule. Cancel keeps the value the property had.
    void onSelectColor(QAbstractItemModel* model, const QModelIndex& index, QWidget* parent) const;
    void onSelectFile(QAbstractItemModel* model, const QModelIndex& index, QWidget* parent) const;

    // Where the swatch and the file button sit in a value cell.
    static QRect swatchRect(const QRect& cell);
    static QRect buttonRect(const QRect& cell);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static int typeOf(const QModelIndex& index);
    void paintColor(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintFile(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    ColorChooser iColorChooser;
    FileChooser iFileChooser;
};

} // namespace pw

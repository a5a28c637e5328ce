#include "app/FlashTmplValueDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/FlashTemplateOutlineDelegate.h"
#include "app/MyColorOper.h"
#include "app/WindowMemory.h"
#include "template/FlashTemplateProperty.h"

namespace pw {

namespace {

std::optional<QColor> askColor(const QColor& current, QWidget* parent)
{
    const QColor chosen = QColorDialog::getColor(current, parent, FlashTmplValueDelegate::tr("Choose a colour"));
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QString> askFile(const QString& proposed, const QStringList& extensions, QWidget* parent)
{
    QStringList patterns;
    for (const QString& extension : extensions)
        patterns.append(QStringLiteral("*.") + extension);
    QString filter = FlashTmplValueDelegate::tr("All files (*)");
    if (!patterns.isEmpty())
        filter = FlashTmplValueDelegate::tr("Allowed files (%1)").arg(patterns.join(QLatin1Char(' '))) + QStringLiteral(";;") + filter;
    const QString title = FlashTmplValueDelegate::tr("Choose a file");
    const QString start = proposed.isEmpty() ? WindowMemory::lastFolder(title) : proposed;
    const QString chosen = QFileDialog::getOpenFileName(parent, title, start, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    WindowMemory::rememberFolder(title, chosen);
    return chosen;
}

} // namespace

FlashTmplValueDelegate::FlashTmplValueDelegate(QObject* parent)
    : QStyledItemDelegate(parent), iColorChooser(askColor), iFileChooser(askFile)
{
    if (auto* view = qobject_cast<QAbstractItemView*>(parent)) {
        view->installEventFilter(this);
        view->setEditTriggers(view->editTriggers() | QAbstractItemView::AnyKeyPressed);
    }
}

bool FlashTmplValueDelegate::eventFilter(QObject* watched, QEvent* event)
{
    // The base class filters editors; handing it the view would close the view as if it were one.
    auto* view = qobject_cast<QAbstractItemView*>(watched);
    if (!view || watched != parent())
        return QStyledItemDelegate::eventFilter(watched, event);
    // Keys an open editor did not take come up to the view as well; they are the editor's.
    const QWidget* focused = QApplication::focusWidget();
    if (event->type() != QEvent::KeyPress || (focused && focused != view && view->isAncestorOf(focused)))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier)
        return false;
    // The row's value, wherever in the row the keyboard focus is.
    const QModelIndex current = view->currentIndex();
    const QModelIndex value = current.sibling(current.row(), FlashTemplateOutlineDelegate::valueColumn);
    if (!(value.flags() & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    const int type = typeOf(value);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
    if ((enter || (key->key() == Qt::Key_Space && modifiers == Qt::NoModifier)) && (type == pt_color || type == pt_file)) {
        if (type == pt_color)
            onSelectColor(view->model(), value, view);
        else
            onSelectFile(view->model(), value, view);
        return true;
    }
    if (enter && type == pt_bool) {
        const bool on = value.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        view->model()->setData(value, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        return true;
    }
    if (enter && type != pt_bool) {
        view->setCurrentIndex(value);
        view->edit(value);
        return true;
    }
    // Typing on a row starts editing its value with what was typed, as in a spreadsheet.
    const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint() && key->key() != Qt::Key_Space;
    if (typing && type != pt_bool && current.column() != FlashTemplateOutlineDelegate::valueColumn)
        view->setCurrentIndex(value);
    return false;
}

int FlashTmplValueDelegate::typeOf(const QModelIndex& index)
{
    if (index.column() != FlashTemplateOutlineDelegate::valueColumn)
        return -1;
    return index.data(FlashTemplateOutlineDelegate::kPropertyTypeRole).toInt();
}

QRect FlashTmplValueDelegate::swatchRect(const QRect& cell)
{
    return {cell.left() + 3, cell.center().y() - kSwatchSize / 2, kSwatchSize, kSwatchSize};
}

QRect FlashTmplValueDelegate::buttonRect(const QRect& cell)
{
    return {cell.right() - kButtonSize - 5, cell.center().y() - kButtonSize / 2, kButtonSize, kButtonSize};
}

void FlashTmplValueDelegate::onSelectColor(QAbstractItemModel* model, const QModelIndex& index, QWidget* parent) const
{
    const QColor current = index.data(Qt::DecorationRole).value<QColor>();
    const std::optional<QColor> chosen = iColorChooser(current, parent);
    if (!chosen)
        return;
    if (const std::optional<QString> text = MyColorOper::colorToHexRGB(*chosen))
        model->setData(index, *text, Qt::EditRole);
}

void FlashTmplValueDelegate::onSelectFile(QAbstractItemModel* model, const QModelIndex& index, QWidget* parent) const
{
    const auto* outline = qobject_cast<const FlashTemplateOutlineDelegate*>(model);
    const FlashTemplateProperty* property = outline ? outline->propertyAt(index) : nullptr;
    if (!property)
        return;
    const QStringList extensions =
        FlashTemplateOutlineDelegate::allowedExtensions(QString::fromStdString(property->valueSource()));
    // Cancel keeps the chosen file: wiping a background picture because the dialog was
    // dismissed would lose the user's work.
    const std::optional<QString> chosen = iFileChooser(index.data(Qt::EditRole).toString(), extensions, parent);
    if (!chosen)
        return;
    model->setData(index, QFileInfo(*chosen).absoluteFilePath(), Qt::EditRole);
}

void FlashTmplValueDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    switch (typeOf(index)) {
    case pt_color:
        paintColor(painter, option, index);
        return;
    case pt_file:
        paintFile(painter, option, index);
        return;
    default:
        QStyledItemDelegate::paint(painter, option, index);
    }
}

void FlashTmplValueDelegate::paintColor(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QStyleOptionViewItem itemOption = option;
    initStyleOption(&itemOption, index);
    itemOption.features &= ~QStyleOptionViewItem::HasDecoration;
    itemOption.icon = QIcon();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &itemOption, painter, widget);
    QStyleOptionViewItem textOption = itemOption;
    textOption.rect.setLeft(swatchRect(option.rect).right() + 6);
    style->drawControl(QStyle::CE_ItemViewItem, &textOption, painter, widget);
    const QRect swatch = swatchRect(option.rect);
    painter->save();
    painter->setPen(QColor(0x80, 0x80, 0x80));
    painter->setBrush(index.data(Qt::DecorationRole).value<QColor>());
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->restore();
}

void FlashTmplValueDelegate::paintFile(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    QStyleOptionViewItem textOption = option;
    textOption.rect.setRight(buttonRect(option.rect).left() - 4);
    textOption.textElideMode = Qt::ElideMiddle;
    QStyledItemDelegate::paint(painter, textOption, index);
    const QRect button = buttonRect(option.rect);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    // The palette's button colours, so that a dark palette gets a dark button.
    const bool hovered = (option.state & QStyle::State_MouseOver) != 0;
    const QPalette& palette = option.palette;
    painter->setPen(palette.color(QPalette::Mid));
    painter->setBrush(palette.color(hovered ? QPalette::Midlight : QPalette::Button));
    painter->drawRoundedRect(QRectF(button).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->setPen(palette.color(QPalette::ButtonText));
    painter->drawText(button, Qt::AlignCenter, QStringLiteral("…"));
    painter->restore();
}

QWidget* FlashTmplValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                              const QModelIndex& index) const
{
    if (typeOf(index) != pt_list)
        return QStyledItemDelegate::createEditor(parent, option, index);
    const auto* outline = qobject_cast<const FlashTemplateOutlineDelegate*>(index.model());
    const FlashTemplateProperty* property = outline ? outline->propertyAt(index) : nullptr;
    auto* combo = new QComboBox(parent);  // the view owns its editors
    if (property)
        combo->addItems(FlashTemplateOutlineDelegate::shownChoices(*property));
    combo->setFrame(false);
    // A pick is stored at once, as a pop-up menu would.
    // Qt declares createEditor const, but committing is a signal of this delegate.
    auto* self = const_cast<FlashTmplValueDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
    return combo;
}

void FlashTmplValueDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // A value that is none of the choices selects nothing.
        combo->setCurrentIndex(index.data(Qt::EditRole).toInt());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void FlashTmplValueDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentIndex(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool FlashTmplValueDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                         const QModelIndex& index)
{
    const int type = typeOf(index);
    if (event->type() == QEvent::MouseButtonRelease && (type == pt_color || type == pt_file)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        // Dialogs open over the view this delegate was made for.
        auto* parent = qobject_cast<QWidget*>(this->parent());
        if (type == pt_color && swatchRect(option.rect).contains(at)) {
            onSelectColor(model, index, parent);
            return true;
        }
        if (type == pt_file && buttonRect(option.rect).contains(at)) {
            onSelectFile(model, index, parent);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

} // namespace pw

#pragma once

#include <QAbstractItemModel>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "project/TemplateTree.h"

class QUndoStack;

namespace pw {

class FlashTemplate;
class FlashTemplateProperty;

// The property editor's model: the current template's property tree in two columns, "key"
// (titles) and "value". An edit becomes one undoable step on the undo stack when one is set,
// else it is written straight into the property; a stored value posts
// "FlashTmplProValueChangedNotification" with the property as sender, and a change of
// selection posts "UpdateFlashTmplProTipNotification" with this object as sender.
class FlashTemplateOutlineDelegate : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { keyColumn = 0, valueColumn = 1 };
    // The property's type code, for the value delegate.
    static constexpr int kPropertyTypeRole = Qt::UserRole + 1;

    explicit FlashTemplateOutlineDelegate(QObject* parent = nullptr);

    // The template whose properties are shown; none shows nothing. Call reload after the
    // template's tree was replaced: items of the old tree must not be used any more.
    void setFlashTmpl(std::shared_ptr<FlashTemplate> flashTemplate);
    const std::shared_ptr<FlashTemplate>& flashTmpl() const { return iFlashTmpl; }
    void reload();
    void setUndoStack(QUndoStack* stack) { iUndoStack = stack; }

    // Stores a value into the property at the path of the current template, shows it and posts
    // the change; false when the template has no property there. The undo commands call it.
    bool storeValue(const templatetree::Path& path, const std::optional<std::string>& value);

    // The property an index stands for, or null.
    FlashTemplateProperty* propertyAt(const QModelIndex& index) const;

    // The choices of a list property's valueSource, split at "," and taken unchanged.
    static QStringList listChoices(const FlashTemplateProperty& property);
    // The same choices as the interface shows them, in its language where the template gives
    // them (as many, in the same order); else listChoices.
    static QStringList shownChoices(const FlashTemplateProperty& property);
    // The file extensions a file property's valueSource allows: ";" deleted, the part after
    // the first "|" (or all of it), split at "*." ("Images|*.jpg;*.png" gives jpg and png).
    static QStringList allowedExtensions(const QString& valueSource);

    // Posts "UpdateFlashTmplProTipNotification"; the view's selection model calls it.
    void outlineViewSelectionDidChange();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The storing rule: only the value column; a list stores the choice at the index given,
    // a switch "YES" or "NO", anything else the text as it is. An equal text stores nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QVariant valueData(const FlashTemplateProperty& property, int role) const;
    std::optional<std::string> newValueFor(const FlashTemplateProperty& property, const QVariant& value, int role) const;
    int rowOf(const FlashTemplateProperty& property) const;

    std::shared_ptr<FlashTemplate> iFlashTmpl;
    QUndoStack* iUndoStack = nullptr;  // the window's
};

} // namespace pw

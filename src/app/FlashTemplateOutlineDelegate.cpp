#include "app/FlashTemplateOutlineDelegate.h"

#include <QUndoStack>

#include "app/InterfaceLanguage.h"
#include "app/MyColorOper.h"
#include "app/PropertyValueCommand.h"
#include "base/Log.h"
#include "base/NotificationCenter.h"
#include "template/FlashTemplate.h"
#include "template/FlashTemplateProperty.h"
#include "template/StringUtil.h"

namespace pw {

namespace {

const std::string kValueChanged = "FlashTmplProValueChangedNotification";
const std::string kSelectionChanged = "UpdateFlashTmplProTipNotification";

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

const FlashTemplateProperty::Children& childrenOf(const FlashTemplate& flashTemplate, const FlashTemplateProperty* item)
{
    return item ? item->childProperties() : flashTemplate.properties();
}

} // namespace

FlashTemplateOutlineDelegate::FlashTemplateOutlineDelegate(QObject* parent) : QAbstractItemModel(parent) {}

void FlashTemplateOutlineDelegate::setFlashTmpl(std::shared_ptr<FlashTemplate> flashTemplate)
{
    beginResetModel();
    iFlashTmpl = std::move(flashTemplate);
    endResetModel();
}

void FlashTemplateOutlineDelegate::reload()
{
    beginResetModel();
    endResetModel();
}

FlashTemplateProperty* FlashTemplateOutlineDelegate::propertyAt(const QModelIndex& index) const
{
    if (!iFlashTmpl || !index.isValid())
        return nullptr;
    return static_cast<FlashTemplateProperty*>(index.internalPointer());
}

QStringList FlashTemplateOutlineDelegate::listChoices(const FlashTemplateProperty& property)
{
    return qs(property.valueSource()).split(QLatin1Char(','));
}

QStringList FlashTemplateOutlineDelegate::shownChoices(const FlashTemplateProperty& property)
{
    const QStringList shown = qs(property.choicesIn(InterfaceLanguage::spoken())).split(QLatin1Char(','));
    const QStringList stored = listChoices(property);
    return shown.size() == stored.size() ? shown : stored;
}

QStringList FlashTemplateOutlineDelegate::allowedExtensions(const QString& valueSource)
{
    QString filter = valueSource;
    filter.remove(QLatin1Char(';'));
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QString patterns = parts.size() >= 2 ? parts[1] : filter;
    QStringList extensions;
    for (const QString& piece : patterns.split(QStringLiteral("*."))) {
        if (!piece.isEmpty())
            extensions.append(piece);
    }
    return extensions;
}

void FlashTemplateOutlineDelegate::outlineViewSelectionDidChange()
{
    NotificationCenter::defaultCenter().post(kSelectionChanged, this);
}

QModelIndex FlashTemplateOutlineDelegate::index(int row, int column, const QModelIndex& parent) const
{
    if (!iFlashTmpl || row < 0 || column < 0 || column > valueColumn)
        return {};
    const auto& children = childrenOf(*iFlashTmpl, propertyAt(parent));
    if (row >= static_cast<int>(children.size()))
        return {};
    return createIndex(row, column, children[static_cast<std::size_t>(row)].get());
}

QModelIndex FlashTemplateOutlineDelegate::parent(const QModelIndex& child) const
{
    const FlashTemplateProperty* property = propertyAt(child);
    if (!property || !property->parent())
        return {};
    FlashTemplateProperty* parentProperty = property->parent();
    return createIndex(rowOf(*parentProperty), keyColumn, parentProperty);
}

int FlashTemplateOutlineDelegate::rowOf(const FlashTemplateProperty& property) const
{
    const auto& siblings = childrenOf(*iFlashTmpl, property.parent());
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == &property)
            return static_cast<int>(i);
    }
    return 0;
}

int FlashTemplateOutlineDelegate::rowCount(const QModelIndex& parent) const
{
    if (!iFlashTmpl || parent.column() > keyColumn)
        return 0;
    return static_cast<int>(childrenOf(*iFlashTmpl, propertyAt(parent)).size());
}

int FlashTemplateOutlineDelegate::columnCount(const QModelIndex&) const
{
    return 2;
}

QVariant FlashTemplateOutlineDelegate::data(const QModelIndex& index, int role) const
{
    const FlashTemplateProperty* property = propertyAt(index);
    if (!property)
        return {};
    if (role == kPropertyTypeRole)
        return property->propertyType();
    const std::string language = InterfaceLanguage::spoken();
    if (role == Qt::ToolTipRole)
        return qs(property->descIn(language));
    if (index.column() == keyColumn) {
        if (role != Qt::DisplayRole)
            return {};
        return property->title().empty() ? tr("(Untitled)") : qs(property->titleIn(language));
    }
    return valueData(*property, role);
}

QVariant FlashTemplateOutlineDelegate::valueData(const FlashTemplateProperty& property, int role) const
{
    const std::optional<std::string>& value = property.value();
    switch (property.propertyType()) {
    case pt_bool:
        if (role == Qt::CheckStateRole)
            return valueAsBool(value) ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::DisplayRole)
            return qs(property.aTitleIn(InterfaceLanguage::spoken()));
        return {};
    case pt_color:
        if (role == Qt::DecorationRole)
            return MyColorOper::colorFromHexRGB(value ? std::optional(qs(*value)) : std::nullopt);
        // Shown as the colour dialog and the web write colours; stored as the book reads them.
        if ((role == Qt::DisplayRole || role == Qt::EditRole) && value)
            return MyColorOper::colorFromHexRGB(qs(*value)).name();
        break;
    case pt_list: {
        const int choice = static_cast<int>(listChoices(property).indexOf(value ? qs(*value) : QString()));
        if (role == Qt::EditRole)
            return choice;
        if (role == Qt::DisplayRole && choice >= 0)
            return shownChoices(property).at(choice);
        break;
    }
    default:
        break;
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (!value)
        return role == Qt::DisplayRole ? tr("(Unknown)") : QString();
    return qs(*value);
}

QVariant FlashTemplateOutlineDelegate::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == keyColumn ? tr("Property") : tr("Value");
}

Qt::ItemFlags FlashTemplateOutlineDelegate::flags(const QModelIndex& index) const
{
    const FlashTemplateProperty* property = propertyAt(index);
    if (!property)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() != valueColumn || property->readOnly())
        return flags;
    if (property->propertyType() == pt_bool)
        return flags | Qt::ItemIsUserCheckable;
    return flags | Qt::ItemIsEditable;
}

std::optional<std::string> FlashTemplateOutlineDelegate::newValueFor(const FlashTemplateProperty& property,
                                                                     const QVariant& value, int role) const
{
    switch (property.propertyType()) {
    case pt_list: {
        bool ok = false;
        const int choice = value.toInt(&ok);
        const QStringList choices = listChoices(property);
        if (!ok || choice < 0 || choice >= choices.size())
            return std::nullopt;
        return choices[choice].toStdString();
    }
    case pt_bool:
        if (role != Qt::CheckStateRole)
            return std::nullopt;
        return value.toInt() == Qt::Checked ? "YES" : "NO";
    case pt_color: {
        PW_LOG_DEBUG("color value is:%s", value.toString().toUtf8().constData());
        // A colour typed as it is shown ("#4a5568") is stored in the stored form.
        const QString typed = value.toString().trimmed();
        const QColor named(typed);
        if (typed.startsWith(QLatin1Char('#')) && named.isValid())
            return MyColorOper::colorToHexRGB(named).value_or(QString()).toStdString();
        return value.toString().toStdString();
    }
    default:
        return value.toString().toStdString();
    }
}

bool FlashTemplateOutlineDelegate::setData(const QModelIndex& index, const QVariant& value, int role)
{
    FlashTemplateProperty* property = propertyAt(index);
    if (!property || index.column() != valueColumn || property->readOnly())
        return false;
    const std::optional<std::string> text = newValueFor(*property, value, role);
    if (!text)
        return false;
    if (property->value() == text)
        return true;
    templatetree::Path path = templatetree::pathOf(*iFlashTmpl, *property);
    if (!iUndoStack)
        return storeValue(path, text);
    const QString title = property->title().empty() ? qs(property->key()) : qs(property->titleIn(InterfaceLanguage::spoken()));
    iUndoStack->push(new PropertyValueCommand(this, std::move(path), property->value(), text, title));  // the stack owns it
    return true;
}

bool FlashTemplateOutlineDelegate::storeValue(const templatetree::Path& path, const std::optional<std::string>& value)
{
    FlashTemplateProperty* property = iFlashTmpl ? templatetree::propertyAt(*iFlashTmpl, path) : nullptr;
    if (!property)
        return false;
    property->setValue(value);
    const int row = rowOf(*property);
    emit dataChanged(createIndex(row, keyColumn, property), createIndex(row, valueColumn, property));
    NotificationCenter::defaultCenter().post(kValueChanged, property);
    return true;
}

} // namespace pw

#pragma once

#include <QStringList>
#include <QWidget>

class QGroupBox;
class QPushButton;
class QTextEdit;
class QTreeView;

namespace pw {

class FlashTemplateOutlineDelegate;
class FlashTmplValueDelegate;

// The window's right pane: the template button, the property editor, the description of the
// selected property, and the settings file buttons.
class PropertiesPane : public QWidget {
    Q_OBJECT

public:
    PropertiesPane(FlashTemplateOutlineDelegate* model, QWidget* parent);

    QTreeView* outlineView() const { return iOutlineView; }
    FlashTmplValueDelegate* valueDelegate() const { return iValueDelegate; }
    QPushButton* templateButton() const { return iTemplateButton; }
    QGroupBox* tipBox() const { return iTipBox; }
    QTextEdit* tip() const { return iTip; }
    // The keys a request for help is about: the property under the mouse pointer, else the
    // current one while the list has the keyboard focus, followed by the keys of the groups it
    // lies in; empty when neither.
    QStringList helpKeys() const;

signals:
    void chooseTemplateRequested();
    void importSettingsRequested();
    void exportSettingsRequested();

private:
    QTreeView* iOutlineView = nullptr;
    FlashTmplValueDelegate* iValueDelegate = nullptr;
    QPushButton* iTemplateButton = nullptr;
    QGroupBox* iTipBox = nullptr;
    QTextEdit* iTip = nullptr;
};

} // namespace pw

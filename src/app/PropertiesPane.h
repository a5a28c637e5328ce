#pragma once

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

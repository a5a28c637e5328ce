#include "app/PropertiesPane.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/FlashTemplateOutlineDelegate.h"
#include "app/FlashTmplValueDelegate.h"

namespace pw {

PropertiesPane::PropertiesPane(FlashTemplateOutlineDelegate* model, QWidget* parent) : QWidget(parent)
{
    iTemplateButton = new QPushButton(this);  // children of the pane
    iTemplateButton->setToolTip(tr("Choose another template or style"));
    auto* templateLabel = new QLabel(tr("T&emplate:"), this);
    templateLabel->setBuddy(iTemplateButton);
    auto* importSettings = new QPushButton(tr("Import…"), this);
    importSettings->setToolTip(tr("Load property values from a settings file"));
    importSettings->setAccessibleName(tr("Import settings"));
    auto* exportSettings = new QPushButton(tr("Export…"), this);
    exportSettings->setToolTip(tr("Save the property values to a settings file"));
    exportSettings->setAccessibleName(tr("Export settings"));
    connect(iTemplateButton, &QPushButton::clicked, this, &PropertiesPane::chooseTemplateRequested);
    connect(importSettings, &QPushButton::clicked, this, &PropertiesPane::importSettingsRequested);
    connect(exportSettings, &QPushButton::clicked, this, &PropertiesPane::exportSettingsRequested);

    iOutlineView = new QTreeView(this);
    iOutlineView->setModel(model);
    iOutlineView->setAccessibleName(tr("Properties"));
    iOutlineView->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::SelectedClicked);
    iValueDelegate = new FlashTmplValueDelegate(iOutlineView);  // adds editing by typing
    iOutlineView->setItemDelegateForColumn(FlashTemplateOutlineDelegate::valueColumn, iValueDelegate);
    iOutlineView->setIndentation(8);
    iOutlineView->setAlternatingRowColors(true);
    iOutlineView->setMouseTracking(true);
    iOutlineView->header()->setSectionResizeMode(QHeaderView::Interactive);
    iOutlineView->header()->resizeSection(0, 170);
    const auto followSelection = [this, model] {
        connect(iOutlineView->selectionModel(), &QItemSelectionModel::selectionChanged, model,
                &FlashTemplateOutlineDelegate::outlineViewSelectionDidChange, Qt::UniqueConnection);
    };
    followSelection();
    connect(model, &QAbstractItemModel::modelReset, this, followSelection);

    iTipBox = new QGroupBox(tr("Property"), this);
    iTip = new QTextEdit(iTipBox);
    iTip->setReadOnly(true);
    iTip->setAccessibleName(tr("Property description"));
    iTip->setPlaceholderText(tr("Select a property to read what it changes in the book."));
    iTip->setMaximumHeight(110);
    iTip->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* tipLayout = new QVBoxLayout(iTipBox);
    tipLayout->addWidget(iTip);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* templateRow = new QHBoxLayout;
    templateRow->addWidget(templateLabel);
    templateRow->addWidget(iTemplateButton, 1);
    layout->addLayout(templateRow);
    layout->addWidget(iOutlineView, 1);
    layout->addWidget(iTipBox);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addWidget(new QLabel(tr("Settings:"), this));
    settingsRow->addWidget(importSettings);
    settingsRow->addWidget(exportSettings);
    layout->addLayout(settingsRow);
}

} // namespace pw

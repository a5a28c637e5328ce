#include "app/PreferencesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "app/InterfaceLanguage.h"

namespace pw {

PreferencesDialog::PreferencesDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Preferences"));
    setWindowModality(Qt::WindowModal);
    iLanguage = new QComboBox(this);  // widgets are owned by their Qt parent
    iLanguage->setAccessibleName(tr("Language of the interface"));
    const QString system = InterfaceLanguage::resolve({}, QLocale::system().uiLanguages());
    iLanguage->addItem(tr("As the system (%1)").arg(InterfaceLanguage::nativeName(system)), QString());
    for (const QString& code : InterfaceLanguage::codes())
        iLanguage->addItem(InterfaceLanguage::nativeName(code), code);
    auto* label = new QLabel(tr("&Language:"), this);
    label->setBuddy(iLanguage);
    iRestartNote = new QLabel(tr("A new language is used from the next start of Pagewind."), this);
    iRestartNote->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(label, iLanguage);
    form->addRow(QString(), iRestartNote);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        store();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PreferencesDialog::openWithStored()
{
    iLanguage->setCurrentIndex(std::max(0, iLanguage->findData(InterfaceLanguage::chosen())));
    open();
}

void PreferencesDialog::store()
{
    InterfaceLanguage::setChosen(iLanguage->currentData().toString());
}

} // namespace pw

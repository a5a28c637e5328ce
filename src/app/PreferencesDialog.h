#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace pw {

// The Preferences sheet: the interface language (the system's, or one of the five). OK stores
// the choice, which applies from the next start, and says so; Cancel keeps the stored one.
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit PreferencesDialog(QWidget* parent = nullptr);

    // Shows the stored choice and opens the sheet.
    void openWithStored();

    QComboBox* language() const { return iLanguage; }
    QLabel* restartNote() const { return iRestartNote; }

private:
    void store();

    QComboBox* iLanguage = nullptr;
    QLabel* iRestartNote = nullptr;
};

} // namespace pw

#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSettings;

// File → Preferences: the language, the update check and the folders the file dialogs start in, kept in
// the settings store under the keys the program reads them from.
class PreferencesDialog : public QDialog
{
    Q_OBJECT
public:
    PreferencesDialog(QSettings& settings, QWidget* parent = nullptr);

    // Writes the choices to the settings store.
    void accept() override;

private:
    // A folder's line: its path, and a button that chooses another; edit is set to the path's editor.
    QWidget* folderRow(QLineEdit*& edit, const QString& key, const QString& title);
    void updateCheckSwitch();

    QSettings& m_settings;
    QComboBox* m_language;
    QLineEdit* m_updateBase;
    QCheckBox* m_checkAtStart;
    QLineEdit* m_downloads = nullptr;
    QLineEdit* m_uploads = nullptr;
};

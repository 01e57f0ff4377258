#include "PreferencesDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "FilesPage.h"
#include "UserPrompt.h"
#include "platform/Catalogue.h"
#include "platform/Platform.h"
#include "update/UpdateChecker.h"

PreferencesDialog::PreferencesDialog(QSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_language(new QComboBox(this)), m_updateBase(new QLineEdit(this)),
      m_checkAtStart(new QCheckBox(tr("Check for updates at start-up"), this))
{
    setObjectName(QStringLiteral("preferencesDialog"));
    setWindowTitle(tr("Preferences"));

    m_language->setObjectName(QStringLiteral("language"));
    m_language->setAccessibleName(tr("Language"));
    m_language->addItem(tr("Ukrainian"), int(Catalogue::Language::Ukrainian));
    m_language->addItem(tr("English"), int(Catalogue::Language::English));
    m_language->setCurrentIndex(m_language->findData(int(Catalogue::stored(settings))));
    auto* languageNote = new QLabel(tr("The language changes at the next start of the program."), this);
    languageNote->setWordWrap(true);
    auto* language = new QGroupBox(tr("Language"), this);
    auto* languageLayout = new QVBoxLayout(language);
    languageLayout->addWidget(m_language);
    languageLayout->addWidget(languageNote);

    m_updateBase->setObjectName(QStringLiteral("updateBase"));
    m_updateBase->setAccessibleName(tr("Download site address"));
    m_updateBase->setPlaceholderText(tr("no address: no update check"));
    m_updateBase->setText(settings.value(UpdateChecker::baseUrlKey()).toString());
    m_checkAtStart->setObjectName(QStringLiteral("checkAtStart"));
    m_checkAtStart->setChecked(settings.value(UpdateChecker::checkAtStartKey(), true).toBool());
    connect(m_updateBase, &QLineEdit::textChanged, this, &PreferencesDialog::updateCheckSwitch);
    auto* updates = new QGroupBox(tr("Updates"), this);
    auto* updateLayout = new QFormLayout(updates);
    updateLayout->addRow(tr("Download site address:"), m_updateBase);
    updateLayout->addRow(m_checkAtStart);
    updateCheckSwitch();

    auto* folders = new QGroupBox(tr("Folders"), this);
    auto* folderLayout = new QFormLayout(folders);
    folderLayout->addRow(tr("Downloads:"), folderRow(m_downloads, FilesPage::DownloadKey, tr("Download files to")));
    folderLayout->addRow(tr("Uploads:"), folderRow(m_uploads, FilesPage::UploadKey, tr("Upload files from")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(language);
    layout->addWidget(updates);
    layout->addWidget(folders);
    layout->addWidget(buttons);
    resize(520, sizeHint().height());
}

QWidget* PreferencesDialog::folderRow(QLineEdit*& edit, const QString& key, const QString& title)
{
    auto* row = new QWidget(this);
    edit = new QLineEdit(Platform::rememberedFolder(m_settings, key), row);
    edit->setObjectName(key);
    edit->setAccessibleName(title);
    auto* browse = new QPushButton(tr("Choose…"), row);
    browse->setAccessibleDescription(title);
    connect(browse, &QPushButton::clicked, this, [this, edit, title] {
        const QString folder = UserPrompt::folder(this, title, edit->text());
        if (!folder.isEmpty())
            edit->setText(folder);
    });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    layout->addWidget(browse);
    return row;
}

void PreferencesDialog::updateCheckSwitch()
{
    // Without an address there is nothing to check: the switch shows off and cannot be turned on.
    const bool address = !m_updateBase->text().trimmed().isEmpty();
    m_checkAtStart->setEnabled(address);
    if (!address)
        m_checkAtStart->setChecked(false);
}

void PreferencesDialog::accept()
{
    Catalogue::store(m_settings, Catalogue::Language(m_language->currentData().toInt()));
    const QString base = m_updateBase->text().trimmed();
    m_settings.setValue(UpdateChecker::baseUrlKey(), base);
    // Kept on while no address is set, so that an address set later checks as the switch's default says.
    m_settings.setValue(UpdateChecker::checkAtStartKey(), base.isEmpty() || m_checkAtStart->isChecked());
    // A folder left as shown stays what it was, the last one used; a new upload folder is also where
    // replacing a file's content starts.
    const auto setFolder = [this](QLineEdit* edit, const QString& key, const QStringList& keys) {
        const QString folder = edit->text().trimmed();
        if (folder == Platform::rememberedFolder(m_settings, key))
            return;
        for (const QString& k : keys)
            m_settings.setValue(k, folder);
    };
    setFolder(m_downloads, FilesPage::DownloadKey, {FilesPage::DownloadKey});
    setFolder(m_uploads, FilesPage::UploadKey, {FilesPage::UploadKey, FilesPage::ReplaceKey});
    m_settings.sync();
    QDialog::accept();
}

#include "Catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>

void Catalogue::install(Language language)
{
    if (language == Language::English)
        return;
    // By bare name first, so a translation next to the working folder wins; the built-in copy
    // otherwise, whatever the working folder is.
    const QString name = QStringLiteral("OrvoUI_uk_UA.qm");
    if (m_program.load(name) || m_program.load(QStringLiteral(":/i18n/") + name))
        QCoreApplication::installTranslator(&m_program);

    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& dir :
         {appDir, appDir + QStringLiteral("/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (m_qt.load(QStringLiteral("qtbase_uk"), dir)) {
            QCoreApplication::installTranslator(&m_qt);
            break;
        }
    }
}

#include "Catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>

namespace {

const QString EnglishCode = QStringLiteral("en");
const QString UkrainianCode = QStringLiteral("uk");

} // namespace

QString Catalogue::languageKey()
{
    return QStringLiteral("language");
}

Catalogue::Language Catalogue::stored(const QSettings& settings)
{
    return settings.value(languageKey()).toString() == EnglishCode ? Language::English : Language::Ukrainian;
}

void Catalogue::store(QSettings& settings, Language language)
{
    settings.setValue(languageKey(), language == Language::English ? EnglishCode : UkrainianCode);
}

Catalogue::Language Catalogue::chosen(const QStringList& arguments, const QSettings& settings)
{
    // Both spellings QCommandLineParser accepts for a long option.
    if (arguments.contains(QStringLiteral("--english")) || arguments.contains(QStringLiteral("-english")))
        return Language::English;
    return stored(settings);
}

void Catalogue::install(Language language)
{
    const bool english = language == Language::English;
    QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                : QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    // By bare name first, so a translation next to the working folder wins; the built-in copy
    // otherwise, whatever the working folder is. In English the code's own texts show as written and
    // the catalogue carries the page texts and the few texts the code holds in Ukrainian.
    const QString name = english ? QStringLiteral("OrvoUI_en.qm") : QStringLiteral("OrvoUI_uk_UA.qm");
    if (m_program.load(name) || m_program.load(QStringLiteral(":/i18n/") + name))
        QCoreApplication::installTranslator(&m_program);
    if (english)
        return;

    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& dir :
         {appDir, appDir + QStringLiteral("/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (m_qt.load(QStringLiteral("qtbase_uk"), dir)) {
            QCoreApplication::installTranslator(&m_qt);
            break;
        }
    }
}

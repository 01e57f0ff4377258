#pragma once

#include <QStringList>
#include <QTranslator>

class QSettings;

// The program's translation catalogues, installed the same way by the window and the command-line tool.
// Keeps the translators alive for as long as the texts are shown.
class Catalogue
{
public:
    enum class Language
    {
        Ukrainian,
        English,
    };

    // The settings key of the language chosen in the preferences: "uk" or "en".
    static QString languageKey();
    static Language stored(const QSettings& settings);
    static void store(QSettings& settings, Language language);
    // The stored language unless the arguments hold --english, which forces English for one run.
    // Read before the command-line parser exists, so that its texts are already translated.
    static Language chosen(const QStringList& arguments, const QSettings& settings);

    // Installs the language's catalogue and makes its locale the default one for numbers and sizes.
    void install(Language language);

private:
    QTranslator m_program;
    QTranslator m_qt;
};

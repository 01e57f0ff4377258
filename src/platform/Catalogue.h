#pragma once

#include <QTranslator>

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

    void install(Language language);

private:
    QTranslator m_program;
    QTranslator m_qt;
};

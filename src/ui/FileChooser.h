#pragma once

#include <functional>

#include <QString>

class QWidget;

// Every file dialog of the window is run through here, so that tests can answer it without a modal loop.
class FileChooser
{
public:
    enum class Mode
    {
        Open,
        Save,
    };
    // Gets what the dialog would show and returns the chosen path; empty answers as Cancel would.
    using Chooser = std::function<QString(Mode mode, const QString& caption, const QString& path)>;

    static void setChooser(Chooser chooser);
    static QString openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);
    static QString saveFile(QWidget* parent, const QString& caption, const QString& path, const QString& filter);
};

#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

class QWidget;

// The file dialogs and text questions of the window go through here, so that one place decides how
// they are answered: by the user, or by an answerer installed instead (tests answer without a modal
// loop).
class UserPrompt
{
public:
    enum Kind
    {
        OpenFiles,
        OpenFile,
        SaveFile,
        Folder,
        Text,
    };
    struct Request
    {
        Kind kind = OpenFile;
        QString title;
        QString label; // Text only
        QString start; // the folder, path or text the dialog starts with
    };
    // Returns the chosen paths (one for every kind but OpenFiles) or the text; nullopt cancels.
    using Answerer = std::function<std::optional<QStringList>(const Request& request)>;

    static void setAnswerer(Answerer answerer);

    // Empty when cancelled.
    static QStringList openFiles(QWidget* parent, const QString& title, const QString& folder);
    static QString openFile(QWidget* parent, const QString& title, const QString& folder);
    static QString saveFile(QWidget* parent, const QString& title, const QString& path);
    static QString folder(QWidget* parent, const QString& title, const QString& folder);
    // nullopt when cancelled.
    static std::optional<QString> text(QWidget* parent, const QString& title, const QString& label,
                                       const QString& start);

private:
    static std::optional<QStringList> ask(QWidget* parent, const Request& request);
};

#include "UserPrompt.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>

#include "FocusReturn.h"
#include "PlainText.h"

namespace {
UserPrompt::Answerer& answerer()
{
    static UserPrompt::Answerer installed;
    return installed;
}
} // namespace

void UserPrompt::setAnswerer(Answerer answerer)
{
    ::answerer() = std::move(answerer);
}

std::optional<QStringList> UserPrompt::ask(QWidget* parent, const Request& request)
{
    if (answerer())
        return answerer()(request);
    const FocusReturn focusBack;
    QStringList chosen;
    switch (request.kind) {
    case OpenFiles:
        chosen = QFileDialog::getOpenFileNames(parent, request.title, request.start);
        break;
    case OpenFile:
        chosen << QFileDialog::getOpenFileName(parent, request.title, request.start);
        break;
    case SaveFile:
        chosen << QFileDialog::getSaveFileName(parent, request.title, request.start);
        break;
    case Folder:
        chosen << QFileDialog::getExistingDirectory(parent, request.title, request.start, QFileDialog::ShowDirsOnly);
        break;
    case Text: {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(request.title);
        dialog.setLabelText(request.label); // may name a device file
        PlainText::set(dialog.findChildren<QLabel*>());
        dialog.setTextValue(request.start);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return QStringList(dialog.textValue());
    }
    }
    chosen.removeAll(QString());
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

QStringList UserPrompt::openFiles(QWidget* parent, const QString& title, const QString& folder)
{
    return ask(parent, {OpenFiles, title, {}, folder}).value_or(QStringList());
}

QString UserPrompt::openFile(QWidget* parent, const QString& title, const QString& folder)
{
    return ask(parent, {OpenFile, title, {}, folder}).value_or(QStringList()).value(0);
}

QString UserPrompt::saveFile(QWidget* parent, const QString& title, const QString& path)
{
    return ask(parent, {SaveFile, title, {}, path}).value_or(QStringList()).value(0);
}

QString UserPrompt::folder(QWidget* parent, const QString& title, const QString& folder)
{
    return ask(parent, {Folder, title, {}, folder}).value_or(QStringList()).value(0);
}

std::optional<QString> UserPrompt::text(QWidget* parent, const QString& title, const QString& label,
                                        const QString& start)
{
    const std::optional<QStringList> answer = ask(parent, {Text, title, label, start});
    if (!answer)
        return std::nullopt;
    return answer->value(0);
}

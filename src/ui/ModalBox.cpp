#include "ModalBox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "FocusReturn.h"

namespace {
ModalBox::Chooser& chooser()
{
    static ModalBox::Chooser installed;
    return installed;
}
} // namespace

void ModalBox::setChooser(Chooser chooser)
{
    ::chooser() = std::move(chooser);
}

QAbstractButton* ModalBox::exec(QMessageBox& box)
{
    if (box.textFormat() == Qt::AutoText)
        box.setTextFormat(Qt::PlainText);
    const FocusReturn focusBack;
    if (!chooser()) {
        box.exec();
        return box.clickedButton();
    }
    QAbstractButton* button = chooser()(box);
    if (button)
        button->click();
    return box.clickedButton();
}

bool ModalBox::confirm(QWidget* parent, const QString& action, const QString& question)
{
    QMessageBox box(QMessageBox::Question, action, question, QMessageBox::NoButton, parent);
    QPushButton* proceed = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    return exec(box) == proceed;
}

#include "ModalBox.h"

#include <QAbstractButton>
#include <QMessageBox>

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
    if (!chooser()) {
        box.exec();
        return box.clickedButton();
    }
    QAbstractButton* button = chooser()(box);
    if (button)
        button->click();
    return box.clickedButton();
}

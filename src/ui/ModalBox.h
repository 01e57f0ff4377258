#pragma once

#include <functional>

class QAbstractButton;
class QMessageBox;

// Every message box of the window is run through here, so that one place decides how a box is
// answered: modally by the user, or by a chooser installed instead (tests pick a button without a
// modal loop).
class ModalBox
{
public:
    // Gets the prepared box and returns the button to press; nullptr answers as Escape would.
    using Chooser = std::function<QAbstractButton*(QMessageBox& box)>;

    static void setChooser(Chooser chooser);
    // Runs the box and returns the button pressed (nullptr when it was closed without one).
    static QAbstractButton* exec(QMessageBox& box);
};

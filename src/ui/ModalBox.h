#pragma once

#include <functional>

class QAbstractButton;
class QMessageBox;
class QString;
class QWidget;

// Every message box of the window is run through here, so that one place decides how a box is
// answered: modally by the user, or by a chooser installed instead (tests pick a button without a
// modal loop).
class ModalBox
{
public:
    // Gets the prepared box and returns the button to press; nullptr answers as Escape would.
    using Chooser = std::function<QAbstractButton*(QMessageBox& box)>;

    static void setChooser(Chooser chooser);
    // Runs the box and returns the button pressed (nullptr when it was closed without one). Its text
    // shows as it is unless the box asked for rich text: it may carry names the device supplied.
    static QAbstractButton* exec(QMessageBox& box);
    // Asks before a step that acts on the car or drops the connection. The box offers the action by
    // name and Cancel, which is the default, so that a stray Return does nothing.
    static bool confirm(QWidget* parent, const QString& action, const QString& question);
};

#pragma once

#include <QPointer>
#include <QWidget>

// Gives the keyboard focus back to the control that had it when a dialog opened, once the dialog is gone;
// without it a keyboard user may find the focus nowhere and have to start over from the window's top.
class FocusReturn
{
public:
    FocusReturn();
    ~FocusReturn();
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_focus;
};

#include "FocusReturn.h"

#include <QApplication>

FocusReturn::FocusReturn() : m_focus(QApplication::focusWidget()) {}

FocusReturn::~FocusReturn()
{
    if (!m_focus || !m_focus->isVisible())
        return;
    m_focus->activateWindow();
    m_focus->setFocus(Qt::OtherFocusReason);
}

#include "WideComboBox.h"

#include <QAbstractItemView>

void WideComboBox::showPopup()
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, fontMetrics().horizontalAdvance(itemText(i)));
    view()->setMinimumWidth(widest + PopupExtra);
    QComboBox::showPopup();
}

#include "PlainText.h"

#include <QLabel>

void PlainText::set(const QList<QLabel*>& labels)
{
    for (QLabel* label : labels)
        label->setTextFormat(Qt::PlainText);
}

#include "UsbPanel.h"

#include <QWidget>

TransportPanel* UsbPanel::create(QWidget* parent)
{
    return new UsbPanel(parent);
}

void UsbPanel::install(QToolBar*, QWidget*)
{}

void UsbPanel::setActive(bool)
{}

bool UsbPanel::hasControls() const
{
    return false;
}

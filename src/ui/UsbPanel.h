#pragma once

#include "TransportPanel.h"

// USB needs no settings, so its panel adds nothing.
class UsbPanel : public TransportPanel
{
    Q_OBJECT
public:
    using TransportPanel::TransportPanel;

    static TransportPanel* create(QWidget* parent);

    void install(QToolBar* toolBar, QWidget* parent) override;
    void setActive(bool active) override;
    bool hasControls() const override;
};

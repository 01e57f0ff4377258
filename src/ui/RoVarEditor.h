#pragma once

#include "VarEditor.h"

class QLabel;

// A value shown but not edited: for rows marked read-only by the page or by the device, and for bitmaps.
class RoVarEditor : public VarEditor
{
    Q_OBJECT
public:
    RoVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent = nullptr);

    void setValue(const VarRecord& record) override;
    void clearValue() override;
    bool alignLeft() const override;

    // What the display shows, for rows that show text.
    QString text() const;
    // Whether an on/off display shows "on".
    bool isOn() const { return m_on; }

private:
    bool showsIcon() const;

    QLabel* m_label;
    bool m_on = false;
};

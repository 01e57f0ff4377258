#pragma once

#include "VarEditor.h"

class QComboBox;

// A drop-down of the option labels of the page description.
class SelectVarEditor : public VarEditor
{
    Q_OBJECT
public:
    SelectVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent = nullptr);

    void setValue(const VarRecord& record) override;
    void clearValue() override;

    QComboBox* comboBox() const { return m_combo; }

private:
    QComboBox* m_combo;
};

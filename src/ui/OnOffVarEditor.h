#pragma once

#include "VarEditor.h"

class QCheckBox;

// A check box: a flag variable, or for a redirect switch whether the variable points at its target.
class OnOffVarEditor : public VarEditor
{
    Q_OBJECT
public:
    OnOffVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent = nullptr);

    void setValue(const VarRecord& record) override;
    void clearValue() override;
    bool alignLeft() const override;

    QCheckBox* checkBox() const { return m_check; }

private:
    QCheckBox* m_check;
};

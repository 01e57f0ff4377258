#include "SelectVarEditor.h"

#include <QLayout>

#include "WideComboBox.h"

#include "vars/VARS.h"

SelectVarEditor::SelectVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent)
    : VarEditor(std::move(info), vars, parent), m_combo(new WideComboBox(this))
{
    for (const VarUiInfo::Option& option : this->info().options)
        m_combo->addItem(option.second, option.first);
    guardWheel(m_combo);
    layout()->addWidget(m_combo);
    connect(m_combo, &QComboBox::activated, this,
            [this](int index) { Q_EMIT edited(QString::number(m_combo->itemData(index).toInt())); });
}

void SelectVarEditor::setValue(const VarRecord& record)
{
    const int index = m_combo->findData(intOf(record));
    m_combo->setCurrentIndex(index);
    if (index < 0)
        m_combo->setPlaceholderText(vars().valueText(record));
}

void SelectVarEditor::clearValue()
{
    m_combo->setCurrentIndex(-1);
    m_combo->setPlaceholderText(QString());
}

#include "SelectVarEditor.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLayout>

#include "vars/VARS.h"

namespace {

constexpr int PopupExtra = 30;

} // namespace

SelectVarEditor::SelectVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent)
    : VarEditor(std::move(info), vars, parent), m_combo(new QComboBox(this))
{
    for (const VarUiInfo::Option& option : this->info().options)
        m_combo->addItem(option.second, option.first);
    widenPopup(m_combo);
    guardWheel(m_combo);
    layout()->addWidget(m_combo);
    connect(m_combo, &QComboBox::activated, this,
            [this](int index) { Q_EMIT edited(QString::number(m_combo->itemData(index).toInt())); });
}

void SelectVarEditor::widenPopup(QComboBox* combo)
{
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = qMax(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    combo->view()->setMinimumWidth(widest + PopupExtra);
}

void SelectVarEditor::setValue(const VarRecord& record)
{
    const int index = m_combo->findData(intOf(record));
    m_combo->setCurrentIndex(index);
    if (index < 0)
        m_combo->setPlaceholderText(vars().valueText(record));
}

#include "OnOffVarEditor.h"

#include <QCheckBox>
#include <QLayout>
#include <QSignalBlocker>

#include "vars/VarRecord.h"

OnOffVarEditor::OnOffVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent)
    : VarEditor(std::move(info), vars, parent), m_check(new QCheckBox(this))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    layout()->addWidget(m_check);
    connect(m_check, &QCheckBox::clicked, this,
            [this](bool checked) { Q_EMIT edited(checked ? QStringLiteral("1") : QStringLiteral("0")); });
}

bool OnOffVarEditor::alignLeft() const
{
    return true;
}

void OnOffVarEditor::setValue(const VarRecord& record)
{
    const QSignalBlocker blocker(m_check);
    m_check->show();
    if (info().kind == VarKind::OnOffRedir)
        m_check->setChecked(record.redir == info().target);
    else
        m_check->setChecked(intOf(record) != 0);
}

void OnOffVarEditor::clearValue()
{
    // An unticked box would read as "off".
    m_check->hide();
}

#include "RoVarEditor.h"

#include <QLabel>
#include <QLayout>
#include <QStyle>

#include "vars/VARS.h"

RoVarEditor::RoVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent)
    : VarEditor(std::move(info), vars, parent), m_label(new QLabel(this))
{
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_label->setWordWrap(true);
    // Device texts are shown as they are, never as markup.
    m_label->setTextFormat(Qt::PlainText);
    layout()->addWidget(m_label);
    if (showsIcon())
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

bool RoVarEditor::showsIcon() const
{
    return info().kind == VarKind::OnOff || info().kind == VarKind::OnOffRedir;
}

bool RoVarEditor::alignLeft() const
{
    return showsIcon();
}

QString RoVarEditor::text() const
{
    return m_label->text();
}

void RoVarEditor::setValue(const VarRecord& record)
{
    const VarUiInfo& ui = info();
    if (showsIcon()) {
        m_on = ui.kind == VarKind::OnOff ? intOf(record) != 0 : record.redir == ui.target;
        const QStyle::StandardPixmap icon = m_on ? QStyle::SP_DialogApplyButton : QStyle::SP_DialogCancelButton;
        m_label->setPixmap(standardPixmap(this, icon));
        return;
    }
    QString text;
    switch (ui.kind) {
    case VarKind::Float:
    case VarKind::Float2:
    case VarKind::SliderF:
        text = ui.floatText(floatOf(record));
        break;
    case VarKind::Select:
        text = ui.optionText(intOf(record));
        if (text.isEmpty())
            text = vars().valueText(record);
        break;
    default:
        text = vars().valueText(record);
        break;
    }
    m_label->setText(text);
}

void RoVarEditor::clearValue()
{
    m_on = false;
    m_label->clear();
}

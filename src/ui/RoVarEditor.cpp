#include "RoVarEditor.h"

#include <QLabel>
#include <QLayout>
#include <QRegularExpression>
#include <QStyle>

#include "vars/VARS.h"

namespace {

// The page's format goes to printf with one double; anything but a single floating conversion
// would read past it, so such a format falls back to the plain one.
QString floatText(const QString& format, double value)
{
    static const QRegularExpression oneFloat(
        QStringLiteral("^([^%]|%%)*%[-+ #0]*[0-9]*(\\.[0-9]*)?[aAeEfFgG]([^%]|%%)*$"));
    const QString safe = oneFloat.match(format).hasMatch() ? format : QStringLiteral("%f");
    return QString::asprintf(safe.toUtf8().constData(), value);
}

} // namespace

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
        text = floatText(ui.format.isEmpty() ? QStringLiteral("%f") : ui.format, floatOf(record));
        break;
    case VarKind::Select:
        text = ui.optionText(intOf(record));
        if (text.isEmpty())
            text = vars().valueText(record);
        break;
    case VarKind::SliderF:
        text = QString::number(floatOf(record), 'g', 6);
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

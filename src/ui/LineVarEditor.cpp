#include "LineVarEditor.h"

#include <limits>

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolTip>

#include "vars/VARS.h"

namespace {

// Dark text on the yellow whatever the palette, so that a dark one stays readable.
const char* const ModifiedStyle = "background-color: yellow; color: black";

} // namespace

LineVarEditor::Utf8MaxValidator::Utf8MaxValidator(QObject* parent) : QValidator(parent)
{}

QValidator::State LineVarEditor::Utf8MaxValidator::validate(QString& input, int&) const
{
    if (m_limit > 0 && input.toUtf8().size() > m_limit)
        return Invalid;
    return Acceptable;
}

LineVarEditor::LineVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent)
    : VarEditor(std::move(info), vars, parent), m_edit(new QLineEdit(this))
{
    layout()->addWidget(m_edit);
    auto pattern = [this](const char* expression) {
        m_edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(expression)), m_edit));
    };
    switch (this->info().kind) {
    case VarKind::Unsigned:
        pattern("[0-9]{0,10}");
        break;
    case VarKind::Integer:
        pattern("-?[0-9]{0,10}");
        break;
    case VarKind::Float:
    case VarKind::Float2:
        pattern("-?[0-9]*[.,]?[0-9]*([eE][-+]?[0-9]*)?");
        break;
    case VarKind::Char:
        m_edit->setMaxLength(1);
        break;
    default:
        m_utf8 = new Utf8MaxValidator(m_edit);
        m_edit->setValidator(m_utf8);
        m_bytes = new QLabel(this);
        m_bytes->hide();
        layout()->addWidget(m_bytes);
        break;
    }
    connect(m_edit, &QLineEdit::textEdited, this, &LineVarEditor::onTextEdited);
    connect(m_edit, &QLineEdit::editingFinished, this, &LineVarEditor::onEditingFinished);
}

void LineVarEditor::setValue(const VarRecord& record)
{
    if (m_utf8 && record.maxLen != 0)
        m_utf8->setLimit(qMin<int>(record.maxLen, record.textLimit));
    m_typeRange = VARS::integerRange(record, &m_min, &m_max);
    const VarKind kind = info().kind;
    m_shown = kind == VarKind::Float || kind == VarKind::Float2 ? info().floatText(floatOf(record))
                                                                : vars().valueText(record);
    if (!m_modified)
        m_edit->setText(m_shown);
}

void LineVarEditor::clearValue()
{
    endEditing();
    m_edit->clear();
}

bool LineVarEditor::integerLimits(qint64* min, qint64* max) const
{
    const VarKind kind = info().kind;
    if (kind != VarKind::Unsigned && kind != VarKind::Integer)
        return false;
    if (m_typeRange) {
        *min = m_min;
        *max = m_max;
    } else if (kind == VarKind::Unsigned) {
        *min = 0;
        *max = std::numeric_limits<uint32_t>::max();
    } else {
        *min = std::numeric_limits<int32_t>::min();
        *max = std::numeric_limits<int32_t>::max();
    }
    // The unsigned editor takes no minus sign, whatever the variable holds.
    if (kind == VarKind::Unsigned)
        *min = qMax<qint64>(*min, 0);
    return true;
}

QString LineVarEditor::rangeText() const
{
    qint64 min = 0;
    qint64 max = 0;
    if (integerLimits(&min, &max))
        return allowedText(QString::number(min), QString::number(max));
    if (m_utf8)
        return tr("At most %1 bytes").arg(m_utf8->limit());
    if (info().kind == VarKind::Char)
        return tr("One character");
    return {};
}

void LineVarEditor::onTextEdited()
{
    if (m_bytes) {
        m_bytes->setText(tr("%1 / %2 bytes").arg(m_edit->text().toUtf8().size()).arg(m_utf8->limit()));
        m_bytes->show();
    }
    if (m_modified)
        return;
    m_modified = true;
    m_edit->setStyleSheet(QString::fromLatin1(ModifiedStyle));
}

void LineVarEditor::endEditing()
{
    m_modified = false;
    m_edit->setStyleSheet(QString());
    if (m_bytes)
        m_bytes->hide();
}

void LineVarEditor::onEditingFinished()
{
    if (!m_modified)
        return;
    endEditing();
    QString text = m_edit->text();
    bool valid = true;
    qint64 min = 0;
    qint64 max = 0;
    switch (info().kind) {
    case VarKind::Unsigned:
    case VarKind::Integer: {
        // Cut to the variable's width, the number would reach the device as another number.
        const qint64 value = text.toLongLong(&valid);
        if (valid && integerLimits(&min, &max) && (value < min || value > max)) {
            m_edit->setText(m_shown);
            QToolTip::showText(m_edit->mapToGlobal(QPoint(0, m_edit->height())), doesNotFit(text), m_edit);
            return;
        }
        break;
    }
    case VarKind::Float:
    case VarKind::Float2:
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        text.toFloat(&valid);
        break;
    default:
        break;
    }
    if (!valid) {
        m_edit->setText(m_shown);
        return;
    }
    Q_EMIT edited(text);
}

#include "LineVarEditor.h"

#include <QLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "vars/VARS.h"

namespace {

const char* const ModifiedStyle = "background-color: yellow";

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
        break;
    }
    connect(m_edit, &QLineEdit::textEdited, this, &LineVarEditor::onTextEdited);
    connect(m_edit, &QLineEdit::editingFinished, this, &LineVarEditor::onEditingFinished);
}

void LineVarEditor::setValue(const VarRecord& record)
{
    if (m_utf8 && record.maxLen != 0)
        m_utf8->setLimit(qMin<int>(record.maxLen, record.textLimit));
    m_shown = vars().valueText(record);
    if (!m_modified)
        m_edit->setText(m_shown);
}

void LineVarEditor::onTextEdited()
{
    if (m_modified)
        return;
    m_modified = true;
    m_edit->setStyleSheet(QString::fromLatin1(ModifiedStyle));
}

void LineVarEditor::onEditingFinished()
{
    if (!m_modified)
        return;
    m_modified = false;
    m_edit->setStyleSheet(QString());
    QString text = m_edit->text();
    bool valid = true;
    switch (info().kind) {
    case VarKind::Unsigned:
        text.toUInt(&valid);
        break;
    case VarKind::Integer:
        text.toInt(&valid);
        break;
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

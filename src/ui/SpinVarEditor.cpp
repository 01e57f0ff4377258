#include "SpinVarEditor.h"

#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSlider>
#include <QSpinBox>

#include "vars/VarRecord.h"

namespace {

constexpr int FloatDecimals = 3;
constexpr int TickDivisions = 5;

} // namespace

SpinVarEditor::SpinVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent)
    : VarEditor(std::move(info), vars, parent)
{
    const VarUiInfo& ui = this->info();
    auto* box = static_cast<QHBoxLayout*>(layout());
    if (ui.kind == VarKind::SliderF) {
        m_floatSpin = new QDoubleSpinBox(this);
        m_floatSpin->setDecimals(FloatDecimals);
        m_floatSpin->setRange(ui.fmin, ui.fmax);
        m_floatSpin->setSingleStep(ui.fstep);
        guardWheel(m_floatSpin);
        box->addWidget(m_floatSpin);
        box->addStretch();
        connect(m_floatSpin, &QDoubleSpinBox::valueChanged, this, &SpinVarEditor::onValueChanged);
    } else {
        m_spin = new QSpinBox(this);
        m_spin->setRange(ui.min, ui.max);
        m_spin->setSingleStep(ui.step);
        m_spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        m_slider = new QSlider(Qt::Horizontal, this);
        m_slider->setRange(ui.min, ui.max);
        m_slider->setSingleStep(ui.step);
        m_slider->setTickPosition(QSlider::TicksBelow);
        m_slider->setTickInterval(qMax((ui.max - ui.min) / TickDivisions, 1));
        guardWheel(m_spin);
        guardWheel(m_slider);
        box->addWidget(m_spin);
        box->addWidget(m_slider, 1);
        box->addStretch(); // keeps the spin box at the left while the slider is hidden
        connect(m_spin, &QSpinBox::valueChanged, m_slider, &QSlider::setValue);
        connect(m_slider, &QSlider::valueChanged, m_spin, &QSpinBox::setValue);
        connect(m_spin, &QSpinBox::valueChanged, this, &SpinVarEditor::onValueChanged);
    }
    QAbstractSpinBox* spin = m_floatSpin ? static_cast<QAbstractSpinBox*>(m_floatSpin) : m_spin;
    // Typed digits become a value on Enter or when the focus leaves, never half typed.
    spin->setKeyboardTracking(false);
    connect(spin, &QAbstractSpinBox::editingFinished, this, &SpinVarEditor::onEditingFinished);
    if (auto* edit = spin->findChild<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, [this] { m_typing = true; });
    m_sendTimer.setSingleShot(true);
    m_sendTimer.setInterval(SendDelayMs);
    connect(&m_sendTimer, &QTimer::timeout, this, &SpinVarEditor::send);
}

void SpinVarEditor::onValueChanged()
{
    if (!m_updating)
        m_sendTimer.start();
}

void SpinVarEditor::onEditingFinished()
{
    m_typing = false;
    // An entered number goes at once; so does a step still waiting when the focus leaves.
    if (m_sendTimer.isActive()) {
        m_sendTimer.stop();
        send();
    }
}

void SpinVarEditor::send()
{
    if (m_floatSpin)
        Q_EMIT edited(QString::number(m_floatSpin->value(), 'g', 9));
    else
        Q_EMIT edited(QString::number(m_spin->value()));
}

void SpinVarEditor::setValue(const VarRecord& record)
{
    // A value the user is still choosing wins over what the device reports meanwhile.
    if (m_typing || m_sendTimer.isActive() || (m_slider && m_slider->isSliderDown()))
        return;
    const QScopedValueRollback updating(m_updating, true);
    if (m_slider)
        m_slider->show();
    if (m_floatSpin)
        m_floatSpin->setValue(floatOf(record));
    else
        m_spin->setValue(intOf(record));
}

void SpinVarEditor::clearValue()
{
    m_sendTimer.stop();
    m_typing = false;
    if (m_floatSpin) {
        m_floatSpin->clear();
        return;
    }
    m_spin->clear();
    // A slider always points somewhere; hidden, it claims no value.
    m_slider->hide();
}

QString SpinVarEditor::rangeText() const
{
    if (m_floatSpin)
        return allowedText(QString::number(m_floatSpin->minimum()), QString::number(m_floatSpin->maximum()));
    return allowedText(QString::number(m_spin->minimum()), QString::number(m_spin->maximum()));
}

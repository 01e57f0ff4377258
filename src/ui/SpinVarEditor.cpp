#include "SpinVarEditor.h"

#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolTip>

#include <algorithm>
#include <functional>

#include "vars/VarRecord.h"

namespace {

constexpr int TickDivisions = 5;

// Takes a typed number outside the range as unfinished rather than dropping the keystroke, so that the
// box never shows another number than the one typed; such a number is never entered.
class TypedSpinBox : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;
    std::function<void(const QString& text)> outOfRange;

protected:
    QValidator::State validate(QString& input, int& pos) const override
    {
        const QValidator::State state = QSpinBox::validate(input, pos);
        static const QRegularExpression number(QStringLiteral("^-?[0-9]{1,10}$"));
        if (state != QValidator::Invalid || !number.match(input).hasMatch())
            return state;
        if (outOfRange)
            outOfRange(input);
        return QValidator::Intermediate;
    }
};

} // namespace

SpinVarEditor::SpinVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent)
    : VarEditor(std::move(info), vars, parent)
{
    const VarUiInfo& ui = this->info();
    auto* box = static_cast<QHBoxLayout*>(layout());
    if (ui.kind == VarKind::SliderF) {
        m_floatSpin = new QDoubleSpinBox(this);
        m_floatSpin->setDecimals(ui.decimals());
        m_floatSpin->setRange(ui.fmin, ui.fmax);
        m_floatSpin->setSingleStep(ui.fstep);
        guardWheel(m_floatSpin);
        box->addWidget(m_floatSpin);
        box->addStretch();
        connect(m_floatSpin, &QDoubleSpinBox::valueChanged, this, &SpinVarEditor::onValueChanged);
    } else {
        auto* spin = new TypedSpinBox(this);
        spin->outOfRange = [this](const QString& text) { refuse(text); };
        m_spin = spin;
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
        connect(m_spin, &QSpinBox::valueChanged, this, [this](int value) {
            // A typed number stays as typed; only what the slider chooses keeps to the steps.
            const QSignalBlocker block(m_slider);
            m_slider->setValue(value);
        });
        connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
            const int snapped = onStep(value);
            if (snapped != value) {
                const QSignalBlocker block(m_slider);
                m_slider->setValue(snapped);
            }
            m_spin->setValue(snapped);
        });
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

int SpinVarEditor::onStep(int value) const
{
    const VarUiInfo& ui = info();
    if (ui.step <= 1)
        return value;
    const qint64 steps = (qint64(value) - ui.min + ui.step / 2) / ui.step;
    return int(std::clamp<qint64>(qint64(ui.min) + steps * ui.step, ui.min, ui.max));
}

void SpinVarEditor::refuse(const QString& text)
{
    QToolTip::showText(m_spin->mapToGlobal(QPoint(0, m_spin->height())), doesNotFit(text), m_spin);
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

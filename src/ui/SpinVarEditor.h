#pragma once

#include <QTimer>

#include "VarEditor.h"

class QDoubleSpinBox;
class QSlider;
class QSpinBox;

// A number in a range: an integer spin box with a slider, or a floating-point spin box. A stepped
// change is sent once the user has stopped changing it for a moment, not at every step of a drag; a
// typed number once it is entered, not at every keystroke.
class SpinVarEditor : public VarEditor
{
    Q_OBJECT
public:
    static constexpr int SendDelayMs = 300;

    SpinVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent = nullptr);

    void setValue(const VarRecord& record) override;
    void clearValue() override;
    QString rangeText() const override;

    QSpinBox* spinBox() const { return m_spin; }
    QSlider* slider() const { return m_slider; }
    QDoubleSpinBox* floatSpinBox() const { return m_floatSpin; }

private:
    // The nearest value on the row's steps, for the slider.
    int onStep(int value) const;
    void refuse(const QString& text);
    void onValueChanged();
    void onEditingFinished();
    void send();

    QSpinBox* m_spin = nullptr;
    QSlider* m_slider = nullptr;
    QDoubleSpinBox* m_floatSpin = nullptr;
    QTimer m_sendTimer;
    bool m_updating = false;
    bool m_typing = false; // text typed into the spin box and not yet entered
};

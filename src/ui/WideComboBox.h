#pragma once

#include <QComboBox>

// A drop-down whose list opens at least as wide as its longest entry, however narrow the box is.
class WideComboBox : public QComboBox
{
    Q_OBJECT
public:
    static constexpr int PopupExtra = 30;

    using QComboBox::QComboBox;

    // Measured as the list opens: a page holds hundreds of these, most of them never opened.
    void showPopup() override;
};

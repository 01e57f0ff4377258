#pragma once

#include <QList>

class QLabel;

// Labels that can show a text the device supplied (USB strings, variable values, file names). Qt
// takes a text that looks like markup for rich text, so a name holding tags would restyle the window
// or hide part of a message; these labels show every text as it is.
namespace PlainText {
void set(const QList<QLabel*>& labels);
} // namespace PlainText

#pragma once

#include <cstdint>

#include <QStyle>
#include <QWidget>

#include "vars/VarUiInfo.h"

class VARS;
struct VarRecord;

// The value part of a row on a page: shows a store record and reports what the user committed,
// as text in the form the store parses.
class VarEditor : public QWidget
{
    Q_OBJECT
public:
    VarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent = nullptr);

    virtual void setValue(const VarRecord& record) = 0;
    // The device has no value for the row: nothing is shown (setValue shows it again).
    virtual void clearValue() = 0;
    // The values the editor takes, for the row's tooltip; empty when there is nothing to say.
    virtual QString rangeText() const;
    // Compact editors hug the left edge of their cell.
    virtual bool alignLeft() const;

    const VarUiInfo& info() const { return *m_info; }

    // One of the style's standard icons at the size rows show them, decoded once for all rows.
    static QPixmap standardPixmap(const QWidget* widget, QStyle::StandardPixmap which);

Q_SIGNALS:
    void edited(QString text);

protected:
    const VARS& vars() const { return m_vars; }
    // The record's first four value bytes as the device's number.
    static int32_t intOf(const VarRecord& record);
    // The record's number as a float: its bits for float variables, else the integer it holds.
    static double floatOf(const VarRecord& record);
    // Strong focus, and the mouse wheel only acts once the widget has it, so scrolling a page never
    // changes a value on the way.
    static void guardWheel(QWidget* widget);
    static QString allowedText(const QString& min, const QString& max);
    // Why a typed number is not taken, with the values the row takes.
    QString doesNotFit(const QString& typed) const;

private:
    VarUiInfoPtr m_info;
    const VARS& m_vars;
};

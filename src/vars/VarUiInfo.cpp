#include "VarUiInfo.h"

#include <QLocale>
#include <QRegularExpression>

#include <QHash>

#include "VarsUIAttr.h"

QString VarUiInfo::optionText(int value) const
{
    for (const Option& option : options) {
        if (option.first == value)
            return option.second;
    }
    return QString();
}

namespace {

// The page's format holds one floating conversion, with any text around it ("%.1f %%").
const QRegularExpression& oneFloat()
{
    static const QRegularExpression expression(
        QStringLiteral("^((?:[^%]|%%)*)%[-+ #0]*[0-9]*(?:\\.([0-9]*))?[aAeEfFgG]((?:[^%]|%%)*)$"));
    return expression;
}

} // namespace

int VarUiInfo::decimals() const
{
    constexpr int Default = 3;
    constexpr int PrintfDefault = 6; // what a conversion without a precision gives
    constexpr int Most = 9;          // a float holds no more
    const QRegularExpressionMatch match = oneFloat().match(format);
    if (!match.hasMatch())
        return Default;
    if (!match.hasCaptured(2))
        return PrintfDefault;
    return qMin(match.captured(2).toInt(), Most);
}

QString VarUiInfo::floatText(double value) const
{
    QLocale locale;
    // Group separators would not read back as a number in the row's editor.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString number = locale.toString(value, 'f', decimals());
    const QRegularExpressionMatch match = oneFloat().match(format);
    if (!match.hasMatch())
        return number;
    const auto text = [&match](int part) {
        return match.captured(part).replace(QStringLiteral("%%"), QStringLiteral("%"));
    };
    return text(1) + number + text(3);
}

VarKind VarUiInfo::kindOf(const QString& uitype)
{
    static const QHash<QString, VarKind> kinds = {
        {QStringLiteral("unsigned"), VarKind::Unsigned}, {QStringLiteral("integer"), VarKind::Integer},
        {QStringLiteral("float"), VarKind::Float},       {QStringLiteral("float2"), VarKind::Float2},
        {QStringLiteral("char"), VarKind::Char},         {QStringLiteral("select"), VarKind::Select},
        {QStringLiteral("bitmap"), VarKind::Bitmap},     {QStringLiteral("onoff"), VarKind::OnOff},
        {QStringLiteral("slider"), VarKind::Slider},     {QStringLiteral("onoff_redir"), VarKind::OnOffRedir},
        {QStringLiteral("sliderf"), VarKind::SliderF},   {QStringLiteral("3_way_redir"), VarKind::ThreeWayRedir},
    };
    return kinds.value(uitype, VarKind::String);
}

void VarUiInfo::readAttributes(const VarsUIAttr& a)
{
    const QString comma = QStringLiteral(",");
    id = a.id;
    rid = a.rid;
    attr = &a;
    uitype = a.stringValue(QStringLiteral("uitype"));
    noUitype = uitype.isEmpty();
    kind = kindOf(uitype);
    readonly = a.boolValue(QStringLiteral("readonly"), false);
    inv = a.boolValue(QStringLiteral("inv"), false);
    revRedir = a.boolValue(QStringLiteral("rev_redir"), false);

    format = a.stringValue(QStringLiteral("format"));
    if (format.isEmpty() && kind == VarKind::Float)
        format = QStringLiteral("%.3f");
    else if (format.isEmpty() && kind == VarKind::Float2)
        format = QStringLiteral("%f");

    if (kind == VarKind::SliderF) {
        fmin = a.floatValue(QStringLiteral("min"), fmin);
        fmax = a.floatValue(QStringLiteral("max"), fmax);
        fstep = a.floatValue(QStringLiteral("step"), fstep);
    } else {
        min = a.intValue(QStringLiteral("min"), min);
        max = a.intValue(QStringLiteral("max"), max);
        step = a.intValue(QStringLiteral("step"), step);
    }

    // A read-only switch never redirects, so its target is not even looked at.
    if (!readonly)
        target = a.intValue(QStringLiteral("target"), 0);
    targetRedirList = a.pairMapValue(QStringLiteral("target_redir_list"));
    groups = a.groups;
    redir = a.redirs;
    redirFrom = a.listValue(QStringLiteral("redir_from"), comma);
    redirTo = a.listValue(QStringLiteral("redir_to"), comma);
}

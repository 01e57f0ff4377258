#include "VarsUIAttr.h"

VarsUIAttr::VarsUIAttr(QObject* parent) : QObject(parent)
{}

qsizetype VarsUIAttr::indexOf(const QString& key) const
{
    const qsizetype i = keys.indexOf(key);
    return i < values.size() ? i : -1;
}

int VarsUIAttr::intValue(const QString& key, int def) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? def : values.at(i).toInt(); // toInt() gives 0 for anything unparsable
}

float VarsUIAttr::floatValue(const QString& key, float def) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? def : values.at(i).toFloat();
}

bool VarsUIAttr::boolValue(const QString& key, bool def) const
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        return def;
    const QString& v = values.at(i);
    return !(v.isEmpty() || v == QLatin1String("0") || v == QLatin1String("false"));
}

QString VarsUIAttr::stringValue(const QString& key, const QString& def) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? def : values.at(i);
}

QStringList VarsUIAttr::listValue(const QString& key, const QString& separator) const
{
    const QString v = stringValue(key);
    return v.isEmpty() ? QStringList() : v.split(separator);
}

QMap<int, int> VarsUIAttr::pairMapValue(const QString& key) const
{
    QMap<int, int> result;
    for (const QString& pair : listValue(key, QStringLiteral(","))) {
        const QStringList sides = pair.split(QStringLiteral("->"));
        result.insert(sides.value(0).trimmed().toInt(), sides.value(1).trimmed().toInt());
    }
    return result;
}

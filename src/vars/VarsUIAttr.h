#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

// The attributes of one variable element of a page description. Keys and values are held lower-cased
// (except the display name), so lookups are plain comparisons.
class VarsUIAttr : public QObject
{
    Q_OBJECT
public:
    explicit VarsUIAttr(QObject* parent = nullptr);

    int id = 0;
    int rid = 0;
    QString name;
    QStringList keys;
    QStringList values;
    QStringList groups;
    QStringList redirs;

    bool has(const QString& key) const { return keys.contains(key); }
    int intValue(const QString& key, int def) const;
    float floatValue(const QString& key, float def) const;
    bool boolValue(const QString& key, bool def) const;
    QString stringValue(const QString& key, const QString& def = QString()) const;
    QStringList listValue(const QString& key, const QString& separator) const;
    QMap<int, int> pairMapValue(const QString& key) const;

private:
    // Index of the key's value, -1 when the element has no such attribute.
    qsizetype indexOf(const QString& key) const;
};

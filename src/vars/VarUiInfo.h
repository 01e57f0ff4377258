#pragma once

#include <memory>

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

class VarsUIAttr;

// Editor kind of a page row; the numbers are those the page descriptions have always used.
enum class VarKind
{
    Unsigned = 0,
    Integer = 1,
    Float = 2,
    Float2 = 3,
    String = 4, // also every uitype the program does not know
    Char = 5,
    Select = 6,
    Bitmap = 7,
    OnOff = 8,
    Slider = 9,
    OnOffRedir = 10,
    SliderF = 11,
    ThreeWayRedir = 12,
};

// How one variable element of a page is shown: one per element, so a variable placed on two pages has two.
struct VarUiInfo
{
    using Option = QPair<int, QString>; // value, label

    int id = 0;
    int rid = 0;
    VarKind kind = VarKind::String;
    QString uitype;
    bool readonly = false;
    bool noUitype = true; // no uitype: loaded for the id map, but no row on the page
    bool summary = false;
    QString name;
    QString help;
    QString pageTitleLower;
    QString pageTitle;
    QString groupTitle;
    QList<Option> options;
    bool inv = false;
    bool revRedir = false;
    QString format;
    int min = 0;
    int max = 1024;
    int step = 1;
    float fmin = 0.0f;
    float fmax = 1024.0f;
    float fstep = 1.0f;
    int target = 0;
    QMap<int, int> targetRedirList;
    QStringList groups;
    QStringList redir;
    QStringList redirFrom;
    QStringList redirTo;
    const VarsUIAttr* attr = nullptr;

    // The variable the row reads and writes in the store.
    int deviceId() const { return rid != 0 ? rid : id; }
    // Label of the option with that value, empty when there is none.
    QString optionText(int value) const;
    // Digits after the decimal point of a float row: the precision its format names, else 3.
    int decimals() const;
    // A float value as the row shows it, with the decimal separator of the interface language.
    QString floatText(double value) const;

    static VarKind kindOf(const QString& uitype);
    // Fills the attribute-driven fields from the element's attributes (id, rid and the uitype-dependent defaults).
    void readAttributes(const VarsUIAttr& attributes);
};

using VarUiInfoPtr = std::shared_ptr<const VarUiInfo>;

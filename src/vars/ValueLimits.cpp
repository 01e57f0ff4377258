#include "ValueLimits.h"

#include <cmath>
#include <cstring>

#include <QStringList>

#include "VarRecord.h"
#include "VarsUI.h"

namespace {

double numberIn(const SettingsFile::Entry& entry)
{
    uint32_t bits = 0;
    for (int i = 0; i < std::min<int>(int(entry.value.size()), int(sizeof bits)); ++i)
        bits |= uint32_t(uint8_t(entry.value.at(i))) << (8 * i);
    if (entry.type == 'F') {
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return double(f);
    }
    if (entry.type == 'I')
        return double(int32_t(bits));
    return double(bits);
}

bool onStep(double value, double from, double step)
{
    if (step <= 0)
        return true;
    const double steps = (value - from) / step;
    // Float steps (0.1) do not divide exactly; a thousandth of a step is what a spin box's rounding leaves.
    return std::abs(steps - std::round(steps)) < 1e-3;
}

} // namespace

QString ValueLimits::refusal(const SettingsFile::Entry& entry, const VarRecord& record) const
{
    const bool number = entry.type != 'T' && entry.type != 'R';
    if (!number)
        return {};
    const double value = numberIn(entry);
    if (!std::isfinite(value))
        return tr("%1 is not a number the device can hold").arg(value);
    if (!m_pages || m_force)
        return {};
    for (const VarUiInfoPtr& row : m_pages->infos()) {
        if (row->noUitype || row->readonly || row->deviceId() != record.id)
            continue;
        const QString shown = QString::number(value, 'g', 9);
        switch (row->kind) {
        case VarKind::Slider:
            if (value < row->min || value > row->max || !onStep(value, row->min, row->step))
                return tr("%1 is outside what \"%2\" allows: %3 to %4 in steps of %5")
                    .arg(shown, row->name)
                    .arg(row->min)
                    .arg(row->max)
                    .arg(row->step);
            break;
        case VarKind::SliderF:
            if (value < row->fmin - 1e-6 || value > row->fmax + 1e-6 || !onStep(value, row->fmin, row->fstep))
                return tr("%1 is outside what \"%2\" allows: %3 to %4 in steps of %5")
                    .arg(shown, row->name)
                    .arg(double(row->fmin))
                    .arg(double(row->fmax))
                    .arg(double(row->fstep));
            break;
        case VarKind::Select: {
            if (row->options.isEmpty())
                break;
            QStringList allowed;
            bool listed = false;
            for (const VarUiInfo::Option& option : row->options) {
                listed = listed || value == double(option.first);
                allowed << QStringLiteral("%1 (%2)").arg(option.first).arg(option.second);
            }
            if (!listed)
                return tr("%1 is none of the options of \"%2\": %3")
                    .arg(shown, row->name, allowed.join(QStringLiteral(", ")));
            break;
        }
        default:
            break;
        }
    }
    return {};
}

#include "VarEditor.h"

#include <cstring>

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPixmapCache>
#include <QPointer>
#include <QtEndian>

#include "vars/VarRecord.h"

namespace {

constexpr int IconSize = 16;

class WheelGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->hasFocus())
            return false;
        // Ignored, so the application hands it on to the parents and the page scrolls instead.
        event->ignore();
        return true;
    }
};

} // namespace

VarEditor::VarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent)
    : QWidget(parent), m_info(std::move(info)), m_vars(vars)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
}

bool VarEditor::alignLeft() const
{
    return false;
}

QString VarEditor::rangeText() const
{
    return {};
}

QString VarEditor::allowedText(const QString& min, const QString& max)
{
    return tr("Allowed: %1 to %2").arg(min, max);
}

QString VarEditor::doesNotFit(const QString& typed) const
{
    return tr("%1 does not fit this setting.").arg(typed) + QLatin1Char(' ') + rangeText();
}

int32_t VarEditor::intOf(const VarRecord& record)
{
    return qFromLittleEndian<int32_t>(record.num);
}

double VarEditor::floatOf(const VarRecord& record)
{
    const uint32_t bits = qFromLittleEndian<uint32_t>(record.num);
    switch (record.type) {
    case 'F': {
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 'I':
        return int32_t(bits);
    default:
        return bits;
    }
}

QPixmap VarEditor::standardPixmap(const QWidget* widget, QStyle::StandardPixmap which)
{
    const QString key = QStringLiteral("kestrova/standard/%1").arg(int(which));
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = widget->style()->standardIcon(which).pixmap(IconSize, IconSize);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

void VarEditor::guardWheel(QWidget* widget)
{
    static QPointer<WheelGuard> guard;
    if (!guard)
        guard = new WheelGuard(QCoreApplication::instance());
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(guard);
}

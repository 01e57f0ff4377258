#include "SimAudit.h"

#include "SimDevice.h"
#include "SimFileSystem.h"
#include "vars/VARS.h"
#include "vars/VarRecord.h"

QString SimAudit::storeMismatch(const VARS& vars, const SimDevice& device, bool list)
{
    for (const uint16_t id : device.variableIds()) {
        const SimVariables::Variable v = *device.variable(id);
        bool found = false;
        const VarRecord r = vars.snapshot(id, &found);
        const QByteArray value(reinterpret_cast<const char*>(r.data), r.len);
        const bool listRaw = list && v.type == 'R' && value == v.value.leftJustified(4, '\0', true);
        if (!found || r.type != uint8_t(v.type) || r.redir != v.redir || (r.flags & ~VarFlag::FromList) != v.flags ||
            (value != v.value && !listRaw))
            return QStringLiteral("var %1: store %2 %3, device %4 %5")
                .arg(id)
                .arg(found ? QChar(r.type) : QChar('-'))
                .arg(QString::fromLatin1(value.toHex()), QChar(v.type), QString::fromLatin1(v.value.toHex()));
    }
    return {};
}

QString SimAudit::transferFault(const SimDevice& device, const Transfer& t)
{
    const auto target = device.files().file(t.name);
    const auto temporary = device.files().file(t.temporaryName);
    const QString context =
        QStringLiteral("%1 of %2: result %3, log: %4, messages: %5")
            .arg(t.upload ? QStringLiteral("upload") : QStringLiteral("download"), QString::fromLatin1(t.name))
            .arg(t.result)
            .arg(t.log.join(QStringLiteral(" / ")), t.messages.join(QStringLiteral(" / ")));
    if (!t.upload) {
        if (!target || target->data != t.data)
            return QStringLiteral("the device file changed; ") + context;
        if (t.result == 0 && !t.cancelled && t.local != t.data)
            return QStringLiteral("the download reported success but differs from the device file; ") + context;
        if ((t.result != 0 || t.cancelled) && t.earlier && t.local != *t.earlier && t.local != t.data)
            return QStringLiteral("the download did not complete and the earlier local file is lost; ") + context;
        return {};
    }
    const QString temporaryText = QString::fromLatin1(t.temporaryName);
    const bool keptAsTemporary = t.messages.contains(
        QStringLiteral("Upload failed|The file is uploaded but could not be renamed. It stays on the device as '%1'.")
            .arg(temporaryText));
    const bool partialLogged = !t.log.filter(QStringLiteral("The partial file '%1'").arg(temporaryText)).isEmpty();
    if (t.result == 0 && !t.cancelled && !(target && target->data == t.data))
        return QStringLiteral("the upload reported success but the device file is not the new one; ") + context;
    if (target && target->data != t.data && !(t.replacing && target->data == t.old))
        return QStringLiteral("the device file is neither the old nor the new one; ") + context;
    if (!target && t.replacing && !(keptAsTemporary && temporary && temporary->data == t.data))
        return QStringLiteral("the old device file is gone without the new one in its place; ") + context;
    if (temporary && !keptAsTemporary && !partialLogged)
        return QStringLiteral("a temporary file stays behind unreported; ") + context;
    return {};
}

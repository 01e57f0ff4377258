#include "FileNames.h"

#include <QRegularExpression>

#include "EfsFile.h"

namespace {

bool isReservedWindowsName(const QString& name)
{
    static const QRegularExpression reserved(QStringLiteral("^(con|prn|aux|nul|com[0-9]|lpt[0-9])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name.section(QLatin1Char('.'), 0, 0).trimmed()).hasMatch();
}

} // namespace

bool FileNames::isValidDeviceName(const QString& name)
{
    return !name.isEmpty() && name.size() <= EfsFile::MaxName && QString::fromLatin1(name.toLatin1()) == name;
}

QString FileNames::safeLocalName(const QString& deviceName)
{
    static const QString forbidden = QStringLiteral("/\\<>:\"|?*");
    QString safe = deviceName;
    for (QChar& c : safe) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            c = QLatin1Char('_');
    }
    // Windows drops trailing dots and spaces, which would also turn "." and ".." into folder names.
    for (qsizetype i = safe.size() - 1; i >= 0 && (safe[i] == QLatin1Char('.') || safe[i] == QLatin1Char(' ')); --i)
        safe[i] = QLatin1Char('_');
    if (safe.isEmpty() || isReservedWindowsName(safe))
        safe.prepend(QLatin1Char('_'));
    return safe;
}

#include "SettingsFile.h"

#include <cmath>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QLatin1String Magic("kestrova-settings");
const QLatin1String TypeLetters("UBIFCTR");
constexpr int NumberSize = 4;
constexpr uint16_t MaxCapacity = 255;

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool allDigits(QStringView w)
{
    return !w.isEmpty() && w.size() <= 10 && std::all_of(w.begin(), w.end(), [](QChar c) { return c.isDigit(); });
}

std::optional<uint32_t> parseUnsigned(QStringView w, uint32_t max)
{
    if (!allDigits(w))
        return {};
    const qulonglong v = w.toULongLong();
    if (v > max)
        return {};
    return uint32_t(v);
}

std::optional<int32_t> parseSigned(QStringView w)
{
    const bool negative = w.startsWith(QLatin1Char('-'));
    const QStringView digits = negative ? w.mid(1) : w;
    if (!allDigits(digits))
        return {};
    const qlonglong v = negative ? -digits.toLongLong() : digits.toLongLong();
    if (v < INT32_MIN || v > INT32_MAX)
        return {};
    return int32_t(v);
}

std::optional<QByteArray> parseHex(QStringView w)
{
    if (!w.startsWith(QLatin1String("0x")))
        return {};
    const QByteArray digits = w.mid(2).toLatin1();
    if (digits.size() % 2 != 0 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(uchar(c)); }))
        return {};
    return QByteArray::fromHex(digits);
}

QByteArray numberBytes(uint32_t v)
{
    QByteArray bytes(NumberSize, '\0');
    for (int i = 0; i < NumberSize; ++i)
        bytes[i] = char(v >> (8 * i));
    return bytes;
}

uint32_t numberOf(const QByteArray& bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < std::min<int>(int(bytes.size()), NumberSize); ++i)
        v |= uint32_t(uint8_t(bytes.at(i))) << (8 * i);
    return v;
}

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

// Walks one line field by field.
class LineCursor
{
public:
    explicit LineCursor(QStringView line) : m_rest(line) {}

    QStringView word()
    {
        skipSpaces();
        qsizetype n = 0;
        while (n < m_rest.size() && !isSpace(m_rest.at(n)))
            ++n;
        const QStringView w = m_rest.left(n);
        m_rest = m_rest.mid(n);
        return w;
    }

    // A double-quoted text with \" \\ \n escapes; empty optional when malformed.
    std::optional<QString> text()
    {
        skipSpaces();
        if (!m_rest.startsWith(QLatin1Char('"')))
            return {};
        QString out;
        for (qsizetype i = 1; i < m_rest.size(); ++i) {
            const QChar c = m_rest.at(i);
            if (c == QLatin1Char('"')) {
                m_rest = m_rest.mid(i + 1);
                if (!m_rest.isEmpty() && !isSpace(m_rest.front()))
                    return {};
                return out;
            }
            if (c != QLatin1Char('\\')) {
                out += c;
                continue;
            }
            if (++i >= m_rest.size())
                return {};
            const QChar e = m_rest.at(i);
            if (e == QLatin1Char('n'))
                out += QLatin1Char('\n');
            else if (e == QLatin1Char('"') || e == QLatin1Char('\\'))
                out += e;
            else
                return {};
        }
        return {};
    }

    // Nothing but spaces or a trailing comment is left.
    bool done()
    {
        skipSpaces();
        return m_rest.isEmpty() || m_rest.startsWith(QLatin1Char('#'));
    }
    QStringView rest() const { return m_rest; }

private:
    void skipSpaces()
    {
        while (!m_rest.isEmpty() && isSpace(m_rest.front()))
            m_rest = m_rest.mid(1);
    }

    QStringView m_rest;
};

// The fields of a "var" line after the keyword; an error reason, or empty when the entry is complete.
QString readEntry(LineCursor& cursor, SettingsFile::Entry& entry)
{
    const QStringView idWord = cursor.word();
    const std::optional<uint32_t> id = parseUnsigned(idWord, UINT16_MAX);
    if (!id || *id == 0)
        return SettingsFile::tr("bad variable id \"%1\" (1 to 65535)").arg(idWord);
    entry.id = uint16_t(*id);

    const QStringView typeWord = cursor.word();
    if (typeWord.size() != 1 || !TypeLetters.contains(typeWord.front()))
        return SettingsFile::tr("bad type \"%1\" (one of U, B, I, F, C, T, R)").arg(typeWord);
    entry.type = char(typeWord.front().unicode());

    const QStringView flagsWord = cursor.word();
    const std::optional<QByteArray> flags = parseHex(flagsWord);
    if (!flags || flags->size() != 2)
        return SettingsFile::tr("bad flags \"%1\" (0x and four hex digits)").arg(flagsWord);
    entry.flags = uint16_t(uint8_t(flags->at(0)) << 8 | uint8_t(flags->at(1)));

    const QStringView redirWord = cursor.word();
    const std::optional<uint32_t> redir = parseUnsigned(redirWord, UINT16_MAX);
    if (!redir)
        return SettingsFile::tr("bad redirect id \"%1\" (0 to 65535)").arg(redirWord);
    entry.redir = uint16_t(*redir);

    const QStringView capacityWord = cursor.word();
    const std::optional<uint32_t> capacity = parseUnsigned(capacityWord, MaxCapacity);
    if (!capacity)
        return SettingsFile::tr("bad capacity \"%1\" (0 to 255)").arg(capacityWord);
    entry.capacity = uint16_t(*capacity);

    std::optional<QByteArray> value;
    QString valueWord;
    if (entry.type == 'T') {
        const std::optional<QString> t = cursor.text();
        valueWord = cursor.rest().toString();
        // The device's text ends at its first zero, and so does the one written back.
        if (t) {
            const QByteArray bytes = t->toUtf8();
            const qsizetype zero = bytes.indexOf('\0');
            value = zero < 0 ? bytes : bytes.left(zero);
        }
    } else {
        const QStringView w = cursor.word();
        valueWord = w.toString();
        switch (entry.type) {
        case 'I':
            if (const auto v = parseSigned(w))
                value = numberBytes(uint32_t(*v));
            break;
        case 'F': {
            // Through double: a nine-digit form of FLT_MAX lies just above it and still means it.
            bool ok = false;
            const double d = w.toDouble(&ok);
            const float f = float(d);
            ok = ok && (std::isinf(d) || !std::isinf(f));
            uint32_t bits = 0;
            std::memcpy(&bits, &f, sizeof bits);
            if (ok)
                value = numberBytes(bits);
            break;
        }
        case 'R':
            value = parseHex(w);
            break;
        default:
            if (const auto v = parseUnsigned(w, UINT32_MAX))
                value = numberBytes(*v);
            break;
        }
    }
    if (!value)
        return SettingsFile::tr("bad value \"%1\" for type %2").arg(valueWord, QString(QLatin1Char(entry.type)));
    if (!cursor.done())
        return SettingsFile::tr("unexpected text after the value: \"%1\"").arg(cursor.rest());
    if ((entry.type == 'T' || entry.type == 'R') && value->size() > entry.capacity)
        return SettingsFile::tr("the value takes %1 bytes, more than the capacity %2")
            .arg(value->size())
            .arg(entry.capacity);
    entry.value = *value;
    return {};
}

} // namespace

std::optional<SettingsFile> SettingsFile::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = tr("%1: cannot open the file: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return {};
    }
    return parse(file.readAll(), QDir::toNativeSeparators(path), error);
}

std::optional<SettingsFile> SettingsFile::parse(const QByteArray& text, const QString& fileName, QString* error)
{
    int lineNo = 0;
    auto fail = [&](const QString& reason) -> std::optional<SettingsFile> {
        if (error)
            *error = tr("%1, line %2: %3").arg(fileName).arg(lineNo).arg(reason);
        return {};
    };

    SettingsFile out;
    bool haveHeader = false;
    QHash<QString, int> identityLines;
    QHash<uint16_t, int> varLines;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QByteArrayView data(text);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);

    while (!data.isEmpty()) {
        ++lineNo;
        const qsizetype end = data.indexOf('\n');
        if (end < 0)
            return fail(tr("the line breaks off without a line end; the file is probably cut short"));
        QByteArrayView raw = data.first(end);
        data = data.sliced(end + 1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = utf8(raw);
        if (utf8.hasError()) {
            utf8.resetState();
            return fail(haveHeader ? tr("the text is not valid UTF-8") : tr("this is not a Kestrova settings file"));
        }
        LineCursor cursor(line);
        if (cursor.done())
            continue;
        const QStringView key = cursor.word();

        if (!haveHeader) {
            if (key != Magic)
                return fail(tr("this is not a Kestrova settings file"));
            const std::optional<uint32_t> version = parseUnsigned(cursor.word(), UINT32_MAX);
            if (!version || *version == 0 || !cursor.done())
                return fail(tr("bad format line \"%1\"").arg(line.trimmed()));
            if (*version > FormatVersion)
                return fail(tr("the file was written by a newer version of the program (format %1); "
                               "this version reads format %2")
                                .arg(*version)
                                .arg(FormatVersion));
            haveHeader = true;
            continue;
        }

        if (key == QLatin1String("model") || key == QLatin1String("serial") || key == QLatin1String("firmware") ||
            key == QLatin1String("algorithm") || key == QLatin1String("saved")) {
            const QString name = key.toString();
            if (const int first = identityLines.value(name))
                return fail(tr("\"%1\" is given twice (first on line %2)").arg(name).arg(first));
            identityLines.insert(name, lineNo);
            if (name == QLatin1String("saved")) {
                const QStringView when = cursor.word();
                out.saved = QDateTime::fromString(when.toString(), Qt::ISODate);
                if (!out.saved.isValid() || !cursor.done())
                    return fail(tr("bad time \"%1\" (expected a form like 2026-12-06T10:00:00Z)").arg(when));
                continue;
            }
            const std::optional<QString> value = cursor.text();
            if (!value || !cursor.done())
                return fail(tr("\"%1\" needs one double-quoted text").arg(name));
            QString& field = name == QLatin1String("model")      ? out.model
                             : name == QLatin1String("serial")   ? out.serial
                             : name == QLatin1String("firmware") ? out.firmware
                                                                 : out.algorithm;
            field = *value;
            continue;
        }
        if (key != QLatin1String("var"))
            return fail(tr("unknown line \"%1\"").arg(line.trimmed()));

        Entry entry;
        const QString reason = readEntry(cursor, entry);
        if (!reason.isEmpty())
            return fail(reason);
        if (const int first = varLines.value(entry.id))
            return fail(tr("variable %1 is listed twice (first on line %2)").arg(entry.id).arg(first));
        varLines.insert(entry.id, lineNo);
        out.entries.append(entry);
    }
    if (!haveHeader) {
        if (error)
            *error = tr("%1: the file holds no settings; this is not a Kestrova settings file").arg(fileName);
        return {};
    }
    return out;
}

QByteArray SettingsFile::toText() const
{
    QString text = QStringLiteral("%1 %2\n").arg(Magic).arg(FormatVersion);
    text += QStringLiteral("model %1\n").arg(quoted(model));
    text += QStringLiteral("serial %1\n").arg(quoted(serial));
    text += QStringLiteral("firmware %1\n").arg(quoted(firmware));
    text += QStringLiteral("algorithm %1\n").arg(quoted(algorithm));
    if (saved.isValid())
        text += QStringLiteral("saved %1\n")
                    .arg(saved.toUTC().toString(saved.time().msec() != 0 ? Qt::ISODateWithMs : Qt::ISODate));
    for (const Entry& e : entries) {
        const uint32_t num = numberOf(e.value);
        QString value;
        switch (e.type) {
        case 'I':
            value = QString::number(int32_t(num));
            break;
        case 'F': {
            float f;
            std::memcpy(&f, &num, sizeof f);
            value = QString::number(f, 'g', 9); // nine digits bring back the same float
            break;
        }
        case 'T': {
            // The text ends at its first zero; bytes that are not UTF-8 could not be read back, so they
            // are written as replacement characters.
            const QByteArray bytes = e.value.left(e.value.indexOf('\0') < 0 ? e.value.size() : e.value.indexOf('\0'));
            value = quoted(QString::fromUtf8(bytes));
            break;
        }
        case 'R':
            value = QStringLiteral("0x") + QString::fromLatin1(e.value.toHex().toUpper());
            break;
        default:
            value = QString::number(num);
            break;
        }
        text += QStringLiteral("var %1 %2 0x%3 %4 %5 %6\n")
                    .arg(e.id)
                    .arg(QLatin1Char(e.type))
                    .arg(e.flags, 4, 16, QLatin1Char('0'))
                    .arg(e.redir)
                    .arg(e.capacity)
                    .arg(value);
    }
    return text.toUtf8();
}

bool SettingsFile::write(const QString& path, QString* error) const
{
    QSaveFile file(path);
    const QByteArray text = toText();
    // Unbuffered: a write the disk refuses must fail here. Buffered, it failed only in commit()'s flush, and
    // commit() still put the cut-short file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(text) != text.size() || !file.commit()) {
        if (error)
            *error = tr("%1: cannot write the file: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

#include "SettingsFile.h"

#include <cmath>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtEndian>

namespace {

const QLatin1String Magic("kestrova-settings");
const QLatin1String TypeLetters("UBIFCTR");
// A comment sign or a quote would make a line hard to read; such a type is written in hex.
const QLatin1String NoLetterField("#\"\\");
constexpr int NumberSize = 4;
constexpr uint16_t MaxCapacity = 255;

// Held in 4 bytes and written in decimal; the other types are written as their bytes.
bool isNumber(char type)
{
    return SettingsFile::isKnownType(type) && type != 'T' && type != 'R';
}

bool isLetterField(char16_t c)
{
    return c > u' ' && c < 0x7F && !NoLetterField.contains(QChar(c));
}

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

// Length of the UTF-8 character at the start of bytes, 0 when the bytes there are not UTF-8.
qsizetype utf8CharLength(QByteArrayView bytes)
{
    for (qsizetype n = 1; n <= std::min<qsizetype>(4, bytes.size()); ++n) {
        if (bytes.first(n).isValidUtf8())
            return n;
    }
    return 0;
}

// A double-quoted text. Bytes that are not UTF-8 become \xHH, so that any text is read back byte for byte;
// usedByteEscape tells whether one was needed.
QByteArray quoted(QByteArrayView text, bool* usedByteEscape = nullptr)
{
    QByteArray out = "\"";
    while (!text.isEmpty()) {
        const char c = text.front();
        const qsizetype n = utf8CharLength(text);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (n > 0) {
            out += text.first(n);
            text = text.sliced(n);
            continue;
        } else {
            out += "\\x" + QByteArray::number(uint8_t(c), 16).rightJustified(2, '0').toUpper();
            if (usedByteEscape)
                *usedByteEscape = true;
        }
        text = text.sliced(1);
    }
    return out + '"';
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

    // A double-quoted text with \" \\ \n and \xHH (one byte) escapes, as UTF-8 bytes; empty optional when
    // malformed.
    std::optional<QByteArray> text()
    {
        skipSpaces();
        if (!m_rest.startsWith(QLatin1Char('"')))
            return {};
        QByteArray out;
        QString run; // plain characters, encoded whole so that surrogate pairs stay together
        for (qsizetype i = 1; i < m_rest.size(); ++i) {
            const QChar c = m_rest.at(i);
            if (c == QLatin1Char('"')) {
                m_rest = m_rest.mid(i + 1);
                if (!m_rest.isEmpty() && !isSpace(m_rest.front()))
                    return {};
                return out + run.toUtf8();
            }
            if (c != QLatin1Char('\\')) {
                run += c;
                continue;
            }
            if (++i >= m_rest.size())
                return {};
            const QChar e = m_rest.at(i);
            if (e == QLatin1Char('n')) {
                run += QLatin1Char('\n');
            } else if (e == QLatin1Char('"') || e == QLatin1Char('\\')) {
                run += e;
            } else if (e == QLatin1Char('x')) {
                const std::optional<QByteArray> byte = parseHex(QStringLiteral("0x") + m_rest.mid(i + 1, 2).toString());
                if (!byte || byte->size() != 1)
                    return {};
                out += run.toUtf8() + *byte;
                run.clear();
                i += 2;
            } else {
                return {};
            }
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

// The value field of a variable of the given type; valueWord receives the field's text for messages.
std::optional<QByteArray> readValue(LineCursor& cursor, char type, QString* valueWord)
{
    std::optional<QByteArray> value;
    if (type == 'T') {
        value = cursor.text();
        *valueWord = cursor.rest().toString();
        // The device's text ends at its first zero, and so does the one written back.
        if (value) {
            const qsizetype zero = value->indexOf('\0');
            if (zero >= 0)
                value->truncate(zero);
        }
    } else {
        const QStringView w = cursor.word();
        *valueWord = w.toString();
        switch (type) {
        case 'I':
            if (const auto v = parseSigned(w))
                value = numberBytes(uint32_t(*v));
            break;
        case 'F': {
            // A value that is not a number is kept as its bits, which its text would lose.
            if (const std::optional<QByteArray> bits = parseHex(w); bits && bits->size() == NumberSize) {
                value = numberBytes(qFromBigEndian<uint32_t>(bits->constData()));
                break;
            }
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
        case 'U':
        case 'B':
        case 'C':
            if (const auto v = parseUnsigned(w, UINT32_MAX))
                value = numberBytes(*v);
            break;
        default:
            value = parseHex(w);
            break;
        }
    }
    return value;
}

// The fields of a "var" line after the keyword; an error reason, or empty when the entry is complete.
QString readEntry(LineCursor& cursor, SettingsFile::Entry& entry)
{
    const QStringView idWord = cursor.word();
    const std::optional<uint32_t> id = parseUnsigned(idWord, UINT16_MAX);
    if (!id || *id == 0)
        return SettingsFile::tr("bad variable id \"%1\" (1 to 65535)").arg(idWord);
    entry.id = uint16_t(*id);

    // A type the program does not know is kept with its value, so that every file it writes reads back.
    const QStringView typeWord = cursor.word();
    const std::optional<QByteArray> typeByte = parseHex(typeWord);
    if (typeWord.size() == 1 && isLetterField(typeWord.front().unicode()))
        entry.type = char(typeWord.front().unicode());
    else if (typeByte && typeByte->size() == 1)
        entry.type = typeByte->front();
    else
        return SettingsFile::tr("bad type \"%1\" (one letter, or 0x and two hex digits)").arg(typeWord);

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

    QString valueWord;
    const std::optional<QByteArray> value = readValue(cursor, entry.type, &valueWord);
    if (!value)
        return SettingsFile::tr("bad value \"%1\" for type %2").arg(valueWord, QString(QLatin1Char(entry.type)));
    if (!cursor.done())
        return SettingsFile::tr("unexpected text after the value: \"%1\"").arg(cursor.rest());
    if (!isNumber(entry.type) && value->size() > entry.capacity)
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
    // A file is measured before it is read; one of no known size (a pipe, a device) is read up to one
    // byte past the limit.
    QByteArray text;
    if (file.isSequential())
        text = file.read(MaxFileBytes + 1);
    else if (file.size() <= MaxFileBytes)
        text = file.readAll();
    if (text.size() > MaxFileBytes || file.size() > MaxFileBytes) {
        if (error)
            *error = tr("%1: the file is larger than %2 MiB; this is not a Kestrova settings file")
                         .arg(QDir::toNativeSeparators(path))
                         .arg(MaxFileBytes >> 20);
        return {};
    }
    return parse(text, QDir::toNativeSeparators(path), error);
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
            const std::optional<QByteArray> value = cursor.text();
            if (!value || !cursor.done())
                return fail(tr("\"%1\" needs one double-quoted text").arg(name));
            QString& field = name == QLatin1String("model")      ? out.model
                             : name == QLatin1String("serial")   ? out.serial
                             : name == QLatin1String("firmware") ? out.firmware
                                                                 : out.algorithm;
            field = QString::fromUtf8(*value);
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

QByteArray SettingsFile::valueText(const Entry& e, bool* laterForm)
{
    const uint32_t num = numberOf(e.value);
    QByteArray value;
    switch (e.type) {
    case 'I':
        value = QByteArray::number(int32_t(num));
        break;
    case 'F': {
        float f;
        std::memcpy(&f, &num, sizeof f);
        if (std::isnan(f)) {
            value = "0x" + QByteArray::number(num, 16).rightJustified(8, '0').toUpper();
            if (laterForm)
                *laterForm = true;
        } else {
            value = QString::number(f, 'g', 9).toLatin1(); // nine digits bring back the same float
        }
        break;
    }
    case 'T': {
        // The text ends at its first zero.
        const qsizetype end = e.value.indexOf('\0');
        value = quoted(end < 0 ? e.value : e.value.first(end), laterForm);
        break;
    }
    case 'U':
    case 'B':
    case 'C':
        value = QByteArray::number(num);
        break;
    default:
        value = "0x" + e.value.toHex().toUpper();
        // A reader of format 1 knows only its seven types: the file it would refuse says it is format 2.
        if (laterForm && !isKnownType(e.type))
            *laterForm = true;
        break;
    }
    return value;
}

bool SettingsFile::isKnownType(char type)
{
    return type != '\0' && TypeLetters.contains(QLatin1Char(type));
}

QByteArray SettingsFile::typeText(char type)
{
    if (isLetterField(uchar(type)))
        return QByteArray(1, type);
    return "0x" + QByteArray::number(uchar(type), 16).rightJustified(2, '0').toUpper();
}

std::optional<QByteArray> SettingsFile::parseValue(char type, const QString& text)
{
    LineCursor cursor(text);
    QString word;
    std::optional<QByteArray> value = readValue(cursor, type, &word);
    if (!cursor.done())
        return {};
    return value;
}

QByteArray SettingsFile::toText() const
{
    // Files that need none of the later forms stay readable by the programs that know only format 1.
    bool laterForm = false;
    QByteArray body;
    body += "model " + quoted(model.toUtf8()) + '\n';
    body += "serial " + quoted(serial.toUtf8()) + '\n';
    body += "firmware " + quoted(firmware.toUtf8()) + '\n';
    body += "algorithm " + quoted(algorithm.toUtf8()) + '\n';
    if (saved.isValid())
        body += "saved " +
                saved.toUTC().toString(saved.time().msec() != 0 ? Qt::ISODateWithMs : Qt::ISODate).toLatin1() + '\n';
    for (const Entry& e : entries) {
        const QByteArray value = valueText(e, &laterForm);
        body += "var " + QByteArray::number(e.id) + ' ' + typeText(e.type) + " 0x" +
                QByteArray::number(e.flags, 16).rightJustified(4, '0') + ' ' + QByteArray::number(e.redir) + ' ' +
                QByteArray::number(e.capacity) + ' ' + value + '\n';
    }
    return Magic.latin1() + QByteArray(" ") + QByteArray::number(laterForm ? FormatVersion : 1) + '\n' + body;
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

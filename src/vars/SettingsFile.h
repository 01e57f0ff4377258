#pragma once

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

// A device's settings as a line-based UTF-8 text file (saved settings and the stand-in device's
// profiles). Reading is strict: a file that is malformed, cut short or not ours yields nothing and a
// message naming the file and the line.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
public:
    // Format 2 adds the byte escape \xHH in texts, float bits in hex and types the program does not know; a file
    // needing none is written as 1.
    static constexpr int FormatVersion = 2;
    // Far above every real file (a few thousand variables take well under a megabyte); a larger file is
    // not read into memory.
    static constexpr qint64 MaxFileBytes = 64 << 20;

    // One variable. The value is in the device's wire form: 4 little-endian bytes for U, B, I, F and C,
    // the UTF-8 bytes for T (up to the first zero), the raw bytes for R and for a type letter the program
    // does not know.
    struct Entry
    {
        uint16_t id = 0;
        char type = 'U';
        uint16_t flags = 0;
        uint16_t redir = 0;
        uint16_t capacity = 0;
        QByteArray value;

        friend bool operator==(const Entry&, const Entry&) = default;
    };

    QString model;
    QString serial;
    QString firmware;
    QString algorithm;
    QDateTime saved; // invalid when the file has no time
    QList<Entry> entries;

    static std::optional<SettingsFile> read(const QString& path, QString* error = nullptr);
    // fileName only names the source in messages.
    static std::optional<SettingsFile> parse(const QByteArray& text, const QString& fileName, QString* error = nullptr);

    // U, B, I, F, C, T or R; a value of any other type is only kept, as raw bytes.
    static bool isKnownType(char type);
    // The type field of a "var" line: the letter, or 0x and two hex digits for a byte that is no visible letter.
    static QByteArray typeText(char type);

    // The value field of a "var" line for the entry; laterForm is set when it needs format 2.
    static QByteArray valueText(const Entry& entry, bool* laterForm = nullptr);
    // A value field of that type as valueText() writes it, in the wire form of Entry::value; nothing when malformed.
    static std::optional<QByteArray> parseValue(char type, const QString& text);

    // Replaces the file atomically: a failed write leaves the old file as it was.
    bool write(const QString& path, QString* error = nullptr) const;
    QByteArray toText() const;
};

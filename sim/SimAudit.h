#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

class SimDevice;
class VARS;

// Checks of what the program reported against what the stand-in device holds, shared by the tests
// and the fault campaign. Each returns the first thing wrong, or an empty text when all agrees.
class SimAudit
{
public:
    // One upload or download of a single device file, as the program reported it.
    struct Transfer
    {
        bool upload = true;
        bool replacing = false;   // an upload over an existing device file
        QByteArray name;          // the device file
        QByteArray temporaryName; // the name an upload writes under before the rename
        QByteArray old;           // the device file before an upload that replaces it
        QByteArray data;          // an upload's local file, or the device file a download reads
        QByteArray local;         // what a download left in its local file
        int result = 0;
        QStringList log;      // eventLog lines
        QStringList messages; // "title|text" of the messages shown
        bool cancelled = false;
        // The local file before a download, when known: one that does not complete leaves it as it was.
        std::optional<QByteArray> earlier = std::nullopt;
    };

    // The store against the device's variables; with list, a raw value may be the 4 bytes a list reply carries.
    static QString storeMismatch(const VARS& vars, const SimDevice& device, bool list = false);
    // After a transfer: the device file is the old one or the complete new one, a temporary file left
    // behind was reported, a transfer reported successful delivered every byte, and a download that did
    // not complete left the earlier local file (or, done before a cancel, the complete one).
    static QString transferFault(const SimDevice& device, const Transfer& t);
};

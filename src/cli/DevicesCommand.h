#pragma once

#include <QCoreApplication>
#include <QList>

#include "CliCommand.h"

class CliOutput;
struct UsbController;

// devices: the controllers connected over USB, without a PIN and without opening one for use.
class DevicesCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(DevicesCommand)
public:
    static bool handles(const QString& command);
    // One row per controller: text columns, or objects in the document's "devices" array.
    static void print(CliOutput& out, const QList<UsbController>& controllers);

    using CliCommand::CliCommand;
    bool needsDevice() const override { return false; }
    int run() override;
};

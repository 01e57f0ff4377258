#pragma once

#include <QCoreApplication>
#include <QString>

// What the result of a file operation means, in words for the user; the bare code goes to the log only.
class TransferOutcome
{
    Q_DECLARE_TR_FUNCTIONS(TransferOutcome)
public:
    // Empty for 0 (success).
    static QString text(int result);
};

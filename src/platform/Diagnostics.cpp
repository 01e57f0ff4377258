#include "Diagnostics.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {
std::atomic<bool> enabledFlag{true};
}

void Diagnostics::setEnabled(bool enabled)
{
    enabledFlag = enabled;
}

void Diagnostics::print(const char* format, ...)
{
    if (!enabledFlag)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
}

#pragma once

// The device and USB diagnostics a technician reads on standard error when the window runs from a
// terminal. The command-line tool turns them off: its standard error carries only its own messages.
namespace Diagnostics {

void setEnabled(bool enabled);
[[gnu::format(printf, 1, 2)]] void print(const char* format, ...);

} // namespace Diagnostics

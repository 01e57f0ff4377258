#pragma once

// Ctrl-C and SIGTERM as a request to stop at the next good point; a second one ends the program at once, as
// the system would.
namespace StopSignal {

void install();
bool requested();

} // namespace StopSignal

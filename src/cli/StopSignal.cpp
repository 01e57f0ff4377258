#include "StopSignal.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> g_requested{false};

void onSignal(int signal)
{
    g_requested = true;
    std::signal(signal, SIG_DFL);
}

} // namespace

void StopSignal::install()
{
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

bool StopSignal::requested()
{
    return g_requested;
}

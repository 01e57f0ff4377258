#pragma once

#include <cstdio>
#include <cstdlib>

// A benchmark whose run did not do what it measures prints why and ends, so no figure is taken from it.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

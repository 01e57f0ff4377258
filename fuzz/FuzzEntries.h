#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The parsers of outside input, each as one entry taking arbitrary bytes. The fuzz targets and the
// corpus test run the same entries, so an input that once crashed a fuzzer keeps being checked.
namespace FuzzEntries {

struct Entry
{
    const char* name; // the fuzz target is fuzz_<name>; its corpus lives under tests/fuzz/<name>/
    void (*run)(const uint8_t* data, std::size_t size);
};

std::span<const Entry> entries();
// The entry of that name, or null.
const Entry* find(const char* name);

} // namespace FuzzEntries

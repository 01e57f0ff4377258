// The libFuzzer driver of one entry; the build names the entry in KESTROVA_FUZZ_ENTRY.
#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>

#include "FuzzEntries.h"

namespace {

const FuzzEntries::Entry* g_entry = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Protocol objects and readers expect an application object; their warnings about bad input are noise here.
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    g_entry = FuzzEntries::find(KESTROVA_FUZZ_ENTRY);
    if (!g_entry) {
        std::fprintf(stderr, "no fuzz entry %s\n", KESTROVA_FUZZ_ENTRY);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_entry->run(data, size);
    return 0;
}

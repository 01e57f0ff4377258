// Stand-ins for the two file procedures the worker's cycle calls, so that the worker links before the
// device file procedures exist. They go when those land (the linker then names both twice).
#include "link/DeviceProtocol.h"

#include <libusb.h>

int DeviceProtocol::efsStats()
{
    return LIBUSB_ERROR_NOT_SUPPORTED;
}

int DeviceProtocol::fileUpdateList(bool)
{
    return LIBUSB_ERROR_NOT_SUPPORTED;
}

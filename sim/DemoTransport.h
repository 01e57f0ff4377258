#pragma once

class DeviceStack;

// Registers the stand-in device as the transport "demo" and selects it, so the program can be tried
// without hardware. Call it before the worker starts.
void installDemoTransport(DeviceStack& stack);

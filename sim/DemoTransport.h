#pragma once

class DeviceStack;

// Registers the stand-in device, loaded with the default profile, as the transport "demo", so the program can be
// tried without hardware. Call it before the window and the worker are made.
void installDemoTransport(DeviceStack& stack);

#pragma once

#include <functional>
#include <optional>

class DeviceThread;
class QObject;

namespace WorkerCall {

// Runs work on the device worker and hands its result to done on context's thread: nullopt when the worker
// dropped the work, the device being gone. Returns at once.
void post(DeviceThread& worker, QObject* context, std::function<int()> work,
          std::function<void(std::optional<int>)> done);

} // namespace WorkerCall

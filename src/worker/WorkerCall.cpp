#include "WorkerCall.h"

#include <QMetaObject>
#include <QObject>

#include "DeviceThread.h"

void WorkerCall::post(DeviceThread& worker, QObject* context, std::function<int()> work,
                      std::function<void(std::optional<int>)> done)
{
    const auto answer = [context, done](std::optional<int> result) {
        QMetaObject::invokeMethod(
            context, [done, result] { done(result); }, Qt::QueuedConnection);
    };
    worker.post([work = std::move(work), answer] { answer(work()); }, [answer] { answer(std::nullopt); });
}

#include "FlashSave.h"

#include <memory>

#include <QTimer>

#include "WorkerCall.h"
#include "link/DeviceProtocol.h"
#include "vars/VARS.h"

FlashSave::FlashSave(DeviceThread& worker, DeviceProtocol& protocol, QObject* parent)
    : QObject(parent), m_worker(worker), m_protocol(protocol)
{}

void FlashSave::start()
{
    if (m_running)
        return;
    m_running = true;
    DeviceProtocol& protocol = m_protocol;
    WorkerCall::post(
        m_worker, this, [&protocol] { return protocol.varsSave(1); },
        [this](std::optional<int> started) {
            if (!started || *started < 0)
                return finish(Outcome::Lost);
            if (*started != 0)
                return finish(Outcome::Refused,
                              tr("The device did not start the save: %1").arg(VARS::errorTextTr(*started)));
            m_elapsed.start();
            QTimer::singleShot(PollMs, this, &FlashSave::poll);
        });
}

void FlashSave::poll()
{
    struct State
    {
        uint8_t saving = 0;
        uint8_t error = 0;
    };
    auto state = std::make_shared<State>();
    DeviceProtocol& protocol = m_protocol;
    WorkerCall::post(
        m_worker, this, [&protocol, state] { return protocol.varsSave(0, &state->saving, &state->error); },
        [this, state](std::optional<int> answer) {
            if (!answer || *answer < 0)
                return finish(Outcome::Lost);
            if (*answer == 0 && state->saving == 0) {
                if (state->error != 0)
                    return finish(Outcome::Refused,
                                  tr("The device could not save the settings in flash (error %1).").arg(state->error));
                return finish(Outcome::Saved);
            }
            if (m_elapsed.elapsed() > LimitMs)
                return finish(Outcome::Refused,
                              tr("The device did not finish the save within %n second(s).", nullptr, LimitMs / 1000));
            QTimer::singleShot(PollMs, this, &FlashSave::poll);
        });
}

void FlashSave::finish(Outcome outcome, const QString& text)
{
    m_running = false;
    Q_EMIT finished(outcome, text);
}

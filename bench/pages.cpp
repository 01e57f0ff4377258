// The page views of the shipped page descriptions, offscreen.
//   pages_build_ms                  building every page view with its rows (median of five builds)
//   first_page_ms                   a page's first show: its rows built, filled from the store and painted
//                                   (the slowest page; median of five runs)
//   reload_unchanged_row_refreshes  row refreshes, on any page, caused by a full reload that changes nothing
//   reload_changed_ms               from the end of a reload that changes every value to the last refresh of
//                                   a row of the page shown (the largest page)
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>

#include "BenchFailure.h"
#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimLink.h"
#include "ui/PageBuilder.h"
#include "ui/VarWidget.h"
#include "ui/VarsTab.h"
#include "vars/VARS.h"
#include "vars/VarRow.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"
#include "worker/DeviceStack.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int BuildRuns = 5;
constexpr int WaitMs = 10000;
// No row refresh for this long after a reload: the registry has nothing left to flush.
constexpr int SettleMs = 300;

void discard(QtMsgType, const QMessageLogContext&, const QString&)
{}

DeviceStack::Options stackOptions()
{
    DeviceStack::Options options;
    options.usbGuardKey = QStringLiteral("KestrovaBenchPages_%1").arg(QCoreApplication::applicationPid());
    return options;
}

// Stands beside a real row with the same ids and counts what the registry asks of it.
class CountingRow : public VarRow
{
public:
    explicit CountingRow(QList<int> ids) : m_ids(std::move(ids)) {}
    QList<int> ids() const override { return m_ids; }
    QList<int> watchedIds() const override { return {}; }
    void refresh() override
    {
        ++refreshes;
        last = Clock::now();
    }

    int refreshes = 0;
    Clock::time_point last;

private:
    QList<int> m_ids;
};

bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

double pagesBuildMs()
{
    DeviceStack stack(stackOptions());
    std::vector<double> times;
    for (int run = 0; run < BuildRuns; ++run) {
        VarsRegistry registry(stack.protocol(), stack.worker());
        QTabWidget tabs;
        PageBuilder builder(registry, tabs);
        VarsUI model;
        model.loadPagesXml(VarsUI::ResourceFolder);
        QElapsedTimer timer;
        timer.start();
        builder.build(model);
        for (VarsTab* view : builder.pageViews())
            view->ensureRows();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (builder.pageViews().size() != model.pages().size())
            fail("not every page was built");
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double firstPageMs()
{
    DeviceStack stack(stackOptions());
    std::vector<double> worst;
    for (int run = 0; run < BuildRuns; ++run) {
        VarsRegistry registry(stack.protocol(), stack.worker());
        QTabWidget tabs;
        tabs.addTab(new QWidget, QStringLiteral("General"));
        tabs.resize(1200, 800);
        tabs.show();
        PageBuilder builder(registry, tabs);
        VarsUI model;
        model.loadPagesXml(VarsUI::ResourceFolder);
        builder.build(model);
        QCoreApplication::processEvents();
        double slowest = 0;
        for (VarsTab* view : builder.pageViews()) {
            QElapsedTimer timer;
            timer.start();
            // What the window does on a page change: show it, then bring its rows up to date.
            tabs.setCurrentWidget(view);
            view->refreshRows();
            QCoreApplication::sendPostedEvents();
            tabs.repaint();
            slowest = std::max(slowest, double(timer.nsecsElapsed()) / 1e6);
            if (view->rows().isEmpty())
                fail("a page shown has no rows");
        }
        worst.push_back(slowest);
    }
    std::sort(worst.begin(), worst.end());
    return worst[worst.size() / 2];
}

// Every value on the device becomes another one of its type.
void changeEveryValue(SimDevice& device)
{
    for (uint16_t id : device.variableIds()) {
        SimVariables::Variable v = *device.variable(id);
        if (v.type == 'T' && v.value.size() < v.capacity)
            v.value.append('x');
        else if (v.value.isEmpty())
            v.value = QByteArray(v.type == 'T' || v.type == 'R' ? 1 : 4, '\x01');
        else
            v.value[0] = char(v.value.at(0) ^ 0x01);
        device.setVariable(v);
    }
}

struct Reloads
{
    int unchangedRefreshes = 0;
    double changedMs = 0;
};

Reloads reloads()
{
    auto device = std::make_shared<SimDevice>();
    QString error;
    if (!device->loadProfile(QStringLiteral(":/sim/profiles/default.profile"), &error))
        fail(qPrintable(error));
    DeviceStack stack(stackOptions());
    stack.addTransport(QStringLiteral("sim"), QStringLiteral("Sim"), std::make_unique<SimLink>(device));
    stack.transports().select(QStringLiteral("sim"));
    VarsRegistry registry(stack.protocol(), stack.worker());
    QTabWidget tabs;
    PageBuilder builder(registry, tabs);
    VarsUI model;
    model.setAssembler([&builder](VarsUI& m) { builder.build(m); });
    model.load();
    stack.worker().setLoadList(model.loadList());
    for (VarsTab* view : builder.pageViews())
        view->ensureRows();

    // One set of counters as if every page were shown, one beside the rows of the largest page.
    QObject everyPage;
    std::vector<std::unique_ptr<CountingRow>> everywhere;
    std::vector<std::unique_ptr<CountingRow>> shown;
    VarsTab* largest = nullptr;
    for (VarsTab* view : builder.pageViews()) {
        if (!largest || view->rows().size() > largest->rows().size())
            largest = view;
        for (const VarWidget* row : view->rows()) {
            everywhere.push_back(std::make_unique<CountingRow>(row->ids()));
            registry.registerRow(&everyPage, everywhere.back().get());
        }
    }
    for (const VarWidget* row : largest->rows()) {
        shown.push_back(std::make_unique<CountingRow>(row->ids()));
        registry.registerRow(largest, shown.back().get());
    }
    tabs.setCurrentWidget(largest);
    tabs.show();

    std::atomic<int64_t> loadEnd{0};
    int loads = 0;
    QObject::connect(
        &stack.protocol(), &DeviceProtocol::uiVarsLoadEnd, &stack.protocol(),
        [&loadEnd] { loadEnd = Clock::now().time_since_epoch().count(); }, Qt::DirectConnection);
    QObject::connect(&stack.protocol(), &DeviceProtocol::uiVarsLoadEnd, &tabs, [&loads] { ++loads; });
    auto reload = [&](int expectedLoads) {
        stack.worker().requestFullLoad();
        if (!waitFor([&] { return loads == expectedLoads; }, WaitMs))
            fail("the reload did not end");
        // Settled once the coalescing timer has had its turn and no refresh came for a while.
        auto latest = [&] {
            Clock::time_point t;
            for (const auto& row : everywhere)
                t = std::max(t, row->last);
            for (const auto& row : shown)
                t = std::max(t, row->last);
            return t;
        };
        waitFor([&] { return Clock::now() - latest() > std::chrono::milliseconds(SettleMs); }, WaitMs);
        waitFor([] { return false; }, VarsRegistry::CoalesceMs * 2);
    };

    stack.start();
    if (!waitFor([&] { return stack.worker().isConnected(); }, WaitMs))
        fail("the stand-in device did not connect");
    DeviceProtocol& protocol = stack.protocol();
    stack.worker().post([&protocol] {
        if (protocol.auth("1234") != 0)
            fail("PIN 1 refused");
    });
    registry.setCurrentPageView(&everyPage);
    reload(1);

    Reloads result;
    for (auto& row : everywhere)
        row->refreshes = 0;
    reload(2);
    for (const auto& row : everywhere)
        result.unchangedRefreshes += row->refreshes;

    registry.setCurrentPageView(largest);
    changeEveryValue(*device);
    reload(3);
    Clock::time_point last;
    for (const auto& row : shown) {
        if (row->refreshes == 0)
            fail("a row of the page shown was not refreshed after its value changed");
        last = std::max(last, row->last);
    }
    const Clock::time_point end{Clock::duration(loadEnd.load())};
    result.changedMs = std::max(0.0, std::chrono::duration<double, std::milli>(last - end).count());
    stack.shutdown();
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(discard);

    std::printf("pages_build_ms %.1f ms\n", pagesBuildMs());
    std::printf("first_page_ms %.1f ms\n", firstPageMs());
    const Reloads r = reloads();
    std::printf("reload_unchanged_row_refreshes %d count\n", r.unchangedRefreshes);
    std::printf("reload_changed_ms %.1f ms\n", r.changedMs);
    return 0;
}

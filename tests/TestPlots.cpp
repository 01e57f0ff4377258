#include <QtTest>

#include <cmath>
#include <cstring>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "vars/PlotModel.h"
#include "vars/VarsRegistry.h"

namespace {

constexpr int Wait = 10000;
constexpr uint16_t Supply = 40010;

// A series as text: its values in order, "gap" where it has one.
QStringList tokens(const QList<PlotModel::Point>& points)
{
    QStringList out;
    for (const PlotModel::Point& p : points)
        out << (p.isGap() ? QStringLiteral("gap") : QString::number(p.v));
    return out;
}

QByteArray floatBytes(float f)
{
    QByteArray bytes(4, '\0');
    std::memcpy(bytes.data(), &f, sizeof f);
    return bytes;
}

} // namespace

class TestPlots : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void seriesHoldsWhatTheDeviceReported();
    void csvRoundTrip();
    void nameAndUnit_data();
    void nameAndUnit();
};

void TestPlots::seriesHoldsWhatTheDeviceReported()
{
    SimFixture::RunningStack run(SimFixture::deviceWithProfile(SimFixture::DemoProfile));
    QVERIFY(run.connectAndLoad());
    VarsRegistry registry(run.stack.protocol(), run.stack.worker());
    PlotModel model(registry);

    // Each read of the supply voltage reports a new value; the third is refused and the sixth loses the
    // link. Until the PIN is given again after the loss, the device refuses every read.
    QMutex mutex;
    QStringList reported;
    int reads = 0;
    SimLink* link = run.link;
    SimDevice* device = run.device.get();
    link->setRequestObserver([&, link, device](uint8_t cmd, const QByteArray& payload) {
        if (cmd != Cmd::VAR_GET || payload.left(2) != QByteArray::fromHex("4a9c"))
            return;
        QMutexLocker lock(&mutex);
        ++reads;
        if (!device->isPresent() || !device->pinAccepted() || reads == 3 || reads == 6) {
            if (reads == 3)
                device->refuseReads(Supply, 1);
            if (reads == 6)
                link->unplugAtExchange(1, 300);
            if (!reported.isEmpty() && reported.constLast() != QStringLiteral("gap"))
                reported << QStringLiteral("gap");
            return;
        }
        device->setVariableValue(Supply, floatBytes(float(reads) + 0.5f));
        reported << QString::number(double(float(reads) + 0.5f));
    });
    // The window gives the PIN again once the device is back; here the test does.
    DeviceProtocol* protocol = &run.stack.protocol();
    QObject receiver;
    connect(
        &run.stack.worker(), &DeviceThread::uiDeviceHotplug, &receiver,
        [&run, protocol] {
            if (run.stack.worker().isConnected())
                run.stack.worker().post([protocol] { protocol->auth("1234"); });
        },
        Qt::QueuedConnection);

    QVERIFY(model.addSeries(Supply, QStringLiteral("Supply"), QStringLiteral("V")));
    const auto reportedSoFar = [&] {
        QMutexLocker lock(&mutex);
        return reported;
    };
    QTRY_VERIFY_WITH_TIMEOUT(reportedSoFar().count(QStringLiteral("gap")) == 2 && reportedSoFar().size() >= 10, Wait);
    const QStringList expected = reportedSoFar().mid(0, 10);
    QTRY_VERIFY_WITH_TIMEOUT(model.series().first().points.size() >= expected.size(), Wait);
    QCOMPARE(tokens(model.series().first().points).mid(0, expected.size()), expected);
    const QList<PlotModel::Point>& points = model.series().first().points;
    QVERIFY(std::is_sorted(points.cbegin(), points.cend(),
                           [](const PlotModel::Point& a, const PlotModel::Point& b) { return a.t < b.t; }));
    link->setRequestObserver({});
}

void TestPlots::csvRoundTrip()
{
    SimFixture::RunningStack run(SimFixture::deviceWithProfile(SimFixture::DemoProfile));
    QVERIFY(run.connectAndLoad());
    run.device->setLiveDiagnostics(true);
    VarsRegistry registry(run.stack.protocol(), run.stack.worker());
    PlotModel model(registry);
    QVERIFY(model.addSeries(40010, QStringLiteral("Supply, \"main\""), QStringLiteral("V")));
    QVERIFY(model.addSeries(40013, QStringLiteral("GSM"), QString()));
    QTRY_VERIFY_WITH_TIMEOUT(model.series().at(0).points.size() >= 5 && model.series().at(1).points.size() >= 5, Wait);
    // Stop the plot taking more before it is written and read back.
    run.stack.worker().clearPolls();
    model.takeSamples();
    const QList<PlotModel::Series> series = model.series();

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QVERIFY(model.writeCsv(buffer));
    const QStringList lines = QString::fromUtf8(buffer.data()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), QStringLiteral("time_s,\"Supply, \"\"main\"\", V\",GSM"));
    QList<QList<PlotModel::Point>> read(series.size());
    for (const QString& line : lines.mid(1)) {
        const QStringList cells = line.split(QLatin1Char(','));
        QCOMPARE(cells.size(), series.size() + 1);
        for (qsizetype c = 1; c < cells.size(); ++c) {
            if (!cells.at(c).isEmpty())
                read[c - 1].append({cells.at(0).toDouble(), cells.at(c).toDouble()});
        }
    }
    for (qsizetype s = 0; s < series.size(); ++s) {
        QList<PlotModel::Point> points = series.at(s).points;
        points.removeIf([](const PlotModel::Point& p) { return p.isGap(); });
        QCOMPARE(read.at(s).size(), points.size());
        for (qsizetype i = 0; i < points.size(); ++i) {
            QCOMPARE(std::round(read.at(s).at(i).t * 1000), std::round(points.at(i).t * 1000));
            QCOMPARE(float(read.at(s).at(i).v), float(points.at(i).v));
        }
    }
}

void TestPlots::nameAndUnit_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("unit");
    QTest::newRow("unit") << "Supply voltage, V"
                          << "Supply voltage"
                          << "V";
    QTest::newRow("degrees") << "Cabin temperature,  \u00b0C"
                             << "Cabin temperature"
                             << "\u00b0C";
    QTest::newRow("none") << "GSM level"
                          << "GSM level"
                          << "";
    QTest::newRow("a comma in the name") << "Left, right and centre"
                                         << "Left, right and centre"
                                         << "";
}

void TestPlots::nameAndUnit()
{
    QFETCH(QString, row);
    QFETCH(QString, name);
    QFETCH(QString, unit);
    QCOMPARE(PlotModel::nameAndUnit(row), qMakePair(name, unit));
}

QTEST_GUILESS_MAIN(TestPlots)
#include "TestPlots.moc"

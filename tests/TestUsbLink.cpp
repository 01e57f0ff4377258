#include <QtTest>

#include <cstdio>
#include <thread>

#include <libusb.h>
#include <unistd.h>

#include "UsbTestbed.h"
#include "link/CommandRecord.h"
#include "link/CommandTable.h"
#include "link/InstanceGuard.h"
#include "link/UsbLink.h"

namespace {

void fillRequest(DeviceLink& link, uint8_t cmd)
{
    Frame::setLength(link.requestFrame(), 0);
    link.requestFrame()[Frame::OffCmd] = cmd;
}

QByteArray infoText(const CommandRecord& info)
{
    return QByteArray(reinterpret_cast<const char*>(info.rxData));
}

} // namespace

// The real USB link and libusb against the stand-in device on an emulated USB bus.
class TestUsbLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(UsbTestbed::isActive(), "run this test under umockdev-wrapper (CTest does)"); }

    void init()
    {
        m_device = std::make_shared<SimDevice>(std::make_shared<ManualClock>());
        m_bus = std::make_unique<UsbTestbed>(m_device);
        m_key = QStringLiteral("KestrovaTestUsb_%1_%2").arg(QCoreApplication::applicationPid()).arg(++m_keys);
        m_link = std::make_unique<UsbLink>(m_key);
        QVERIFY(m_link->isReady());
    }

    void cleanup()
    {
        m_link.reset();
        m_bus.reset();
        m_device.reset();
    }

    void enumeratesAndOpens()
    {
        QByteArray log;
        QVERIFY(open(&log));

        // Only the controller is opened for its strings.
        const QByteArray controller =
            QStringLiteral("0483:5750 (bus 1, device %1 iMan=1 iProd=2 iSer=3) path: 1.2 found  Manufacturer='Orvo' "
                           "Product='Orvo security controller' SerialNumber='0012345'\r\n\r\n")
                .arg(m_bus->deviceAddress())
                .toLatin1();
        QVERIFY2(log.contains(controller), log.constData());
        QCOMPARE(log.count(" found "), 1);
        // The bootloader is listed first, so only the product id keeps the link off it.
        QVERIFY(log.indexOf("0483:df11") < log.indexOf("0483:5750"));
        QCOMPARE(QString::fromStdString(m_link->infoText()), m_device->model());
        QVERIFY(m_bus->interfaceClaimed());
        QVERIFY(!guardIsFree());

        m_link->close();
        QVERIFY(!m_bus->interfaceClaimed());
        QVERIFY(guardIsFree());
    }

    void failedOpenHoldsNothing()
    {
        // INFO answered with a broken CRC on every try: the device is given up again.
        m_bus->wire().corruptRepliesNext(3);
        QVERIFY(!open());
        QVERIFY(!m_link->isOpen());
        QCOMPARE(m_bus->wire().exchanges(), 3);
        QVERIFY(!m_bus->interfaceClaimed());
        QVERIFY(guardIsFree());
        QVERIFY(m_link->blockNote().isEmpty());
        QVERIFY(open());
    }

    void staleInvalidAndMissingReplies()
    {
        QVERIFY(open());
        SimWire& wire = m_bus->wire();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("orvo: stale reply cmd=0 seq=\\d+, waiting for cmd=0"));
        wire.staleRepliesNext(1);
        CommandRecord info;
        int before = wire.exchanges();
        QCOMPARE(m_link->sendCommand(Cmd::INFO, info), 0);
        QCOMPARE(infoText(info), m_device->model().toUtf8());
        QCOMPARE(wire.exchanges(), before + 1); // skipped within the same try

        // Four stale replies end the try; the next try sends the very same frame.
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("orvo: stale reply cmd=96"));
        wire.staleRepliesNext(4);
        before = int(wire.sentFrames().size());
        CommandRecord clock;
        QCOMPARE(m_link->sendCommand(Cmd::GET_DATETIME, clock), 0);
        QList<QByteArray> tries = wire.sentFrames().mid(before);
        QCOMPARE(tries.size(), 2);
        QCOMPARE(tries[0], tries[1]);

        // A broken CRC ends a try: two of them, and the third try gets through; three, and the command fails.
        wire.corruptRepliesNext(2);
        CommandRecord third;
        QCOMPARE(m_link->sendCommand(Cmd::INFO, third), 0);
        wire.corruptRepliesNext(3);
        CommandRecord failing;
        QCOMPARE(m_link->sendCommand(Cmd::INFO, failing), LIBUSB_ERROR_IO);

        // A silent device times out every try; libusb takes the timed-out reads back.
        wire.dropRepliesNext(2);
        before = int(wire.sentFrames().size());
        fillRequest(*m_link, Cmd::INFO);
        QCOMPARE(m_link->transact(2, 50), LIBUSB_ERROR_TIMEOUT);
        tries = wire.sentFrames().mid(before);
        QCOMPARE(tries.size(), 2);
        QCOMPARE(tries[0], tries[1]);
        QCOMPARE(m_bus->pendingReads(), 0);

        CommandRecord again;
        QCOMPARE(m_link->sendCommand(Cmd::INFO, again), 0);
        QCOMPARE(infoText(again), m_device->model().toUtf8());
    }

    void deviceRemovedMidExchange()
    {
        QVERIFY(open());
        // The window reads the link's state while the worker loses and reopens the device: never a torn text.
        std::atomic<int> torn{0};
        std::jthread window([this, &torn](std::stop_token stop) {
            while (!stop.stop_requested()) {
                const bool opened = m_link->isOpen();
                const std::string product = m_link->product();
                if (!product.empty() && product != "Orvo security controller")
                    ++torn;
                if (opened && m_link->infoText().size() > 64)
                    ++torn;
            }
        });
        // The request reaches the device, which is pulled out before it answers. umockdev's node cannot hang up
        // as the kernel's does, so libusb learns of the loss only from the read ending with ENODEV.
        m_bus->wire().dropRepliesNext(1);
        fillRequest(*m_link, Cmd::INFO);
        std::atomic<int> result{1};
        std::thread exchange([&] { result = m_link->transact(3, 10000); });
        QTRY_COMPARE_WITH_TIMEOUT(m_bus->pendingReads(), 1, 5000);
        m_bus->unplug();
        exchange.join();
        QCOMPARE(result.load(), int(LIBUSB_ERROR_NO_DEVICE));

        CommandRecord after;
        QCOMPARE(m_link->sendCommand(Cmd::INFO, after), int(LIBUSB_ERROR_NO_DEVICE));
        m_link->close();
        // Nothing on the bus: nothing found, no handle. libusb learns of the unplug from its hot-plug thread,
        // so the link is asked again as the worker would, until the device is gone from the list.
        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT(!open(&log) && !log.contains(" found "), 5000);
        QVERIFY(guardIsFree());

        // Plugged in again it has a new address, and the link opens it once libusb has seen it arrive.
        m_bus->plug();
        QTRY_VERIFY_WITH_TIMEOUT(open(), 5000);
        CommandRecord back;
        QCOMPARE(m_link->sendCommand(Cmd::INFO, back), 0);
        window.request_stop();
        window.join();
        QCOMPARE(torn.load(), 0);
    }

    void deniedNodeIsExplained()
    {
        m_bus->setOpenDenied(true);
        QVERIFY(!open());
        QCOMPARE(m_link->blockNote(), QStringLiteral("The device was found but this user may not open it. Install the "
                                                     "udev rule for 0483:5750 (see the README) and plug the device in "
                                                     "again."));
        QVERIFY(guardIsFree());

        m_bus->setOpenDenied(false);
        QVERIFY(open());
        QVERIFY(m_link->blockNote().isEmpty());
    }

    // Which controller the link takes of two, by the choice and by the rule for no choice.
    void choosingTheController_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("firstFree");
        QTest::addColumn<int>("opened"); // -1: none
        QTest::addColumn<QString>("note");
        QTest::newRow("no choice: none, and why") << QString() << false << -1
                                                  << "Several controllers are connected: 1-1.2 (0012345), 1-1.4 "
                                                     "(0077777). Choose one.";
        QTest::newRow("no choice, window") << QString() << true << 0 << QString();
        QTest::newRow("by serial") << "0077777" << false << 1 << QString();
        QTest::newRow("by port") << "1-1.4" << false << 1 << QString();
        QTest::newRow("by port, the first") << "1-1.2" << true << 0 << QString();
        QTest::newRow("not connected") << "0099999" << true << -1 << "No controller 0099999 is connected.";
        QTest::newRow("a port's prefix is no port") << "1-1" << false << -1 << "No controller 1-1 is connected.";
    }

    void choosingTheController()
    {
        QFETCH(QString, choice);
        QFETCH(bool, firstFree);
        QFETCH(int, opened);
        QFETCH(QString, note);
        addSecondController();
        m_link->setDevice(choice);
        m_link->setPick(firstFree ? UsbLink::Pick::FirstFree : UsbLink::Pick::OnlyOne);
        QCOMPARE(open(), opened >= 0);
        QCOMPARE(m_link->blockNote(), note);
        if (opened < 0) {
            QVERIFY(!m_bus->interfaceClaimed(0) && !m_bus->interfaceClaimed(1));
            return;
        }
        const SimDevice& device = m_bus->wire(opened).device();
        QCOMPARE(QString::fromStdString(m_link->serialNumber()), device.serialNumber());
        QCOMPARE(QString::fromStdString(m_link->infoText()), device.model());
        QCOMPARE(m_link->openPort(), m_bus->port(opened));
        QVERIFY(m_bus->interfaceClaimed(opened) && !m_bus->interfaceClaimed(1 - opened));
        m_link->close();
        QVERIFY(m_link->openPort().isEmpty());
    }

    // The next controller on a line goes into the port the last one left: a device of its own on a new wire.
    void nextControllerInThePort()
    {
        addSecondController();
        m_link->setDevice(m_bus->port(1));
        QVERIFY(open());
        m_link->close();
        auto next = std::make_shared<SimDevice>(std::make_shared<ManualClock>());
        next->setSerialNumber(QStringLiteral("0088888"));
        next->setModel(QStringLiteral("Orvo S5"));
        m_bus->plugIn(1, next);
        QCOMPARE(&m_bus->wire(1).device(), next.get());
        // libusb hears of the swap on its own thread; until then it may offer the controller that left.
        QTRY_VERIFY_WITH_TIMEOUT(open() && m_link->serialNumber() == "0088888", 5000);
        QCOMPARE(QString::fromStdString(m_link->infoText()), QStringLiteral("Orvo S5"));
        QVERIFY(m_bus->wire(1).exchanges() > 0);
        QVERIFY(m_bus->interfaceClaimed(1) && !m_bus->interfaceClaimed(0));
    }

    // One copy per controller side by side, never two on one. (What a listing tells of them is checked through
    // kestrova-cli, whose copies know each other as copies of one program.)
    void copiesPerController()
    {
        addSecondController();
        Copy first(m_key, {QStringLiteral("--usb"), QStringLiteral("--device"), QStringLiteral("1-1.2")});
        QVERIFY2(first.line.startsWith("claimed "), first.line.constData());
        QVERIFY(m_bus->interfaceClaimed(0));

        // A second copy with no choice, as a window: it takes the free one.
        Copy second(m_key, {QStringLiteral("--usb"), QStringLiteral("--first-free")});
        QVERIFY2(second.line.startsWith("claimed "), second.line.constData());
        QVERIFY(m_bus->interfaceClaimed(1));

        // A third copy on a held controller gets the guard message, and nothing goes to that controller.
        const int exchanges = m_bus->wire(0).exchanges();
        Copy third(m_key, {QStringLiteral("--usb"), QStringLiteral("--device"), QStringLiteral("0012345")});
        QCOMPARE(third.line, QStringLiteral("blocked The USB device is used by another copy of the program (process "
                                            "%1). Close it first.")
                                 .arg(first.process.processId())
                                 .toUtf8());
        QCOMPARE(m_bus->wire(0).exchanges(), exchanges);
    }

    // An older version holds the one key it knows for every device: nothing is opened beside it.
    void olderVersionRunning()
    {
        {
            Copy older(m_key, {});
            QVERIFY2(older.line.startsWith("claimed "), older.line.constData());
            Copy copy(m_key, {QStringLiteral("--usb")});
            QCOMPARE(copy.line, QStringLiteral("blocked An older version of the program (process %1) is using the "
                                               "USB devices. Close it first: older versions must not run alongside "
                                               "this one.")
                                    .arg(older.process.processId())
                                    .toUtf8());
            QCOMPARE(m_bus->wire().exchanges(), 0);
        }
        // Only looked at, never created: two new copies do not stop each other through it.
        Copy copy(m_key, {QStringLiteral("--usb")});
        QVERIFY2(copy.line.startsWith("claimed "), copy.line.constData());
        const Copy older(m_key, {});
        QVERIFY2(older.line.startsWith("claimed "), older.line.constData());
    }

    void secondCopyIsBlocked()
    {
        // Both copies are processes of one program that open the link on the same emulated bus.
        const auto start = [this](QProcess& copy) {
            copy.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guard_holder"),
                       {m_key, QStringLiteral("--usb")});
            return copy.waitForStarted(5000) && QTest::qWaitFor([&copy] { return copy.canReadLine(); }, 10000);
        };
        QProcess first;
        QVERIFY(start(first));
        const QByteArray line = first.readLine().trimmed();
        QVERIFY2(line.startsWith("claimed "), line.constData());
        QVERIFY(m_bus->interfaceClaimed());
        const int exchanges = m_bus->wire().exchanges();

        QProcess second;
        QVERIFY(start(second));
        QCOMPARE(second.readLine().trimmed(),
                 QStringLiteral("blocked The USB device is used by another copy of the program (process %1). Close "
                                "it first.")
                     .arg(line.mid(8).toLongLong())
                     .toUtf8());
        QCOMPARE(m_bus->wire().exchanges(), exchanges); // the second copy kept its hands off the device

        first.write("quit\n");
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(!m_bus->interfaceClaimed());
        QVERIFY(open());
        QVERIFY(m_link->blockNote().isEmpty());
    }

private:
    // A copy of guard_holder: another copy of the program as far as the guards can tell.
    struct Copy
    {
        Copy(const QString& key, const QStringList& options)
        {
            process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guard_holder"),
                          QStringList{key} + options);
            if (process.waitForStarted(5000) && QTest::qWaitFor([this] { return process.canReadLine(); }, 10000))
                line = process.readLine().trimmed();
        }
        ~Copy()
        {
            process.write("quit\n");
            if (!process.waitForFinished(5000))
                process.kill();
        }
        QProcess process;
        QByteArray line;
    };

    void addSecondController()
    {
        auto other = std::make_shared<SimDevice>(std::make_shared<ManualClock>());
        other->setSerialNumber(QStringLiteral("0077777"));
        other->setModel(QStringLiteral("Orvo S3"));
        QCOMPARE(m_bus->addController(other), 1);
        // libusb learns of a new device from its hot-plug thread.
        QTRY_COMPARE_WITH_TIMEOUT(m_link->controllers(UsbLink::Model::Skip).size(), 2, 5000);
    }

    // Opens the link with its standard-error lines (descriptor 2, where libusb's users print) collected into log.
    bool open(QByteArray* log = nullptr)
    {
        std::FILE* capture = std::tmpfile();
        std::fflush(stderr);
        const int saved = dup(2);
        dup2(fileno(capture), 2);
        const bool opened = m_link->open();
        std::fflush(stderr);
        dup2(saved, 2);
        close(saved);
        std::rewind(capture);
        QFile file;
        if (log && file.open(capture, QIODevice::ReadOnly))
            *log = file.readAll();
        file.close();
        std::fclose(capture);
        return opened;
    }

    bool guardIsFree() const { return InstanceGuard(UsbLink::guardKey(m_key, m_bus->port())).claim(); }

    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<UsbTestbed> m_bus;
    std::unique_ptr<UsbLink> m_link;
    QString m_key;
    int m_keys = 0;
};

QTEST_GUILESS_MAIN(TestUsbLink)
#include "TestUsbLink.moc"

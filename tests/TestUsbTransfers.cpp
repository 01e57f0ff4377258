#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "SimFixture.h"
#include "UsbTestbed.h"
#include "files/FileService.h"
#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "ui/FilesPage.h"
#include "ui/MainWindow.h"
#include "ui/ModalBox.h"
#include "ui/TransferDialog.h"
#include "ui/UserPrompt.h"
#include "worker/DeviceStack.h"

using SimFixture::pattern;

namespace {

constexpr int Wait = 30000;
constexpr int FileSize = 20000;
constexpr int PullMs = 1500;

} // namespace

// The window's transfers over the real USB link and libusb, with the controller's cable pulled and put back on
// the emulated bus.
class TestUsbTransfers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(UsbTestbed::isActive(), "run this test under umockdev-wrapper (CTest does)");
        QCoreApplication::setOrganizationName(QStringLiteral("KestrovaTest"));
        QCoreApplication::setApplicationName(QStringLiteral("TestUsbTransfers"));
        QSettings().clear();
        ModalBox::setChooser([this](QMessageBox& box) -> QAbstractButton* {
            m_boxes << box.text();
            const QString choice = m_agree ? QStringLiteral("Start again") : QStringLiteral("Cancel transfer");
            for (QAbstractButton* button : box.buttons()) {
                if (button->text() == choice)
                    return button;
            }
            return box.buttons().value(0);
        });
        UserPrompt::setAnswerer([](const UserPrompt::Request&) -> std::optional<QStringList> { return std::nullopt; });
    }

    void init()
    {
        m_boxes.clear();
        m_agree = false;
        m_device = std::make_shared<SimDevice>();
        m_device->files().clear();
        m_bus = std::make_unique<UsbTestbed>(m_device);
        DeviceStack::Options options;
        options.usbGuardKey = QStringLiteral("KestrovaTest_UsbTransfers_%1").arg(QCoreApplication::applicationPid());
        m_stack = std::make_unique<DeviceStack>(options);
        m_window = std::make_unique<MainWindow>(*m_stack);
        m_window->show();
        m_page = m_window->findChild<FilesPage*>();
        m_done = std::make_unique<QSignalSpy>(&m_stack->files(), &FileService::taskDone);
        m_states = std::make_unique<QSignalSpy>(&m_stack->files(), &FileService::taskState);
        m_window->connectDevice();
        m_stack->start();
        QTRY_VERIFY_WITH_TIMEOUT(m_stack->worker().isConnected(), Wait);
        DeviceProtocol& protocol = m_stack->protocol();
        QVERIFY(m_stack->worker().post([&protocol] { protocol.auth("1234"); }));
        QTRY_VERIFY_WITH_TIMEOUT(m_device->pinAccepted(), Wait);
    }

    void cleanup()
    {
        m_stack->shutdown();
        m_done.reset();
        m_states.reset();
        m_window.reset();
        m_stack.reset();
        m_bus.reset();
        m_device.reset();
    }

    void cablePulledMidTransfer_data()
    {
        QTest::addColumn<bool>("isUpload");
        QTest::newRow("upload") << true;
        QTest::newRow("download") << false;
    }

    void cablePulledMidTransfer()
    {
        QFETCH(bool, isUpload);
        SimFileSystem& fs = m_device->files();
        const QByteArray content = pattern(FileSize, 50);
        const QString local = m_dir.filePath(QStringLiteral("pull.bin"));
        if (isUpload)
            writeLocal(local, content);
        else
            fs.addFile("pull.bin", content);
        pullCableAt(FileSize / 4, PullMs);

        if (isUpload) {
            m_page->uploadOne(local, QStringLiteral("pull.bin"), false);
        } else {
            const auto file = fs.file("pull.bin");
            m_page->dialog()->setBatch(1, FileSize);
            m_stack->files().fileDownload({{file->id, QStringLiteral("pull.bin"), uint32_t(FileSize), local}});
        }
        QVERIFY(QTest::qWaitFor([this] { return !m_done->isEmpty(); }, Wait));
        QCOMPARE(m_done->first().first().toInt(), 0);
        QCOMPARE(fs.file("pull.bin")->data, content);
        QFile got(local);
        QVERIFY(got.open(QIODevice::ReadOnly));
        QCOMPARE(got.readAll(), content);
        QCOMPARE(fs.files().size(), 1); // no temporary file left
        // The dialog went through its states: the device lost, then the file checked.
        QList<int> states;
        for (const QList<QVariant>& state : std::as_const(*m_states))
            states << state.first().toInt();
        QString seen;
        QDebug(&seen) << states;
        QVERIFY2(states.contains(1) && states.indexOf(3) > states.indexOf(1), qPrintable(seen));
        QCOMPARE(m_page->dialog()->findChild<QLabel*>(QStringLiteral("status"))->text(),
                 QStringLiteral("Transfer complete (resumes: 1)"));
        QVERIFY(m_boxes.isEmpty());
    }

    void partialFileOfAnEarlierRun_data()
    {
        QTest::addColumn<bool>("matches");
        QTest::addColumn<bool>("agree");
        QTest::newRow("taken over") << true << false;
        QTest::newRow("another file, deleted") << false << true;
        QTest::newRow("another file, kept") << false << false;
    }

    void partialFileOfAnEarlierRun()
    {
        QFETCH(bool, matches);
        QFETCH(bool, agree);
        m_agree = agree;
        SimFileSystem& fs = m_device->files();
        const QByteArray content = pattern(FileSize, 51);
        const QByteArray partial = matches ? content.left(8000) : pattern(8000, 52);
        fs.addFile("part.tmp", partial);
        const QString local = m_dir.filePath(QStringLiteral("part.bin"));
        writeLocal(local, content);

        m_page->uploadOne(local, QStringLiteral("part.bin"), false);
        QVERIFY(QTest::qWaitFor([this] { return !m_done->isEmpty(); }, Wait));
        const QStringList question = {QStringLiteral("Delete the partial file part.tmp and upload again?")};
        QCOMPARE(m_boxes.filter(QStringLiteral("partial file part.tmp and")), matches ? QStringList() : question);
        if (matches || agree) {
            QCOMPARE(m_done->first().first().toInt(), 0);
            QCOMPARE(fs.file("part.bin")->data, content);
            QVERIFY(!fs.file("part.tmp"));
        } else {
            QCOMPARE(fs.file("part.tmp")->data, partial);
            QVERIFY(!fs.file("part.bin"));
        }
    }

private:
    void writeLocal(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
    }

    // Pulls the controller's cable once the transfer has moved that many bytes; it goes back after outMs.
    void pullCableAt(int bytes, int outMs)
    {
        const auto pulled = std::make_shared<bool>(false);
        const auto pull = [this, bytes, outMs, pulled](uint16_t, int done) {
            if (done < bytes || std::exchange(*pulled, true))
                return;
            m_bus->unplug();
            QTimer::singleShot(outMs, this, [this] { m_bus->plug(); });
        };
        connect(&m_stack->files(), &FileService::writeUpdate, this, pull);
        connect(&m_stack->files(), &FileService::readUpdate, this, pull);
    }

    QTemporaryDir m_dir;
    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<UsbTestbed> m_bus;
    std::unique_ptr<DeviceStack> m_stack;
    std::unique_ptr<MainWindow> m_window;
    FilesPage* m_page = nullptr;
    std::unique_ptr<QSignalSpy> m_done;
    std::unique_ptr<QSignalSpy> m_states;
    QStringList m_boxes; // the texts of the boxes shown
    bool m_agree = false;
};

QTEST_MAIN(TestUsbTransfers)
#include "TestUsbTransfers.moc"

#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "files/FileNames.h"
#include "files/TransferOutcome.h"
#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"
#include "ui/FilesPage.h"
#include "ui/MainWindow.h"
#include "ui/ModalBox.h"
#include "ui/TransferDialog.h"
#include "ui/UserPrompt.h"
#include "worker/DeviceStack.h"

namespace {

constexpr int Wait = 10000;

QByteArray content(int size, char seed)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char(seed + i * 7);
    return data;
}

} // namespace

// The Files tab of the real window on the stand-in device; the test answers dialogs and boxes.
class TestFilesPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void systemFilesHiddenAndRefused();
    void nameSuggestion_data();
    void nameSuggestion();
    void abortedDownloadIsNotReportedClean();
    void safeLocalNames_data();
    void safeLocalNames();
    void hostileDeviceNamesStayInTheFolder();
    void droppedFilesUploadOnTheFilesTab();
    void namesWithTagsShowAsTheyAre();
    void uploadBeyondFreeSpaceIsRefused_data();
    void uploadBeyondFreeSpaceIsRefused();
    void folderDownloadAsksOnceAboutExistingFiles_data();
    void folderDownloadAsksOnceAboutExistingFiles();
    void closeRefusedWhileATransferTaskRuns();

private:
    void reload();
    int nextResult();
    QString log() const { return m_window->findChild<QPlainTextEdit*>(QStringLiteral("teLog"))->toPlainText(); }
    QString localFile(const QString& name, const QByteArray& data) const;
    // Triggers the context menu's action at pos.
    void menu(const QPoint& pos, const QString& action);
    // The same on the row of that name, selected alone.
    void rowMenu(const QString& name, const QString& action);

    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<DeviceStack> m_stack;
    SimLink* m_link = nullptr;
    std::unique_ptr<MainWindow> m_window;
    FilesPage* m_page = nullptr;
    QTableWidget* m_table = nullptr;
    std::unique_ptr<QSignalSpy> m_done;
    int m_seen = 0;
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<UserPrompt::Request> m_prompts;
    QList<std::optional<QStringList>> m_answers; // taken in turn; none left cancels
    struct Box
    {
        QString title;
        QString text;
        Qt::TextFormat format;
        QMessageBox::StandardButton defaultButton;
    };
    QList<Box> m_boxes; // the message boxes shown
    QString m_choice;   // the button pressed in a box that has it; else Yes or OK
    QStringList boxTitles() const
    {
        QStringList titles;
        for (const Box& box : m_boxes)
            titles << box.title;
        return titles;
    }
};

void TestFilesPage::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("KestrovaTest"));
    QCoreApplication::setApplicationName(QStringLiteral("TestFilesPage"));
    QSettings().clear();
    ModalBox::setChooser([this](QMessageBox& box) -> QAbstractButton* {
        m_boxes.append({box.windowTitle(), box.text(), box.textFormat(),
                        box.defaultButton() ? box.standardButton(box.defaultButton()) : QMessageBox::NoButton});
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == m_choice)
                return button;
        }
        return box.button(QMessageBox::Yes) ? box.button(QMessageBox::Yes) : box.button(QMessageBox::Ok);
    });
    UserPrompt::setAnswerer([this](const UserPrompt::Request& request) -> std::optional<QStringList> {
        m_prompts << request;
        return m_answers.isEmpty() ? std::nullopt : m_answers.takeFirst();
    });
}

void TestFilesPage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts.clear();
    m_answers.clear();
    m_boxes.clear();
    m_choice.clear();
    m_device = std::make_shared<SimDevice>();
    SimFileSystem& fs = m_device->files();
    fs.clear();
    fs.addFile("alpha.txt", content(3000, 1));
    fs.addFile("beta.bin", content(5000, 2));
    fs.addFile("gamma.cfg", content(7000, 3));
    fs.addFile("Boot.Sys", content(100, 4), 0);

    DeviceStack::Options options;
    options.usbGuardKey = QStringLiteral("KestrovaTest_FilesPage_%1").arg(QCoreApplication::applicationPid());
    m_stack = std::make_unique<DeviceStack>(options);
    m_link = &static_cast<SimLink&>(
        m_stack->addTransport(QStringLiteral("sim"), QStringLiteral("Sim"), std::make_unique<SimLink>(m_device)));
    QVERIFY(m_stack->transports().select(QStringLiteral("sim")));
    m_window = std::make_unique<MainWindow>(*m_stack);
    m_window->show();
    m_page = m_window->findChild<FilesPage*>();
    m_table = m_window->findChild<QTableWidget*>(QStringLiteral("twFiles"));
    m_done = std::make_unique<QSignalSpy>(&m_stack->files(), &FileService::taskDone);
    m_seen = 0;
    m_stack->start();
    QTRY_VERIFY_WITH_TIMEOUT(m_stack->worker().isConnected(), Wait);
    DeviceProtocol& protocol = m_stack->protocol();
    QVERIFY(m_stack->worker().post([&protocol] { protocol.auth("1234"); }));
    QTRY_VERIFY_WITH_TIMEOUT(m_device->pinAccepted(), Wait);
    reload();
}

void TestFilesPage::cleanup()
{
    m_stack->shutdown();
    m_done.reset();
    m_window.reset();
    m_stack.reset();
}

void TestFilesPage::reload()
{
    QSignalSpy entries(&m_stack->files(), &FileService::fileEntry);
    m_page->reloadList();
    // The list ends with an empty entry.
    QVERIFY(QTest::qWaitFor(
        [&] { return !entries.isEmpty() && !entries.last().at(0).value<QSharedPointer<EfsFile>>(); }, Wait));
}

int TestFilesPage::nextResult()
{
    if (!QTest::qWaitFor([&] { return m_done->count() > m_seen; }, Wait))
        return INT_MIN;
    return m_done->at(m_seen++).at(0).toInt();
}

QString TestFilesPage::localFile(const QString& name, const QByteArray& data) const
{
    const QString path = m_dir->filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        qFatal("cannot write the local test file");
    return path;
}

void TestFilesPage::rowMenu(const QString& name, const QString& action)
{
    QTableWidgetItem* item = m_table->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item);
    m_table->clearSelection();
    const QModelIndex index = m_table->model()->index(item->row(), 0);
    m_table->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    menu(m_table->visualItemRect(item).center(), action);
}

void TestFilesPage::menu(const QPoint& pos, const QString& action)
{
    Q_EMIT m_table->customContextMenuRequested(pos);
    std::unique_ptr<QMenu> menu(m_table->findChild<QMenu*>(QStringLiteral("filesMenu")));
    QVERIFY(menu);
    menu->close();
    for (QAction* item : menu->actions()) {
        if (item->text() == action)
            return item->trigger();
    }
}

void TestFilesPage::systemFilesHiddenAndRefused()
{
    QSignalSpy messages(m_page, &FilesPage::message);
    QCOMPARE(m_table->rowCount(), 3);
    QVERIFY(m_table->findItems(QStringLiteral("Boot.Sys"), Qt::MatchExactly).isEmpty());
    m_page->uploadOne(localFile(QStringLiteral("boot.sys"), "new"), QStringLiteral("BOOT.SYS"), false);
    QCOMPARE(messages.takeFirst().at(0).toString(),
             QStringLiteral("A system file 'BOOT.SYS' exists, it cannot be replaced"));

    m_answers << QStringList(QStringLiteral("boot.SYS"));
    rowMenu(QStringLiteral("alpha.txt"), QStringLiteral("Rename"));
    QCOMPARE(messages.takeFirst().at(0).toString(),
             QStringLiteral("A system file 'boot.SYS' exists, choose another name"));
    QVERIFY(!m_page->busy());
    QCOMPARE(m_device->files().file("Boot.Sys")->data, content(100, 4));
    QVERIFY(m_device->files().file("alpha.txt"));
    QCOMPARE(m_done->count(), 0);
}

void TestFilesPage::nameSuggestion_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("suggestion");
    QTest::newRow("26 characters") << "abcdefghijklmnopqrstuv.bin"
                                   << "abcdefghijklmnopqrstu.bin";
    QTest::newRow("long and above 0xFF") << "Ωabcdefghijklmnopqrstuvwxyz.txt"
                                         << "_abcdefghijklmnopqrst.txt";
}

void TestFilesPage::nameSuggestion()
{
    QFETCH(QString, name);
    QFETCH(QString, suggestion);
    m_answers << QStringList(suggestion);
    m_page->uploadOne(localFile(QStringLiteral("upload.bin"), "payload"), name, false);
    QCOMPARE(m_prompts.size(), 1);
    QCOMPARE(m_prompts[0].start, suggestion);
    QCOMPARE(nextResult(), 0);
    QCOMPARE(m_device->files().file(suggestion.toLatin1())->data, QByteArray("payload"));
    QVERIFY(log().contains(QStringLiteral("to the device as '%1' (7 bytes)").arg(suggestion)));
}

void TestFilesPage::abortedDownloadIsNotReportedClean()
{
    m_device->files().addFile("big.bin", content(120000, 5));
    reload();
    m_link->setLatencyUs(1000);
    TransferDialog* dialog = m_page->dialog();
    connect(&m_stack->files(), &FileService::readUpdate, this, [dialog] {
        if (dialog->isActive())
            dialog->findChild<QPushButton*>(QStringLiteral("button"))->click();
    });
    m_answers << QStringList(m_dir->filePath(QStringLiteral("big.bin")));
    rowMenu(QStringLiteral("big.bin"), QStringLiteral("Download"));
    const int result = nextResult();
    QVERIFY(result != INT_MIN);
    // Stopped halfway: whatever the result, the dialog must not report a clean end.
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("big.bin"))).size() < 120000);
    QVERIFY(!log().contains(QStringLiteral("Downloaded")));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("status"))->text(),
             result == 0 ? QStringLiteral("Transfer stopped")
                         : QStringLiteral("Transfer failed: ") + TransferOutcome::text(result));
    QVERIFY(!m_page->busy());
}

void TestFilesPage::safeLocalNames_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("local");
    for (const auto& [device, local] : {std::pair{"..", "__"},
                                        {"..\\x", ".._x"},
                                        {"log. .", "log___"},
                                        {"LPT1", "_LPT1"},
                                        {"console.txt", "console.txt"},
                                        {"", "_"}})
        QTest::addRow("'%s'", device) << QString::fromLatin1(device) << QString::fromLatin1(local);
}

void TestFilesPage::safeLocalNames()
{
    QFETCH(QString, device);
    QFETCH(QString, local);
    QCOMPARE(FileNames::safeLocalName(device), local);
}

void TestFilesPage::hostileDeviceNamesStayInTheFolder()
{
    SimFileSystem& fs = m_device->files();
    fs.addFile("../evil.txt", "evil");
    fs.addFile("a/b.txt", "ab");
    fs.addFile("a_b.txt", "plain");
    fs.addFile("con.txt", "con");
    reload();
    const QString folder = m_dir->filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(folder));
    m_answers << QStringList(folder);
    menu(QPoint(5, m_table->viewport()->height() - 3), QStringLiteral("Download all files"));
    QCOMPARE(nextResult(), 0);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"in"});
    QStringList got = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    got.sort();
    QCOMPARE(got,
             (QStringList{".._evil.txt", "_con.txt", "a_b.txt", "a_b_2.txt", "alpha.txt", "beta.bin", "gamma.cfg"}));
    QFile evil(QDir(folder).filePath(QStringLiteral(".._evil.txt")));
    QVERIFY(evil.open(QIODevice::ReadOnly) && evil.readAll() == "evil");
}

void TestFilesPage::droppedFilesUploadOnTheFilesTab()
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(localFile(QStringLiteral("one.txt"), content(900, 5))),
                  QUrl::fromLocalFile(m_dir->path()), // a folder is not a file to upload
                  QUrl::fromLocalFile(localFile(QStringLiteral("alpha.txt"), content(40, 6)))});
    const auto drop = [&] {
        const QPoint at = m_window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    };
    auto* tabs = m_window->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    tabs->setCurrentIndex(0);
    QVERIFY(!drop()); // only the Files tab takes files
    tabs->setCurrentWidget(m_window->findChild<QWidget*>(QStringLiteral("tabFiles")));
    QVERIFY(drop());
    QCOMPARE(nextResult(), 0);
    QCOMPARE(nextResult(), 0);
    QCOMPARE(m_device->files().file("one.txt")->data, content(900, 5));
    QCOMPARE(m_device->files().file("alpha.txt")->data, content(40, 6)); // the same name is replaced unasked
    QVERIFY(m_prompts.isEmpty());
    QCOMPARE(m_device->files().files().size(), 5); // the hidden system file too; no temporary file left
}

void TestFilesPage::namesWithTagsShowAsTheyAre()
{
    const QString name = QStringLiteral("<b>x</b>");
    m_device->files().addFile(name.toLatin1(), "tagged");
    reload();
    m_answers << QStringList(m_dir->filePath(QStringLiteral("x")));
    rowMenu(name, QStringLiteral("Download"));
    QCOMPARE(nextResult(), 0);
    auto* title = m_page->dialog()->findChild<QLabel*>(QStringLiteral("title"));
    QVERIFY(title->text().contains(name));
    QCOMPARE(title->textFormat(), Qt::PlainText);

    rowMenu(name, QStringLiteral("Delete"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("Delete the file <b>x</b> from the device?"));
    QCOMPARE(m_boxes[0].defaultButton, QMessageBox::No);
    QCOMPARE(m_boxes[0].format, Qt::PlainText);
    QCOMPARE(nextResult(), 0);
}

void TestFilesPage::uploadBeyondFreeSpaceIsRefused_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("refusal"); // empty: the upload starts
    QTest::newRow("well beyond") << 50000 << "Not enough space on the device: need 49 KB, free 40 KB";
    // Rounded alike, the two sizes are given in bytes.
    QTest::newRow("one byte beyond") << 40961 << "Not enough space on the device: need 40961 bytes, free 40960 bytes";
    QTest::newRow("exactly the free space") << 40960 << "";
}

void TestFilesPage::uploadBeyondFreeSpaceIsRefused()
{
    QFETCH(int, size);
    QFETCH(QString, refusal);
    m_device->files().setFlashSize(16 * 4096); // 6 sectors in use: 40 KB free
    m_window->connectDevice();
    m_window->findChild<QTabWidget*>(QStringLiteral("tabWidget"))
        ->setCurrentWidget(m_window->findChild<QWidget*>(QStringLiteral("tabFiles")));
    // The Status tab quotes the free space as the check does.
    QTRY_COMPARE_WITH_TIMEOUT(m_window->findChild<QLabel*>(QStringLiteral("lStatusFlashFree"))->text(),
                              QStringLiteral("40 KB"), Wait);
    QSignalSpy messages(m_page, &FilesPage::message);
    m_page->uploadOne(localFile(QStringLiteral("big.bin"), content(size, 7)), QStringLiteral("big.bin"), false);
    if (refusal.isEmpty()) {
        QVERIFY(m_page->busy());
        QVERIFY(nextResult() != INT_MIN);
        QCOMPARE(messages.size(), 0);
        return;
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0][0].toString(), refusal);
    QVERIFY(!m_page->busy()); // nothing was sent: an upload is busy from its start
}

void TestFilesPage::folderDownloadAsksOnceAboutExistingFiles_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("alpha"); // alpha.txt afterwards
    QTest::newRow("replace") << "Replace" << QStringList{"alpha.txt", "beta.bin", "gamma.cfg"} << content(3000, 1);
    QTest::newRow("keep both") << "Keep both"
                               << QStringList{"alpha.txt", "alpha_2.txt", "beta.bin", "beta_2.bin", "gamma.cfg"}
                               << QByteArray("mine");
    QTest::newRow("skip") << "Skip" << QStringList{"alpha.txt", "beta.bin", "gamma.cfg"} << QByteArray("mine");
    QTest::newRow("cancel") << "Cancel" << QStringList{"alpha.txt", "beta.bin"} << QByteArray("mine");
}

void TestFilesPage::folderDownloadAsksOnceAboutExistingFiles()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, files);
    QFETCH(QByteArray, alpha);
    localFile(QStringLiteral("alpha.txt"), "mine");
    localFile(QStringLiteral("beta.bin"), "mine too");
    m_choice = choice;
    m_answers << QStringList(m_dir->path());
    menu(QPoint(5, m_table->viewport()->height() - 3), QStringLiteral("Download all files"));
    QCOMPARE(boxTitles(), QStringList("Files exist"));
    if (choice != QLatin1String("Cancel"))
        QCOMPARE(nextResult(), 0);
    QVERIFY(!m_page->busy());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), files);
    QFile f(m_dir->filePath(QStringLiteral("alpha.txt")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), alpha);
    if (choice == QLatin1String("Keep both")) {
        QFile copy(m_dir->filePath(QStringLiteral("alpha_2.txt")));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), content(3000, 1));
    }
}

void TestFilesPage::closeRefusedWhileATransferTaskRuns()
{
    m_page->uploadOne(localFile(QStringLiteral("late.cfg"), content(500, 7)), QStringLiteral("late.cfg"), false);
    // The dialog has not shown the upload yet: the task walks the list and creates the temporary file first.
    QVERIFY(!m_page->dialog()->isActive());
    QVERIFY(!m_window->close());
    QCOMPARE(boxTitles(), QStringList("Orvo"));
    QCOMPARE(nextResult(), 0);
    QCOMPARE(m_device->files().file("late.cfg")->data, content(500, 7));
    QVERIFY(!m_device->files().file("late.tmp"));
}

QTEST_MAIN(TestFilesPage)
#include "TestFilesPage.moc"

#include <QtTest>

#include <atomic>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "vars/UnsavedChanges.h"
#include "vars/VarRow.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"

namespace {

// A row as a page shows it: it reads the store whenever the registry asks it to redraw.
class ShownRow : public VarRow
{
public:
    ShownRow(VARS& vars, int id, QList<int> watched = {}) : m_vars(vars), m_id(id), m_watched(std::move(watched)) {}
    QList<int> ids() const override { return QList<int>{m_id} + m_watched; }
    QList<int> watchedIds() const override { return m_watched; }
    void refresh() override
    {
        ++refreshes;
        text = m_vars.valueText(m_vars.snapshot(uint16_t(m_id)));
    }
    int refreshes = 0;
    QString text;

private:
    VARS& m_vars;
    int m_id;
    QList<int> m_watched;
};

const char* PageXml = R"(<page title="Входи" section="Налаштування">
  <group title="Фізичні">
    <var id="13" name="Вхід 1" uitype="unsigned" group="hw_in"/>
    <var id="1" name="Датчик" uitype="unsigned" group="hw_in,hw_out"/>
  </group>
  <var id="2" name="Вихід" uitype="onoff" group="hw_out"/>
</page>)";

const char* OtherPageXml = R"(<page title="Сирена" section="Налаштування">
  <var id="3" name="Датчик" uitype="integer" group="hw_out"/>
  <var id="9" name="" uitype="integer" group="hw_out"/>
</page>)";

// The registry reports writes from the worker thread; the test reads them on its own.
class WriteReports : public QObject
{
    Q_OBJECT
public:
    explicit WriteReports(VarsRegistry& registry)
    {
        connect(&registry, &VarsRegistry::writeDone, this, &WriteReports::done, Qt::QueuedConnection);
        connect(&registry, &VarsRegistry::writeFailed, this, &WriteReports::failed, Qt::QueuedConnection);
    }
Q_SIGNALS:
    void done(int id, int code);
    void failed(int id, int code);
};

} // namespace

class TestVarsRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_session = std::make_unique<SimFixture::RunningStack>(SimFixture::deviceWithProfile(SimFixture::SmallProfile));
        m_registry = std::make_unique<VarsRegistry>(m_session->stack.protocol(), m_session->stack.worker());
        m_reports = std::make_unique<WriteReports>(*m_registry);
        QSignalSpy loadShown(m_registry.get(), &VarsRegistry::varsUpdated);
        QVERIFY(m_session->connectAndLoad());
        QTRY_VERIFY_WITH_TIMEOUT(!loadShown.isEmpty(), 2000); // the load's own notification is out of the way
    }

    void cleanup()
    {
        m_reports.reset();
        m_registry.reset();
        m_session.reset();
    }

    void editsRunInOrderAndRefreshOnce()
    {
        ShownRow row(vars(), 1);
        registry().registerRow(&m_shownPage, &row);
        registry().setCurrentPageView(&m_shownPage);
        QSignalSpy done(m_reports.get(), &WriteReports::done);

        registry().setValue(1, QStringLiteral("111"));
        registry().setValue(1, QStringLiteral("222"));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(row.refreshes, 1, 2000);
        QTest::qWait(3 * VarsRegistry::CoalesceMs);
        QCOMPARE(row.refreshes, 1);
        QCOMPARE(row.text, QStringLiteral("222"));
        QCOMPARE(m_session->device->variable(1)->value, QByteArray("\xDE\x00\x00\x00", 4));
    }

    void editWhileDisconnected()
    {
        ShownRow row(vars(), 1);
        registry().registerRow(&m_shownPage, &row);
        registry().setCurrentPageView(&m_shownPage);
        m_session->device->unplug();
        QTRY_VERIFY_WITH_TIMEOUT(!m_session->stack.worker().isConnected(), 5000);

        QSignalSpy failed(m_reports.get(), &WriteReports::failed);
        registry().setValue(1, QStringLiteral("5"));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 2000);
        QCOMPARE(failed[0], (QList<QVariant>{1, -4}));
        QTRY_COMPARE_WITH_TIMEOUT(row.refreshes, 1, 2000);
        QCOMPARE(row.text, QStringLiteral("4000000000")); // the store kept the device's value
    }

    void refusedWriteShowsTheDeviceValue()
    {
        ShownRow row(vars(), 7);
        registry().registerRow(&m_shownPage, &row);
        registry().setCurrentPageView(&m_shownPage);
        // As after a firmware update: the device now takes shorter texts than the store last heard.
        SimVariables::Variable v = *m_session->device->variable(7);
        v.capacity = 4;
        v.value = v.value.left(4);
        m_session->device->setVariable(v);
        QSignalSpy failed(m_reports.get(), &WriteReports::failed);

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("varsSet id=7 rejected by device ret=\\d+, reload value"));
        registry().setValue(7, QStringLiteral("Garage"));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 5000);
        QVERIFY(failed[0][1].toInt() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(row.refreshes >= 1, 2000);
        QCOMPARE(row.text, QStringLiteral("Orvo"));
    }

    void reverseSelectorNotConnected()
    {
        // Variables 13 and 2 both point at 1; "Not connected" in 1's reverse selector frees both.
        QSignalSpy done(m_reports.get(), &WriteReports::done);
        registry().setRedir(2, 1);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        registry().setRedirReverse(1, 0, {13, 2, 3});
        QTRY_VERIFY_WITH_TIMEOUT(
            m_session->device->variable(13)->redir == 0 && m_session->device->variable(2)->redir == 0, 5000);
        QCOMPARE(vars().snapshot(2).redir, uint16_t(0));
        // Choosing a candidate connects exactly that one.
        registry().setRedirReverse(1, 3, {13, 2, 3});
        QTRY_COMPARE_WITH_TIMEOUT(m_session->device->variable(3)->redir, uint16_t(1), 5000);
        QCOMPARE(m_session->device->variable(13)->redir, uint16_t(0));
    }

    void onOffRedirectOffClearsItsList()
    {
        registry().setOnOffRedir(13, 2, {{3, 1}, {12, 2}}, true);
        QTRY_COMPARE_WITH_TIMEOUT(m_session->device->variable(12)->redir, uint16_t(2), 5000);
        QCOMPARE(m_session->device->variable(13)->redir, uint16_t(2));
        QCOMPARE(m_session->device->variable(3)->redir, uint16_t(1));

        registry().setOnOffRedir(13, 2, {{3, 1}, {12, 2}}, false);
        QTRY_COMPARE_WITH_TIMEOUT(m_session->device->variable(12)->redir, uint16_t(0), 5000);
        QCOMPARE(m_session->device->variable(13)->redir, uint16_t(0));
        QCOMPARE(m_session->device->variable(3)->redir, uint16_t(0));
    }

    void candidateLabels()
    {
        QTemporaryDir dir;
        VarsUI model;
        int pages = 0;
        for (const char* xml : {PageXml, OtherPageXml}) {
            QFile file(dir.filePath(QStringLiteral("page%1.xml").arg(++pages)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(xml) > 0);
            file.close();
            QVERIFY(model.loadPageXml(file.fileName()));
        }
        registry().build(model.infos(), model.attrs());

        const QList<VarsRegistry::Candidate> choices =
            registry().candidates({QStringLiteral(" hw_in"), QStringLiteral("hw_out ")});
        const QList<VarsRegistry::Candidate> expected = {
            {1, QStringLiteral("Датчик (Входи, Фізичні)")},
            {13, QStringLiteral("Вхід 1")},
            {2, QStringLiteral("Вихід")},
            {3, QStringLiteral("Датчик (Сирена)")},
        };
        QCOMPARE(choices, expected); // 1 is in both groups but offered once; 9 has no name
        QVERIFY(registry().candidates({QStringLiteral("nothing")}).isEmpty());
    }

    void hiddenPageChangeRefreshesNoRow()
    {
        ShownRow hidden(vars(), 4);
        ShownRow shown(vars(), 5, {13});
        registry().registerRow(&m_hiddenPage, &hidden);
        registry().registerRow(&m_shownPage, &shown);
        registry().setCurrentPageView(&m_shownPage);

        QSignalSpy updated(&registry(), &VarsRegistry::varsUpdated);
        m_session->device->setVariableValue(4, QByteArray("\x00\x00\x20\x40", 4)); // 2.5
        QVERIFY(registry().refresh(4));
        QTRY_VERIFY_WITH_TIMEOUT(!updated.isEmpty(), 5000);
        QCOMPARE(hidden.refreshes, 0);
        QCOMPARE(shown.refreshes, 0);

        // A watched candidate of the shown page does redraw its row.
        registry().setRedir(13, 0);
        QTRY_COMPARE_WITH_TIMEOUT(shown.refreshes, 1, 5000);
    }

    void writeNoticeAfterTheRowWasDrawnMarksIt()
    {
        // On a busy machine the row can be redrawn from the written value before the worker's notice of the
        // write arrives: the notice must still mark it unsaved.
        ShownRow row(vars(), 1);
        registry().registerRow(&m_shownPage, &row);
        registry().setCurrentPageView(&m_shownPage);
        {
            QMutexLocker lock(&vars().mutex());
            vars().setValueText(*vars().find(1), QStringLiteral("77"));
        }
        vars().markDirty(1);
        QTRY_COMPARE_WITH_TIMEOUT(row.refreshes, 1, 2000);
        QVERIFY(!registry().unsaved().isUnsaved(1));

        Q_EMIT m_session->stack.protocol().uiOnVarsChangedPC(1);
        QTRY_COMPARE_WITH_TIMEOUT(row.refreshes, 2, 2000);
        QVERIFY(registry().unsaved().isUnsaved(1));
    }

    // Each setting of a flash variable, changed and then reverted: marked unsaved, and unmarked once the device
    // holds the loaded setting again.
    void revertRestoresEachSetting_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("setting");
        QTest::newRow("inversion") << 11 << "inversion";
        QTest::newRow("redirect") << 13 << "redirect";
        QTest::newRow("value") << 1 << "value";
    }

    void revertRestoresEachSetting()
    {
        QFETCH(int, id);
        QFETCH(QString, setting);
        const SimVariables::Variable loaded = *m_session->device->variable(uint16_t(id));
        QSignalSpy done(m_reports.get(), &WriteReports::done);
        if (setting == QLatin1String("inversion"))
            registry().setInv(id, !(loaded.flags & VarFlag::Inverted));
        else if (setting == QLatin1String("redirect"))
            registry().setRedir(id, 0);
        else
            registry().setValue(id, QStringLiteral("77"));
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        QCOMPARE(done.first().at(1).toInt(), 0);
        QVERIFY(!(*m_session->device->variable(uint16_t(id)) == loaded));
        QTRY_VERIFY_WITH_TIMEOUT(registry().unsaved().isUnsaved(id), 2000);
        QCOMPARE(registry().unsaved().unsavedIds(), QList<int>{id});

        QSignalSpy reverted(&registry().unsaved(), &UnsavedChanges::reverted);
        registry().unsaved().revert();
        QVERIFY(reverted.wait(5000));
        QVERIFY2(reverted.first().first().toString().startsWith(QLatin1String("Reverted")),
                 qPrintable(reverted.first().first().toString()));
        QCOMPARE(*m_session->device->variable(uint16_t(id)), loaded);
        QVERIFY(!registry().unsaved().isUnsaved(id));
    }

    void revertLostOnTheLinkKeepsTheDeviceRedirect()
    {
        QSignalSpy done(m_reports.get(), &WriteReports::done);
        registry().setRedir(13, 0);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(registry().unsaved().isUnsaved(13), 2000);

        // The cable goes as the revert's write leaves: the device keeps no redirect.
        SimLink* link = m_session->link;
        link->setRequestObserver([link](uint8_t cmd, const QByteArray&) {
            if (cmd == Cmd::VAR_SET)
                link->unplugAtExchange(1);
        });
        QSignalSpy reverted(&registry().unsaved(), &UnsavedChanges::reverted);
        registry().unsaved().revert();
        QVERIFY(reverted.wait(5000));
        QVERIFY(reverted.first().first().toString().contains(QLatin1String("Not reverted")));
        QCOMPARE(m_session->device->variable(13)->redir, uint16_t(0));
        bool found = false;
        QCOMPARE(vars().snapshot(13, &found).redir, uint16_t(0));
        QVERIFY(found); // the store outlives the loss, for the pages to show what the device holds
        QVERIFY(vars().redirSources(1).isEmpty());
    }

    void destroyedWithWritesQueued()
    {
        // The window may close while writes still wait on the worker: they must not run on a registry that is gone.
        for (int i = 0; i < 20; ++i)
            registry().setValue(1, QString::number(i));
        m_reports.reset();
        m_registry.reset();
        std::atomic<bool> passed = false;
        QVERIFY(m_session->stack.worker().post([&passed] { passed = true; }));
        QTRY_VERIFY_WITH_TIMEOUT(passed, 5000);
    }

private:
    VarsRegistry& registry() { return *m_registry; }
    VARS& vars() { return m_session->stack.protocol().vars(); }

    std::unique_ptr<SimFixture::RunningStack> m_session;
    std::unique_ptr<VarsRegistry> m_registry;
    std::unique_ptr<WriteReports> m_reports;
    QObject m_shownPage;
    QObject m_hiddenPage;
};

QTEST_GUILESS_MAIN(TestVarsRegistry)
#include "TestVarsRegistry.moc"

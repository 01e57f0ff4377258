#include <QtTest>

#include <QJsonArray>

#include "DemoCli.h"
#include "link/CommandTable.h"
#include "vars/VarRecord.h"

// kestrova-cli on its demo device: snapshots, writes, transfers and what a lost device leaves.
class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_demo = std::make_unique<DemoCli>(); }

    void snapshotCompareApply()
    {
        const QString file = path(QStringLiteral("car.kset"));
        QCOMPARE(cli({QStringLiteral("save-settings"), file}).status, 0);
        CliRun same = cli({QStringLiteral("--json"), QStringLiteral("compare"), file});
        QCOMPARE(same.status, 0);
        QCOMPARE(same.json().value(QStringLiteral("identical")), QJsonValue(true));

        QCOMPARE(cli({QStringLiteral("set"), QStringLiteral("1304=12.5")}).status, 0);
        QCOMPARE(deviceValue(1304), QByteArray("12.5"));
        const CliRun changed = cli({QStringLiteral("--json"), QStringLiteral("compare"), file});
        QCOMPARE(changed.status, 1);
        const QJsonArray settings = settingDifferences(changed);
        QCOMPARE(settings.size(), 1);
        QCOMPARE(settings.first()[QStringLiteral("id")].toInt(), 1304);

        QCOMPARE(cli({QStringLiteral("apply"), file, QStringLiteral("--yes")}).status, 0);
        QCOMPARE(deviceValue(1304), QByteArray("11.8000002"));
        QCOMPARE(cli({QStringLiteral("compare"), file}).status, 0);
    }

    void inversionOnlyDifference()
    {
        const QString file = path(QStringLiteral("car.kset"));
        QCOMPARE(cli({QStringLiteral("save-settings"), file}).status, 0);
        std::optional<SettingsFile> saved = SettingsFile::read(file);
        QVERIFY(saved);
        // Saved before the input's inversion was turned on: the value and the redirect are the same.
        const auto input = std::find_if(saved->entries.begin(), saved->entries.end(),
                                        [](const SettingsFile::Entry& e) { return e.id == 1103; });
        QVERIFY(input != saved->entries.end() && (input->flags & VarFlag::Inverted));
        input->flags &= ~VarFlag::Inverted;
        QVERIFY(saved->write(file));

        const CliRun changed = cli({QStringLiteral("--json"), QStringLiteral("compare"), file});
        QCOMPARE(changed.status, 1);
        const QJsonArray settings = settingDifferences(changed);
        QCOMPARE(settings.size(), 1);
        QCOMPARE(settings.first()[QStringLiteral("id")].toInt(), 1103);
        QVERIFY(settings.first()[QStringLiteral("file")] != settings.first()[QStringLiteral("device")]);

        QCOMPARE(cli({QStringLiteral("apply"), file, QStringLiteral("--yes")}).status, 0);
        QCOMPARE(deviceEntry(1103)->flags & VarFlag::Inverted, 0);
        QCOMPARE(cli({QStringLiteral("compare"), file}).status, 0);
    }

    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("wrong PIN") << QStringList{QStringLiteral("--pin"), QStringLiteral("9999"),
                                                  QStringLiteral("info")}
                                   << 4;
        QTest::newRow("unknown command") << QStringList{QStringLiteral("reboot")} << 2;
        QTest::newRow("bad id") << QStringList{QStringLiteral("get"), QStringLiteral("70000")} << 2;
        QTest::newRow("no such variable") << QStringList{QStringLiteral("get"), QStringLiteral("9")} << 5;
        QTest::newRow("read-only") << QStringList{QStringLiteral("set"), QStringLiteral("65503=\"X9\"")} << 5;
        QTest::newRow("missing file") << QStringList{QStringLiteral("compare"), QStringLiteral("/nonexistent.kset")}
                                      << 6;
        QTest::newRow("unwritable file") << QStringList{QStringLiteral("save-settings"),
                                                        QStringLiteral("/nonexistent/car.kset")}
                                         << 6;
    }

    void exitStatuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const CliRun run = cli(args);
        QCOMPARE(run.status, status);
        QVERIFY2(!run.err.isEmpty(), "an error names what failed");
        // Runs that reach the device leave it as it was.
        const QByteArray model = deviceValue(65503);
        QVERIFY(model.isEmpty() || model == "\"Orvo X7\"");
    }

    void lostDuringApply()
    {
        const QString file = path(QStringLiteral("car.kset"));
        QCOMPARE(cli({QStringLiteral("save-settings"), file}).status, 0);
        const QStringList changes{QStringLiteral("1304=12.5"), QStringLiteral("1305=14"), QStringLiteral("1306=0.5")};
        QCOMPARE(cli(QStringList{QStringLiteral("set")} + changes).status, 0);

        // The second write never reaches the device, which does not come back.
        m_demo->env.insert(QStringLiteral("KESTROVA_DEMO_LOSE_AT"), QStringLiteral("%1:2").arg(Cmd::VAR_SET));
        const CliRun run = cli({QStringLiteral("--json"), QStringLiteral("--wait"), QStringLiteral("1"),
                                QStringLiteral("apply"), file, QStringLiteral("--yes")});
        QCOMPARE(run.status, 3);
        const QJsonArray writes = run.json().value(QStringLiteral("writes")).toArray();
        QCOMPARE(writes.size(), 3);
        const std::optional<SettingsFile> saved = SettingsFile::read(file);
        QVERIFY(saved);
        int written = 0;
        for (const QJsonValue& w : writes) {
            const auto id = uint16_t(w[QStringLiteral("id")].toInt());
            const auto entry = std::find_if(saved->entries.cbegin(), saved->entries.cend(),
                                            [id](const SettingsFile::Entry& e) { return e.id == id; });
            QVERIFY(entry != saved->entries.cend());
            // Reported written: the device holds the file's value; not written: it kept the changed one.
            QCOMPARE(deviceValue(id) == SettingsFile::valueText(*entry), w[QStringLiteral("written")].toBool());
            written += w[QStringLiteral("written")].toBool() ? 1 : 0;
        }
        QVERIFY(written > 0 && written < writes.size());
    }

    void transfers()
    {
        QByteArray data(70000, '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = char((i * 7919) >> 3);
        const QString local = path(QStringLiteral("sound.bin"));
        write(local, data);
        QCOMPARE(cli({QStringLiteral("upload"), local, QStringLiteral("sound.wav")}).status, 0);
        const QString back = path(QStringLiteral("back.wav"));
        QCOMPARE(cli({QStringLiteral("download"), QStringLiteral("sound.wav"), back}).status, 0);
        QCOMPARE(read(back), data);

        // A download the lost device cuts short leaves the earlier local file as it was.
        write(back, "earlier");
        m_demo->env.insert(QStringLiteral("KESTROVA_DEMO_LOSE_AT"), QStringLiteral("%1:3").arg(Cmd::EFS_FILE_READ));
        const CliRun lost = cli({QStringLiteral("--wait"), QStringLiteral("1"), QStringLiteral("download"),
                                 QStringLiteral("sound.wav"), back});
        QCOMPARE(lost.status, 3);
        QCOMPARE(read(back), QByteArray("earlier"));
        QCOMPARE(QDir(m_demo->dir.path()).entryList(QDir::Files).size(), 2); // no partial file beside it
    }

    void jsonCarriesTheFacts_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("key");
        QTest::newRow("info") << QStringList{QStringLiteral("info")} << QString();
        QTest::newRow("get") << QStringList{QStringLiteral("get"), QStringLiteral("65503"), QStringLiteral("1304")}
                             << QStringLiteral("variables");
        QTest::newRow("ls") << QStringList{QStringLiteral("ls")} << QStringLiteral("files");
    }

    void jsonCarriesTheFacts()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, key);
        const CliRun text = cli(args);
        const CliRun json = cli(QStringList{QStringLiteral("--json")} + args);
        QCOMPARE(text.status, 0);
        QCOMPARE(json.status, 0);
        const QJsonObject document = json.json();
        QCOMPARE(document.value(QStringLiteral("exit")).toInt(-1), 0);
        const QStringList lines = QString::fromUtf8(text.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (key.isEmpty()) {
            // Every "label: value" line has its value in the document.
            QStringList values;
            for (const QJsonValue& v : document)
                values << v.toVariant().toString();
            for (const QString& line : lines)
                QVERIFY2(values.contains(line.section(QStringLiteral(": "), 1)), qPrintable(line));
            return;
        }
        const QJsonArray rows = document.value(key).toArray();
        QCOMPARE(rows.size(), lines.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QString first = lines.at(i).section(QLatin1Char('\t'), 0, 0);
            QCOMPARE(first, rows.at(i)[key == QLatin1String("files") ? QStringLiteral("name") : QStringLiteral("id")]
                                .toVariant()
                                .toString());
        }
    }

private:
    CliRun cli(const QStringList& args) { return m_demo->run(args); }
    QString path(const QString& name) const { return m_demo->path(name); }
    QByteArray deviceValue(uint16_t id) const { return m_demo->deviceValue(id); }
    std::optional<SettingsFile::Entry> deviceEntry(uint16_t id) const { return m_demo->deviceEntry(id); }
    static void write(const QString& name, const QByteArray& data) { DemoCli::write(name, data); }
    static QByteArray read(const QString& name) { return DemoCli::read(name); }

    // The demo's measured values move between runs: listed, marked, and never a settings difference.
    static QJsonArray settingDifferences(const CliRun& compare)
    {
        QJsonArray settings;
        for (const QJsonValue& d : compare.json().value(QStringLiteral("differences")).toArray()) {
            if (!d[QStringLiteral("readOnly")].toBool())
                settings.append(d);
        }
        return settings;
    }

    std::unique_ptr<DemoCli> m_demo;
};

QTEST_GUILESS_MAIN(TestCli)
#include "TestCli.moc"

#include <functional>
#include <memory>

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QtTest>

#include "update/UpdateChecker.h"

using namespace Qt::StringLiterals;

namespace {

// A download site on loopback: serves one page per section word, answers 404 for the others, and
// can hold requests unanswered. It logs the request targets it receives.
class SiteServer : public QObject
{
public:
    SiteServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        });
    }

    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    void setPage(const QString& section, const QByteArray& body) { m_pages.insert(section, body); }
    void setStalling(bool stalling) { m_stalling = stalling; }
    QStringList requests() const { return m_requests; }

    void releaseStalled()
    {
        for (const auto& [socket, target] : std::as_const(m_stalled))
            answer(socket, target);
        m_stalled.clear();
    }

private:
    void onReadyRead(QTcpSocket* socket)
    {
        QByteArray& head = m_heads[socket];
        head += socket->readAll();
        if (!head.contains("\r\n\r\n"))
            return;
        const QString target = QString::fromLatin1(head.split(' ').value(1));
        head.clear();
        m_requests.append(target);
        if (m_stalling)
            m_stalled.append({socket, target});
        else
            answer(socket, target);
    }

    void answer(QTcpSocket* socket, const QString& target)
    {
        const QString section = QUrlQuery(QUrl(target)).queryItemValue(QStringLiteral("section"));
        const bool found = m_pages.contains(section);
        const QByteArray body = m_pages.value(section, "not found");
        socket->write(
            (found ? "HTTP/1.1 200 OK" : "HTTP/1.1 404 Not Found") +
            QByteArray("\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\nContent-Length: ") +
            QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    bool m_stalling = false;
    QHash<QString, QByteArray> m_pages;
    QHash<QTcpSocket*, QByteArray> m_heads;
    QList<std::pair<QTcpSocket*, QString>> m_stalled;
    QStringList m_requests;
};

// A section page with one entry per name, each linked under linkBase.
QByteArray page(const QStringList& names, const QString& linkBase = u"/files/"_s)
{
    QString html = u"<html><body><h1>Завантаження</h1>\n"_s;
    for (const QString& name : names)
        html += u"<div>%1 &nbsp; Версія: 1.0 &nbsp;<a href=\"%2\">Завантажити</a></div>\n"_s.arg(name, linkBase + name);
    return (html + u"</body></html>"_s).toUtf8();
}

// Runs a check and waits until the given number of answers has reached the checker.
bool answered(UpdateChecker& checker, int replies, const std::function<void()>& check)
{
    QSignalSpy finished(checker.findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished);
    check();
    while (finished.count() < replies) {
        if (!finished.wait(5000))
            return false;
    }
    return true;
}

} // namespace

class TestUpdateChecker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }

    void init()
    {
        m_site = std::make_unique<SiteServer>();
        m_now = QDateTime::currentDateTimeUtc();
        m_checker = std::make_unique<UpdateChecker>();
        m_checker->setBaseUrl(m_site->baseUrl());
        m_checker->setClock([this] { return m_now; });
    }

    void versionOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("newer");
        // Numeric order and missing parts come up in the entry rows below.
        QTest::newRow("beyond 64 bits") << u"1.99999999999999999999"_s << u"1.99999999999999999998"_s << true;
        QTest::newRow("not a dotted number") << u"1.6-beta"_s << u"1.5"_s << false;
        QTest::newRow("trailing line break") << u"1.6\n"_s << u"1.5"_s << false;
    }

    void versionOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QTEST(UpdateChecker::isNewer(a, b), "newer");
    }

    void newestEntry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("found"); // "available name", empty without a record
        auto row = [](const char* tag, int kind, const QStringList& names, const char* installed, const char* found) {
            QTest::newRow(tag) << kind << names << QString::fromLatin1(installed) << QString::fromLatin1(found);
        };
        const int program = UpdateChecker::Program;
        const int firmware = UpdateChecker::Firmware;
        row("program 1.6 over 1.5.10", program, {"Kestrova-1.5.10-a.exe", "Kestrova-1.6-a.exe"}, "1.5.4",
            "1.6 Kestrova-1.6-a.exe");
        row("program same version", program, {"Kestrova-1.5.4-a.exe"}, "1.5.4", "");
        row("program first of equal versions", program, {"readme.txt", "Kestrova-2.0-a.exe", "Kestrova-2.0.0-b.exe"},
            "1.5.4", "2.0 Kestrova-2.0-a.exe");
        row("firmware first of equal numbers", firmware, {"FW9.bin", "FW12.bin", "fw12.hex", "FW3.bin"}, "10",
            "12 FW12.bin");
        row("firmware installed is the newest", firmware, {"FW12.bin"}, "12", "");
        row("firmware without numbered entry", firmware, {"readme.txt", "FWX.bin", "FW12"}, "10", "");
    }

    void newestEntry()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QFETCH(QString, installed);
        QFETCH(QString, found);
        m_site->setPage(UpdateChecker::sectionWord(kind), page(names));
        QVERIFY(answered(*m_checker, 1, [&] {
            if (kind == UpdateChecker::Program)
                m_checker->checkProgram(installed);
            else
                m_checker->checkDevice(installed, QString());
        }));
        QStringList records;
        for (const UpdateInfo& info : m_checker->results())
            records.append(info.available + u' ' + info.name);
        QCOMPARE(records.join(u'\n'), found);
    }

    void deviceCheckAndCache()
    {
        m_site->setPage("firmware", page({"FW12.bin"}, "https://mirror.example.org/"));
        m_site->setPage("algorithms", page({"ALGO7.bin"}));
        QVERIFY(answered(*m_checker, 2, [&] { m_checker->checkDevice(" 10 ", "5"); }));
        const QList<UpdateInfo> expected{
            {UpdateChecker::Firmware, "10", "12", "FW12.bin", "1.0", "https://mirror.example.org/FW12.bin"},
            {UpdateChecker::Algorithm, "5", "7", "ALGO7.bin", "1.0", m_site->baseUrl() + "/files/ALGO7.bin"}};
        QCOMPARE(m_checker->results(), expected);

        // Within the hour the answer comes at once from the cached pages; after it the site is asked again.
        QSignalSpy changed(m_checker.get(), &UpdateChecker::updatesChanged);
        m_now = m_now.addSecs(3599);
        m_checker->checkDevice("11", "5");
        QCOMPARE(changed.count(), 2);
        QCOMPARE(m_checker->results().size(), 2);
        m_now = m_now.addSecs(1);
        QVERIFY(answered(*m_checker, 2, [&] { m_checker->checkDevice("11", "5"); }));
        QCOMPARE(m_site->requests().size(), 4);
    }

    // A page fetched "in the future" of a clock set back is not fresh for ever: it is asked for again.
    void clockSetBack()
    {
        m_site->setPage("firmware", page({"FW12.bin"}));
        QVERIFY(answered(*m_checker, 1, [&] { m_checker->checkDevice("10", ""); }));
        m_now = m_now.addDays(-1);
        QVERIFY(answered(*m_checker, 1, [&] { m_checker->checkDevice("10", ""); }));
        m_now = m_now.addSecs(60);
        m_checker->checkDevice("10", "");
        QCOMPARE(m_site->requests().size(), 2);
        QCOMPARE(m_checker->results().size(), 1);
    }

    // A failed fetch keeps what was found and leaves the stale page to be asked for again; a page
    // that lists nothing clears the record and is kept.
    void refetch_data()
    {
        QTest::addColumn<bool>("failed");
        QTest::newRow("stalled past the time-out") << true;
        QTest::newRow("no entries") << false;
    }

    void refetch()
    {
        QFETCH(bool, failed);
        m_checker->setCacheLifetime(60);
        m_site->setPage("firmware", page({"FW12.bin"}));
        QVERIFY(answered(*m_checker, 1, [&] { m_checker->checkDevice("10", ""); }));
        const QList<UpdateInfo> before = m_checker->results();
        QCOMPARE(before.size(), 1);

        m_now = m_now.addSecs(60);
        // Short only for the stalled fetch: the first one may take longer than that on a busy machine.
        m_checker->setTransferTimeout(200);
        m_site->setStalling(failed);
        m_site->setPage("firmware", "<html><body><div>Немає файлів</div></body></html>");
        QSignalSpy changed(m_checker.get(), &UpdateChecker::updatesChanged);
        QVERIFY(answered(*m_checker, 1, [&] { m_checker->checkDevice("10", ""); }));
        QCOMPARE(m_checker->results(), failed ? before : QList<UpdateInfo>());
        QCOMPARE(changed.count(), failed ? 0 : 1);

        m_checker->setTransferTimeout(UpdateChecker::DefaultTransferTimeoutMs);
        m_site->setStalling(false);
        m_site->setPage("firmware", page({"FW13.bin"}));
        QVERIFY(answered(*m_checker, failed ? 1 : 0, [&] { m_checker->checkDevice("10", ""); }));
        if (failed)
            QCOMPARE(m_checker->results().first().available, QStringLiteral("13"));
        else
            QVERIFY(m_checker->results().isEmpty() && m_site->requests().size() == 2);
    }

    void invalidDeviceText()
    {
        m_site->setPage("firmware", page({"FW12.bin"}));
        m_site->setPage("algorithms", page({"ALGO7.bin"}));
        m_site->setPage("programs", page({}));
        QVERIFY(answered(*m_checker, 2, [&] { m_checker->checkDevice("10", "5"); }));
        QSignalSpy changed(m_checker.get(), &UpdateChecker::updatesChanged);
        for (const char* text : {"", "abc", "-1", "1.5"}) {
            m_now = m_now.addSecs(3600);
            m_checker->checkDevice(text, text);
            QVERIFY2(m_checker->results().isEmpty(), text);
        }
        QCOMPARE(changed.count(), 2); // each record cleared once
        // Had the invalid texts sent requests, the site would have seen them before this one.
        QVERIFY(answered(*m_checker, 1, [&] { m_checker->checkProgram("1.5.4"); }));
        QCOMPARE(m_site->requests().size(), 3);
    }

    void answerAfterDeviceLeft()
    {
        m_site->setPage("firmware", page({"FW12.bin"}));
        m_site->setPage("algorithms", page({"ALGO7.bin"}));
        m_site->setStalling(true);
        QSignalSpy changed(m_checker.get(), &UpdateChecker::updatesChanged);
        QVERIFY(answered(*m_checker, 2, [&] {
            m_checker->checkDevice("10", "5");
            QTRY_COMPARE_WITH_TIMEOUT(m_site->requests().size(), 2, 5000);
            m_checker->checkDevice("", "");
            m_site->releaseStalled();
        }));
        QVERIFY(m_checker->results().isEmpty());
        QCOMPARE(changed.count(), 0);
    }

    void noBaseAddress()
    {
        // Without an address nothing is asked and nothing found.
        m_checker->setBaseUrl(QString());
        QSignalSpy changed(m_checker.get(), &UpdateChecker::updatesChanged);
        m_checker->checkProgram("1.5.4");
        m_checker->checkDevice("10", "5");
        QVERIFY(m_checker->findChildren<QNetworkReply*>().isEmpty());
        QCOMPARE(changed.count(), 0);
    }

    void largePage()
    {
        // Runs of spaces where the entry pattern must give up, and entries that never close.
        QByteArray body = "<html><body><div>" + QByteArray(2 << 20, ' ') + "</div>\n";
        for (int i = 0; i < 200; ++i)
            body += "<div>FW90.bin &nbsp; Версія:" + QByteArray(5000, ' ') + "</div>\n";
        for (int i = 0; i < 20000; ++i)
            body += "<div>FW91.bin &nbsp; Версія: 91 &nbsp;<a href=\"/files/FW91.bin\n";
        body += page(QStringList{"FW41.bin", "FW40.bin"});
        m_site->setPage("firmware", body);
        QSignalSpy changed(m_checker.get(), &UpdateChecker::updatesChanged);
        m_checker->checkDevice("10", "");
        QVERIFY(changed.wait(5000));
        QCOMPARE(m_checker->results().first().name, QStringLiteral("FW41.bin"));
    }

    void oversizedPageIsRefused()
    {
        // The entry at its top would be found, were the page read to its end.
        m_site->setPage("firmware", page({"FW12.bin"}) + QByteArray(UpdateChecker::MaxPageBytes, ' '));
        QSignalSpy refused(m_checker.get(), &UpdateChecker::pageRefused);
        QVERIFY(answered(*m_checker, 1, [&] { m_checker->checkDevice("10", ""); }));
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.first().first().toString(),
                 "The page " + m_checker->sectionUrl(UpdateChecker::Firmware) +
                     " of the download site is larger than 8 MiB and was not read.");
        QVERIFY(m_checker->results().isEmpty());
    }

    void updateList()
    {
        m_checker->setBaseUrl("https://downloads.example.org");
        const QList<UpdateInfo> updates{
            {UpdateChecker::Firmware, "10", "12", "<script>alert(\"x\")</script> & FW12.bin", "12", "/f"},
            {UpdateChecker::Program, "1.5.4", "1.6", "Kestrova-1.6-setup.exe", "1.6", "/p"}};
        QCOMPARE(m_checker->updateListHtml(updates),
                 QStringLiteral("<p><b>Firmware</b>: installed 10, on the site 12<br>"
                                "<a href=\"https://downloads.example.org/ua-downloads.html?section=firmware\">"
                                "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; FW12.bin</a></p>"
                                "<p><b>Program</b>: installed 1.5.4, on the site 1.6<br>"
                                "<a href=\"https://downloads.example.org/ua-downloads.html?section=programs\">"
                                "Kestrova-1.6-setup.exe</a></p>"));
    }

private:
    std::unique_ptr<SiteServer> m_site;
    std::unique_ptr<UpdateChecker> m_checker;
    QDateTime m_now;
};

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "TestUpdateChecker.moc"

#include "update/UpdateChecker.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>

namespace {

// Compares two runs of decimal digits by value without limiting their length.
int compareDigits(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == u'0')
        a = a.mid(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

QString kindTitle(int kind)
{
    switch (kind) {
    case UpdateChecker::Program:
        return UpdateChecker::tr("Program");
    case UpdateChecker::Firmware:
        return UpdateChecker::tr("Firmware");
    case UpdateChecker::Algorithm:
        return UpdateChecker::tr("Algorithm");
    default:
        return {};
    }
}

} // namespace

UpdateChecker::UpdateChecker(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)), m_now([] { return QDateTime::currentDateTimeUtc(); })
{}

QString UpdateChecker::baseUrlKey()
{
    return QStringLiteral("update/base_url");
}

QString UpdateChecker::checkAtStartKey()
{
    return QStringLiteral("update/check_at_start");
}

QString UpdateChecker::baseUrlFromSettings(const QSettings& settings)
{
    // The maker's download address is not built in: until it is configured the checker stays off
    // rather than sending the installed versions to a guessed host.
    if (!settings.value(checkAtStartKey(), true).toBool())
        return QString();
    return settings.value(baseUrlKey(), QString()).toString();
}

void UpdateChecker::setBaseUrl(const QString& baseUrl)
{
    QString base = baseUrl.trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    if (base == m_baseUrl)
        return;
    m_baseUrl = base;
    // Pages and answers still on their way belong to the old site.
    m_cache.clear();
    for (quint64& generation : m_checkGeneration)
        ++generation;
}

QString UpdateChecker::sectionWord(int kind)
{
    switch (kind) {
    case Program:
        return QStringLiteral("programs");
    case Firmware:
        return QStringLiteral("firmware");
    case Algorithm:
        return QStringLiteral("algorithms");
    default:
        return {};
    }
}

QList<UpdateChecker::Item> UpdateChecker::parseSection(const QString& page, const QString& baseUrl)
{
    // Every run is possessive and stops at the first character it may not hold, so a long run of
    // spaces or an entry that never closes costs one pass instead of a backtracking search. The
    // spaces a run takes in around name and version are trimmed off afterwards.
    static const QRegularExpression entry(QStringLiteral("<div>([^<>&]++)&nbsp;\\s*+Версія:([^<>&]*+)&nbsp;\\s*+"
                                                         "<a href=\"([^\"<>]++)\">[^<]*+</a></div>"));
    QList<UpdateChecker::Item> items;
    for (QRegularExpressionMatchIterator it = entry.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString url = match.captured(3);
        if (url.startsWith(u'/'))
            url.prepend(baseUrl);
        items.append({match.captured(1).trimmed(), match.captured(2).trimmed(), url});
    }
    return items;
}

QString UpdateChecker::sectionUrl(int kind) const
{
    return QStringLiteral("%1/ua-downloads.html?section=%2").arg(m_baseUrl, sectionWord(kind));
}

bool UpdateChecker::isNewer(const QString& a, const QString& b)
{
    static const QRegularExpression dotted(QRegularExpression::anchoredPattern(QStringLiteral("\\d+(\\.\\d+)*")));
    if (!dotted.match(a).hasMatch() || !dotted.match(b).hasMatch())
        return false;
    const QList<QStringView> partsA = QStringView(a).split(u'.');
    const QList<QStringView> partsB = QStringView(b).split(u'.');
    for (qsizetype i = 0; i < qMax(partsA.size(), partsB.size()); ++i) {
        const QStringView partA = i < partsA.size() ? partsA.at(i) : QStringView(u"0");
        const QStringView partB = i < partsB.size() ? partsB.at(i) : QStringView(u"0");
        if (const int order = compareDigits(partA, partB); order != 0)
            return order > 0;
    }
    return false;
}

void UpdateChecker::checkProgram(const QString& installedVersion)
{
    startCheck(Program);
    fetchSection(Program, [this, installedVersion](const QList<Item>& items) {
        static const QRegularExpression programVersion(QStringLiteral("^[A-Za-z]+-(\\d+(?:\\.\\d+)+)-"));
        const Item* best = nullptr;
        QString bestVersion;
        for (const Item& item : items) {
            const QRegularExpressionMatch match = programVersion.match(item.name);
            if (!match.hasMatch())
                continue;
            const QString version = match.captured(1);
            if (!best || isNewer(version, bestVersion)) {
                best = &item;
                bestVersion = version;
            }
        }
        if (best && isNewer(bestVersion, installedVersion))
            setResult(Program,
                      UpdateInfo{Program, installedVersion, bestVersion, best->name, best->version, best->url});
        else
            setResult(Program, std::nullopt);
    });
}

void UpdateChecker::checkDevice(const QString& firmwareText, const QString& algorithmText)
{
    checkDeviceKind(Firmware, firmwareText, QStringLiteral("FW"));
    checkDeviceKind(Algorithm, algorithmText, QStringLiteral("ALGO"));
}

void UpdateChecker::checkDeviceKind(int kind, const QString& installedText, const QString& prefix)
{
    startCheck(kind);
    bool ok = false;
    const qlonglong installed = installedText.trimmed().toLongLong(&ok, 10);
    if (!ok || installed < 0) {
        setResult(kind, std::nullopt);
        return;
    }
    const QRegularExpression numbered(QStringLiteral("^") + QRegularExpression::escape(prefix) +
                                          QStringLiteral("(\\d+)\\."),
                                      QRegularExpression::CaseInsensitiveOption);
    fetchSection(kind, [this, kind, installed, numbered](const QList<Item>& items) {
        const Item* best = nullptr;
        qlonglong bestNumber = -1;
        for (const Item& item : items) {
            const QRegularExpressionMatch match = numbered.match(item.name);
            bool isNumber = false;
            const qlonglong number = match.hasMatch() ? match.captured(1).toLongLong(&isNumber) : -1;
            if (isNumber && number > bestNumber) {
                best = &item;
                bestNumber = number;
            }
        }
        if (best && bestNumber > installed)
            setResult(kind, UpdateInfo{kind, QString::number(installed), QString::number(bestNumber), best->name,
                                       best->version, best->url});
        else
            setResult(kind, std::nullopt);
    });
}

void UpdateChecker::startCheck(int kind)
{
    ++m_checkGeneration[kind];
}

bool UpdateChecker::isFresh(const CacheEntry& entry) const
{
    // A clock set back must not keep a page forever.
    const qint64 age = entry.fetched.secsTo(m_now());
    return age >= 0 && age < m_cacheLifetimeSecs;
}

void UpdateChecker::fetchSection(int kind, ItemsHandler onItems)
{
    if (const auto cached = m_cache.constFind(kind); cached != m_cache.cend() && isFresh(*cached)) {
        onItems(cached->items);
        return;
    }
    if (m_baseUrl.isEmpty())
        return;
    QNetworkRequest request{QUrl(sectionUrl(kind))};
    request.setTransferTimeout(m_transferTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    const quint64 check = m_checkGeneration.value(kind);
    // Progress is reported in bursts, so a page may also be complete before it is seen to be too large.
    const auto refuse = [this, reply] {
        if (reply->property("refused").toBool())
            return;
        reply->setProperty("refused", true);
        Q_EMIT pageRefused(tr("The page %1 of the download site is larger than %2 MiB and was not read.")
                               .arg(reply->url().toDisplayString())
                               .arg(MaxPageBytes >> 20));
    };
    connect(reply, &QNetworkReply::downloadProgress, this, [reply, refuse](qint64 received, qint64 announced) {
        if (qMax(received, announced) <= MaxPageBytes)
            return;
        refuse();
        reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, kind, check, refuse, onItems = std::move(onItems)] {
        reply->deleteLater();
        // An answer that a later check of its kind has overtaken must not bring back a record, for
        // example of a device that has gone away meanwhile.
        if (reply->error() != QNetworkReply::NoError || check != m_checkGeneration.value(kind))
            return;
        if (reply->bytesAvailable() > MaxPageBytes) {
            refuse();
            return;
        }
        const QList<Item> items = parseSection(QString::fromUtf8(reply->readAll()), m_baseUrl);
        m_cache.insert(kind, CacheEntry{m_now(), items});
        onItems(items);
    });
}

void UpdateChecker::setResult(int kind, const std::optional<UpdateInfo>& info)
{
    const qsizetype removed = m_results.removeIf([kind](const UpdateInfo& result) { return result.kind == kind; });
    if (info)
        m_results.append(*info);
    if (removed > 0 || info)
        Q_EMIT updatesChanged();
}

QString UpdateChecker::updateListHtml(const QList<UpdateInfo>& updates) const
{
    QString html;
    for (const UpdateInfo& update : updates) {
        html += QStringLiteral("<p><b>%1</b>: %2<br><a href=\"%3\">%4</a></p>")
                    .arg(kindTitle(update.kind).toHtmlEscaped(),
                         tr("installed %1, on the site %2").arg(update.installed, update.available).toHtmlEscaped(),
                         sectionUrl(update.kind).toHtmlEscaped(), update.name.toHtmlEscaped());
    }
    return html;
}

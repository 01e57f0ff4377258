#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include "update/UpdateInfo.h"

class QNetworkAccessManager;
class QSettings;

// Asks the download site which program, firmware and algorithm versions it offers and keeps one
// record per kind for which a newer version than the installed one is offered. Lives on the user
// interface thread; every request is asynchronous.
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    enum Kind : int
    {
        Program = 0,
        Firmware = 1,
        Algorithm = 2,
    };

    // One download entry of a section page.
    struct Item
    {
        QString name;
        QString version;
        QString url;
    };

    static constexpr int DefaultTransferTimeoutMs = 15000;
    // A section page lists a few dozen downloads; anything past this is not the site's page and is
    // not read into memory.
    static constexpr qint64 MaxPageBytes = 8 << 20;
    static constexpr int DefaultCacheLifetimeSecs = 3600;

    explicit UpdateChecker(QObject* parent = nullptr);

    // The settings key that holds the download site's base address; an empty value turns the
    // checker off.
    static QString baseUrlKey();
    // The settings key of "check for updates at start-up" (on when missing, so an address set
    // before the switch existed keeps checking).
    static QString checkAtStartKey();
    // The address to check at start-up: empty, so off, without an address or with the check switched off.
    static QString baseUrlFromSettings(const QSettings& settings);

    // An empty base address turns the checker off: checks then send no request and find nothing.
    void setBaseUrl(const QString& baseUrl);
    QString baseUrl() const { return m_baseUrl; }

    void setTransferTimeout(int ms) { m_transferTimeoutMs = ms; }
    void setCacheLifetime(int seconds) { m_cacheLifetimeSecs = seconds; }
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    static QString sectionWord(int kind);
    // True when both texts are dotted numbers and a is the greater version.
    static bool isNewer(const QString& a, const QString& b);
    // The download entries of a section page; relative links are taken as under baseUrl.
    static QList<Item> parseSection(const QString& page, const QString& baseUrl);

    void checkProgram(const QString& installedVersion);
    void checkDevice(const QString& firmwareText, const QString& algorithmText);

    QList<UpdateInfo> results() const { return m_results; }
    QString sectionUrl(int kind) const;

    // The list of new versions as rich text for the update list box; every text is escaped, so
    // nothing from the site's page can add markup.
    QString updateListHtml(const QList<UpdateInfo>& updates) const;

Q_SIGNALS:
    void updatesChanged();
    // A page was refused; the text says why, for the log.
    void pageRefused(QString message);

private:
    using ItemsHandler = std::function<void(const QList<Item>&)>;

    struct CacheEntry
    {
        QDateTime fetched;
        QList<Item> items;
    };

    void fetchSection(int kind, ItemsHandler onItems);
    void checkDeviceKind(int kind, const QString& installedText, const QString& prefix);
    bool isFresh(const CacheEntry& entry) const;
    // Makes every answer still on its way for this kind stale.
    void startCheck(int kind);
    void setResult(int kind, const std::optional<UpdateInfo>& info);

    QNetworkAccessManager* m_network = nullptr;
    QString m_baseUrl;
    int m_transferTimeoutMs = DefaultTransferTimeoutMs;
    int m_cacheLifetimeSecs = DefaultCacheLifetimeSecs;
    std::function<QDateTime()> m_now;
    QHash<int, CacheEntry> m_cache;
    QHash<int, quint64> m_checkGeneration;
    QList<UpdateInfo> m_results;
};

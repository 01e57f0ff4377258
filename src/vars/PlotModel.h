#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTimer>

class QIODevice;
class VarsRegistry;

// The series of one plot: for each plotted variable the values the device reported, with the time of
// each read in seconds, and gaps where a read was missed or the link was lost. Each series keeps the
// last ten minutes, bounded in points as well, so a plot left open for a day costs no more memory.
class PlotModel : public QObject
{
    Q_OBJECT
public:
    struct Point
    {
        double t = 0; // seconds since the plot started
        double v = 0; // NaN: a gap
        bool isGap() const { return v != v; }
    };
    struct Series
    {
        int id = 0;
        QString name;
        QString unit;
        QList<Point> points;
    };

    static constexpr int MaxSeries = 8;
    static constexpr double HistorySeconds = 600;
    static constexpr qsizetype MaxPoints = 30000;
    static constexpr int TakeMs = 100;

    explicit PlotModel(VarsRegistry& registry, QObject* parent = nullptr);
    ~PlotModel() override;

    // False when the variable is plotted already or the plot is full.
    bool addSeries(int id, const QString& name, const QString& unit);
    void removeSeries(int id);
    void clear();
    bool contains(int id) const;
    bool isFull() const { return m_series.size() >= MaxSeries; }
    const QList<Series>& series() const { return m_series; }
    // A row's name carries its unit after the last comma ("Supply voltage, V").
    static QPair<QString, QString> nameAndUnit(const QString& rowName);
    // Seconds on the plot's time axis now.
    double now() const;

    // Time in seconds, then one column per series ("name, unit"); a cell is empty where that series has
    // no reading at that time.
    bool writeCsv(QIODevice& out) const;

    // Takes the reads the worker noted since the last call; the timer calls it while anything is plotted.
    void takeSamples();

Q_SIGNALS:
    void seriesChanged();
    void pointsAdded();

private:
    void append(Series& series, Point point);

    VarsRegistry& m_registry;
    // The registry's owner may destroy it first; nothing is left to stop then.
    const QPointer<VarsRegistry> m_registryAlive;
    QList<Series> m_series;
    qint64 m_originMs;
    QTimer m_take;
};

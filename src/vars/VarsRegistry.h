#pragma once

#include <functional>
#include <memory>

#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include "VarUiInfo.h"

class DeviceProtocol;
class DeviceThread;
class UnsavedChanges;
class VarRow;
class VarSampler;
class VarsUIAttr;
class VARS;
struct VarRecord;

// Turns edits on the pages into write jobs on the device worker, counts the writes in flight per
// variable, and turns the store's change notifications into refreshes of the rows shown.
class VarsRegistry : public QObject
{
    Q_OBJECT
public:
    // A page view is only an identity here; the registry never touches it.
    using PageView = const QObject*;
    using Candidate = QPair<int, QString>; // id, label

    static constexpr int CoalesceMs = 40;
    // Result of a job the worker dropped because no device is open.
    static constexpr int Dropped = -4;
    // Result of a restore of a variable the device has made read-only.
    static constexpr int ReadOnly = -5;

    VarsRegistry(DeviceProtocol& protocol, DeviceThread& worker, QObject* parent = nullptr);
    ~VarsRegistry() override;

    void setValue(int id, const QString& text);
    void setInv(int id, bool on);
    void setRedir(int id, int target);
    void setRedirReverse(int id, int target, const QList<int>& candidates);
    void setOnOffRedir(int id, int target, const QMap<int, int>& pairs, bool on);
    // Writes back the value, inversion and redirect of an earlier device answer.
    void restore(int id, const VarRecord& saved);
    // Reads the variable again on the worker; false when the worker did not take the job.
    bool refresh(int id);

    void build(const QList<VarUiInfoPtr>& infos, const QMap<int, VarsUIAttr*>& attrs);
    VarUiInfoPtr info(int id) const;
    void registerRow(PageView view, VarRow* row);
    QList<Candidate> candidates(const QStringList& groupNames) const;
    QSet<int> tabIds(PageView view) const;
    QSet<int> tabFurtherIds(PageView view) const;
    void setCurrentPageView(PageView view) { m_current = view; }
    PageView currentPageView() const { return m_current; }
    int pendingWrites(int id) const;
    // A plotted variable stays polled and sampled, whichever page is shown, until its plot lets go.
    void startPlotting(int id);
    void stopPlotting(int id);
    // Puts the plotted variables back on the poll after the window cleared the poll lists.
    void pollPlotted();
    VarSampler& sampler() const;
    // A row asks for its variable to be plotted; the plot window answers.
    void requestPlot(int id, const QString& name) { Q_EMIT plotRequested(id, name); }
    VARS& vars() const;
    UnsavedChanges& unsaved() const { return *m_unsaved; }

Q_SIGNALS:
    void varsUpdated(QList<int> ids);
    // Both come from the worker thread (or the caller's when the worker drops the job): connect queued.
    void writeFailed(int id, int code);
    void writeDone(int id, int code);
    void plotRequested(int id, QString name);

public Q_SLOTS:
    void onDirty();
    void flush();

private:
    using Job = std::function<int()>;
    void submit(int key, Job job);
    void complete(int key, int code);
    // Runs an edit of the live record under the store's lock, then sends it. A write lost on the link puts
    // back the record as it was, or confirmed when an earlier step of the job already changed the store.
    int editAndSend(int id, bool withValue, const std::function<void(VARS&, VarRecord&)>& edit,
                    const VarRecord* confirmed = nullptr);

    DeviceProtocol& m_protocol;
    DeviceThread& m_worker;
    QHash<int, VarUiInfoPtr> m_infos;
    QHash<QString, QList<const VarsUIAttr*>> m_groupMembers;
    QHash<int, QList<VarRow*>> m_rowsById;
    QHash<VarRow*, PageView> m_viewOfRow;
    QHash<PageView, QSet<int>> m_viewIds;
    QHash<PageView, QSet<int>> m_viewFurtherIds;
    PageView m_current = nullptr;
    QHash<int, int> m_plotted; // id -> plots of it
    UnsavedChanges* m_unsaved;
    QTimer m_coalesce;

    mutable QMutex m_pendingMutex;
    QHash<int, int> m_pending;

    // Jobs queued on the worker may outlive the registry: each runs under this lock, and only while
    // the registry is alive; the destructor waits for a running one.
    struct Lifetime
    {
        QMutex mutex;
        bool alive = true;
    };
    const std::shared_ptr<Lifetime> m_lifetime = std::make_shared<Lifetime>();
};

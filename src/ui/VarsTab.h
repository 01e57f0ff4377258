#pragma once

#include <functional>

#include <QHash>
#include <QList>
#include <QScrollArea>
#include <QString>

#include "vars/VarUiInfo.h"

class FoldGroup;
class QVBoxLayout;
class VarWidget;

// One page of variables: a scrolling column of rows, spacers and foldable groups, with striped rows
// and one label column width for the whole page.
class VarsTab : public QScrollArea
{
    Q_OBJECT
public:
    // key: the page's name in settings keys (its title, lower-cased).
    VarsTab(const QString& title, const QString& key, const QString& section = {}, int uid = 0,
            QWidget* parent = nullptr);

    // The rows in page order; a group takes the rows added after its beginGroup until endGroup.
    void addRow(VarWidget* row);
    // Where the next row goes; a row made with it as parent is not moved again, which with a group's
    // style sheet would restyle the whole row.
    QWidget* rowParent() const;
    void addSpacer();
    void beginGroup(const QString& title, bool collapsed, int groupIndex);
    void endGroup();
    // Called once the last row is in.
    void finish();
    // A panel below the rows, after the page's stretch.
    void addFooter(QWidget* footer);

    // The rows are added by addRows when the page is first shown, searched or refreshed; until then
    // the search reads the descriptions of its rows.
    void deferRows(QList<VarUiInfoPtr> rowInfos, std::function<void(VarsTab&)> addRows);
    void ensureRows();

    // Builds the rows first when they were deferred.
    void refreshRows();
    // Whether the name or the help of one of the rows contains the text, in any letter case.
    bool matches(const QString& text) const;
    // Highlights the rows that match, opens them in folded groups and scrolls the first into view;
    // an empty text takes it all back.
    void showMatches(const QString& text);

    QString title() const { return m_title; }
    QString key() const { return m_key; }
    QString section() const { return m_section; }
    int uid() const { return m_uid; }
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }
    // Empty while the rows are deferred.
    const QList<VarWidget*>& rows() const { return m_rows; }
    const QList<FoldGroup*>& groups() const { return m_groups; }
    int labelWidth() const { return m_labelWidth; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

Q_SIGNALS:
    // The deferred rows are in, before the page shows them.
    void rowsBuilt();

private:
    void place(QWidget* row, bool alwaysVisible);
    void applyLabelWidth();
    static bool rowMatches(const VarUiInfo& info, const QString& text);

    QString m_title;
    QString m_key;
    QString m_section;
    int m_uid = 0;
    int m_index = -1;
    QWidget* m_content;
    QVBoxLayout* m_layout;
    FoldGroup* m_open = nullptr;
    QList<FoldGroup*> m_groups;
    int m_rowCounter = 0;
    int m_savedCounter = 0;
    QList<VarWidget*> m_rows;
    QList<VarUiInfoPtr> m_deferredInfos;
    std::function<void(VarsTab&)> m_addRows;
    QHash<const QWidget*, FoldGroup*> m_groupOf;
    int m_labelWidth = -1;
    int m_widestLabel = 0;
};

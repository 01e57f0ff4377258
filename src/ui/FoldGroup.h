#pragma once

#include <QFrame>
#include <QList>
#include <QPair>

class QPushButton;
class QVBoxLayout;

// A titled group of rows on a page that folds to its header. Whether it is open is kept in the
// settings per page and title, so it opens the way the user left it.
class FoldGroup : public QFrame
{
    Q_OBJECT
public:
    // key: the page key, "/" and the title; the settings key is "fold/" followed by it.
    FoldGroup(const QString& title, const QString& key, bool collapsed, QWidget* parent = nullptr);

    // Always-visible rows stay shown while the group is folded.
    void addRow(QWidget* row, bool alwaysVisible);
    // Shows and hides the rows for the fold state and updates the header.
    void refresh();
    void toggle();
    // Rows shown while folded without touching the remembered state (the search's matches); empty: none.
    void reveal(const QList<QWidget*>& rows);

    QString title() const { return m_title; }
    QString foldKey() const { return m_foldKey; }
    bool isExpanded() const { return m_expanded; }
    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index) { m_groupIndex = index; }
    QPushButton* header() const { return m_header; }

private:
    QString m_title;
    QString m_foldKey;
    int m_groupIndex = 0;
    bool m_expanded = true;
    QPushButton* m_header;
    QVBoxLayout* m_rowsLayout;
    QList<QPair<QWidget*, bool>> m_rows;
    QList<QWidget*> m_revealed;
};

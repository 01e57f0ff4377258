#pragma once

#include <functional>

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTabBar;
class QTabWidget;
class VarsTab;

// Navigation above the main tab widget: a bar of sections and a bar of the pages of the current
// section, both narrowed by a search field. The page shown is always the one the bars select: a search
// that leaves it out shows the first page it lists, and the rows that match are marked on the page.
class NavPanel : public QWidget
{
    Q_OBJECT
public:
    // Whether the page at that main-tab index shows something matching the search text.
    using SearchMatch = std::function<bool(int pageIndex, const QString& text)>;

    static constexpr int SearchDelayMs = 600;
    // The section of pages that name none.
    static QString otherSection() { return tr("Інше"); }

    explicit NavPanel(QTabWidget& tabs, QWidget* parent = nullptr);

    void setSection(int tabIndex, const QString& section);
    // Sections named here come first, in this order; the others follow as they first occur.
    void setSectionOrder(const QStringList& order);
    void setSearchMatch(SearchMatch match);

    // With the restriction on, only the allowed pages can be chosen, and only once the set is valid.
    void setRestricted(bool on);
    void setRestrictionValid(bool valid);
    void setAllowedPages(const QSet<int>& tabIndexes);

    // Rebuilds both bars from the main tab widget; its disabled tabs are listed but cannot be chosen.
    void refresh();

    QLineEdit* searchField() const { return m_search; }
    QTabBar* sectionsBar() const { return m_sections; }
    QTabBar* pagesBar() const { return m_pages; }
    // Stands in for the pages while a search finds nothing.
    QLabel* nothingFound() const { return m_nothing; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool allowed(int tabIndex) const;
    // Whether the tab is listed with that search text.
    bool listed(int tabIndex, const QString& filter) const;
    QString filter() const;
    void onTabChanged();
    void placeNothingFound();
    void markMatches(const QString& filter);
    QString sectionOf(int tabIndex) const;
    void onSectionChosen(int barIndex);
    void onPageChosen(int barIndex);
    void activatePending();

    QTabWidget& m_tabs;
    QTabBar* const m_tabBar;
    QLineEdit* m_search;
    QTabBar* m_sections;
    QTabBar* m_pages;
    QLabel* m_nothing;
    QTimer m_searchTimer;
    QHash<int, QString> m_sectionOfTab;
    QStringList m_sectionOrder;
    QString m_currentSection;
    // The first page of each section listed, for choosing a section.
    QHash<QString, int> m_firstPage;
    bool m_restricted = false;
    bool m_restrictionValid = false;
    QSet<int> m_allowed;
    int m_pendingActivation = -1;
    SearchMatch m_match;
    QPointer<VarsTab> m_marked;
    QString m_markedText;
};

#pragma once

#include <functional>

#include <cstdint>

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include "VarUiInfo.h"

class QXmlStreamReader;
class VarsUIAttr;

// The page descriptions: which variables the user sees, on which page, in which order and with which editor.
// The model is read from XML resources and is the same with or without the user interface; the window side
// turns it into the registry's index and the page views through the assembly hook that load() runs last.
class VarsUI : public QObject
{
    Q_OBJECT
public:
    enum class ItemKind
    {
        Variable = 0,
        Space = 1,
        GroupStart = 2,
        GroupEnd = 3,
    };

    struct Item
    {
        ItemKind kind = ItemKind::Variable;
        QString text;      // group title for a group start
        VarUiInfoPtr info; // variables only
        bool folded = false;
        int uid = 0;
    };

    struct Page
    {
        QString title;
        QString titleLower;
        QString section;
        QString file; // base name of the page file
        int uid = 0;
        QList<Item> items;

        // Admin pages ("h_..." as written, whatever the language shown) are built but kept out of the tab bar.
        bool hidden = false;
    };

    struct VarGroup
    {
        QString title;
        QString help;
    };

    // Run by load() after reading; builds what needs the registry and widgets.
    using Assembler = std::function<void(VarsUI& model)>;

    static inline const QString ResourceFolder = QStringLiteral(":/vars");
    // The translation context of the page texts; the pages are written in Ukrainian, their source language.
    static constexpr const char* TextContext = "PageText";

    // A page text in the language of the installed catalogue: the model holds every text as shown.
    static QString pageText(const QString& source);

    explicit VarsUI(QObject* parent = nullptr);
    ~VarsUI() override;

    void setAssembler(Assembler assembler);
    // Reads the built-in pages, then runs the assembler. True even when pages reported errors.
    bool load();

    bool loadPagesXml(const QString& folder);
    bool loadPageXml(const QString& path);
    bool loadGroupsFile(const QString& path);

    // The ids a full load reads: every row the pages show with the variables it redirects to, and the
    // variables the program reads beside the pages (DeviceVar::BesidePages); ascending.
    QList<uint16_t> loadList() const;

    // Display name of the first element with that id; withPage appends " (tab:<page title, lower-cased>)".
    QString varName(int id, bool withPage) const;
    QString optionText(int id, int value) const;
    // The first element with that id in document order, or none.
    VarUiInfoPtr info(int id) const;
    // The first row that shows the device variable, also through a rid; else the element with that id.
    VarUiInfoPtr rowInfo(int deviceId) const;

    const QList<Page>& pages() const { return m_pages; }
    const QList<VarUiInfoPtr>& infos() const { return m_infos; }
    const QMap<int, VarsUIAttr*>& attrs() const { return m_attrs; }
    const QList<VarsUIAttr*>& furtherAttrs() const { return m_furtherAttrs; }
    const QStringList& groupNames() const { return m_groupNames; }
    const QHash<QString, VarGroup>& groups() const { return m_groups; }
    int uidCounter() const { return m_uid; }
    // Every text the pages show (titles, sections, group titles, names, help texts, option labels), each
    // once, in document order; the Ukrainian sources when no catalogue translates them.
    QStringList texts() const;

private:
    bool readPage(QXmlStreamReader& xml, const QString& path, const QString& file);
    void readVar(QXmlStreamReader& xml, const QString& path);
    void addSpace(QXmlStreamReader& xml);

    Assembler m_assembler;
    QList<Page> m_pages;
    QList<VarUiInfoPtr> m_infos;
    QHash<int, VarUiInfoPtr> m_firstInfo;
    QMap<int, VarsUIAttr*> m_attrs; // ordered, so redirect choices come in ascending id order
    QList<VarsUIAttr*> m_furtherAttrs;
    QStringList m_groupNames;
    QHash<QString, VarGroup> m_groups;
    QString m_groupTitle; // title of the group being read, empty outside groups
    int m_uid = 0;
};

#include "VarsUI.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <set>

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>

#include "DeviceVars.h"
#include "VarsUIAttr.h"

namespace {

void warnAt(const QString& path, qint64 line, const QString& text)
{
    qWarning("%s:%lld: %s", qPrintable(path), line, qPrintable(text));
}

void warnXmlError(const QXmlStreamReader& xml, const QString& path)
{
    warnAt(path, xml.lineNumber(), xml.errorString());
}

// Opens the file and moves to its root element. False when it cannot be opened (a warning only with openFailed),
// when it is not well-formed or when its root is another element.
bool openRoot(QFile& file, QXmlStreamReader& xml, QStringView root, const char* openFailed, const char* expected)
{
    if (!file.open(QIODevice::ReadOnly)) {
        if (openFailed)
            qWarning().noquote() << openFailed << file.fileName();
        return false;
    }
    xml.setDevice(&file);
    if (xml.readNextStartElement() && xml.name() == root)
        return true;
    if (xml.hasError())
        warnXmlError(xml, file.fileName());
    else
        qWarning().noquote() << expected << file.fileName();
    return false;
}

QString withLineBreaks(QString text)
{
    return text.replace(QLatin1String("\\n"), QLatin1String("\n"));
}

} // namespace

VarsUI::VarsUI(QObject* parent) : QObject(parent)
{}

VarsUI::~VarsUI() = default;

void VarsUI::setAssembler(Assembler assembler)
{
    m_assembler = std::move(assembler);
}

bool VarsUI::load()
{
    // Errors were reported as warnings; whatever loaded is still worth showing.
    loadPagesXml(ResourceFolder);
    if (m_assembler)
        m_assembler(*this);
    return true;
}

bool VarsUI::loadPagesXml(const QString& folder)
{
    QFile file(folder + QStringLiteral("/pages.xml"));
    QXmlStreamReader xml;
    if (!openRoot(file, xml, u"pages", "loadPagesXml - open failed", "loadPagesXml - <pages> expected in"))
        return false;

    QStringList pageFiles;
    QString groupsFile;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"page")
            pageFiles << xml.attributes().value(QLatin1String("file")).toString();
        else if (xml.name() == u"vargroups")
            groupsFile = xml.attributes().value(QLatin1String("file")).toString();
        xml.skipCurrentElement();
    }
    if (xml.hasError()) {
        warnXmlError(xml, file.fileName());
        return false;
    }

    if (!groupsFile.isEmpty())
        loadGroupsFile(folder + QLatin1Char('/') + groupsFile);
    bool ok = true;
    for (const QString& pageFile : std::as_const(pageFiles))
        ok = loadPageXml(folder + QLatin1Char('/') + pageFile) && ok;
    return ok;
}

bool VarsUI::loadPageXml(const QString& path)
{
    QFile file(path);
    QXmlStreamReader xml;
    if (!openRoot(file, xml, u"page", "loadPageXml - open failed", "loadPageXml - <page> expected in"))
        return false;
    return readPage(xml, path, QFileInfo(path).completeBaseName());
}

bool VarsUI::loadGroupsFile(const QString& path)
{
    QFile file(path);
    QXmlStreamReader xml;
    if (!openRoot(file, xml, u"vargroups", nullptr, "loadGroupsFile - <vargroups> expected in"))
        return false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"vargroup") {
            const QXmlStreamAttributes a = xml.attributes();
            const QString name = a.value(QLatin1String("name")).toString().toLower();
            if (!name.isEmpty()) {
                if (!m_groupNames.contains(name))
                    m_groupNames << name;
                m_groups.insert(name, {pageText(a.value(QLatin1String("title")).toString()),
                                       pageText(a.value(QLatin1String("help")).toString())});
            }
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError()) {
        warnXmlError(xml, path);
        return false;
    }
    return true;
}

bool VarsUI::readPage(QXmlStreamReader& xml, const QString& path, const QString& file)
{
    const QXmlStreamAttributes a = xml.attributes();
    Page page;
    const QString title = a.value(QLatin1String("title")).toString();
    page.title = pageText(title);
    page.hidden = title.startsWith(QLatin1String("h_"), Qt::CaseInsensitive);
    page.titleLower = page.title.toLower();
    page.section = pageText(a.value(QLatin1String("section")).toString());
    page.file = file;
    page.uid = ++m_uid;
    m_pages.append(page);
    m_groupTitle.clear();

    while (xml.readNextStartElement()) {
        if (xml.name() == u"var") {
            readVar(xml, path);
        } else if (xml.name() == u"space") {
            addSpace(xml);
        } else if (xml.name() == u"group") {
            const QXmlStreamAttributes g = xml.attributes();
            const int uid = ++m_uid;
            m_groupTitle = pageText(g.value(QLatin1String("title")).toString());
            m_pages.last().items.append(
                {ItemKind::GroupStart, m_groupTitle, {}, g.value(QLatin1String("folded")) == u"true", uid});
            while (xml.readNextStartElement()) {
                if (xml.name() == u"var") {
                    readVar(xml, path);
                } else if (xml.name() == u"space") {
                    addSpace(xml);
                } else {
                    warnAt(path, xml.lineNumber(), QStringLiteral("unknown element <%1> in a group").arg(xml.name()));
                    xml.skipCurrentElement();
                }
            }
            // Closed even after an XML error, so the page never ends inside an open group.
            m_pages.last().items.append({ItemKind::GroupEnd, {}, {}, false, uid});
            m_groupTitle.clear();
        } else {
            warnAt(path, xml.lineNumber(), QStringLiteral("unknown element <%1> in a page").arg(xml.name()));
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        warnXmlError(xml, path);
        return false;
    }
    return true;
}

void VarsUI::addSpace(QXmlStreamReader& xml)
{
    m_pages.last().items.append({ItemKind::Space, {}, {}, false, ++m_uid});
    xml.skipCurrentElement();
}

void VarsUI::readVar(QXmlStreamReader& xml, const QString& path)
{
    auto attr = std::make_unique<VarsUIAttr>();
    auto info = std::make_shared<VarUiInfo>();
    for (const QXmlStreamAttribute& a : xml.attributes()) {
        const QString key = a.name().toString().toLower();
        if (key == u"name")
            info->name = pageText(withLineBreaks(a.value().toString()));
        else if (key == u"summary")
            info->summary = a.value().compare(u"true", Qt::CaseInsensitive) == 0;
        else {
            attr->keys << key;
            attr->values << a.value().toString().toLower();
        }
    }

    const qint64 line = xml.lineNumber();
    while (xml.readNextStartElement()) {
        if (xml.name() == u"help") {
            info->help = pageText(withLineBreaks(xml.readElementText(QXmlStreamReader::IncludeChildElements)));
        } else if (xml.name() == u"opt") {
            const int value =
                xml.attributes().value(QLatin1String("value")).toInt(); // 0 when not a number or out of range
            info->options.append({value, pageText(xml.readElementText(QXmlStreamReader::IncludeChildElements))});
        } else {
            xml.skipCurrentElement();
        }
    }
    // An element cut short by broken XML is not shown half-read; the page reader reports the error.
    if (xml.hasError())
        return;

    const int id = attr->intValue(QStringLiteral("id"), 0);
    if (id < 1) {
        warnAt(path, line, QStringLiteral("var without a valid id"));
        return;
    }
    attr->id = id;
    attr->rid = attr->intValue(QStringLiteral("rid"), 0);
    attr->name = info->name;
    attr->groups = attr->listValue(QStringLiteral("group"), QStringLiteral(","));
    attr->redirs = attr->listValue(QStringLiteral("redir"), QStringLiteral(","));

    const Page& page = m_pages.last();
    info->readAttributes(*attr);
    info->pageTitle = page.title;
    info->pageTitleLower = page.titleLower;
    info->groupTitle = m_groupTitle;

    VarsUIAttr* owned = attr.release();
    owned->setParent(this);
    if (const auto first = m_attrs.constFind(id); first != m_attrs.constEnd()) {
        // The first element keeps the id map entry (and the redirect group membership); the last name wins.
        first.value()->name = info->name;
        m_furtherAttrs.append(owned);
    } else {
        m_attrs.insert(id, owned);
    }
    if (!m_firstInfo.contains(id))
        m_firstInfo.insert(id, info);

    m_pages.last().items.append({ItemKind::Variable, {}, info, false, 0});
    m_infos.append(info);
}

QString VarsUI::pageText(const QString& source)
{
    return source.isEmpty() ? source : QCoreApplication::translate(TextContext, source.toUtf8().constData());
}

QStringList VarsUI::texts() const
{
    QStringList texts;
    QSet<QString> seen;
    const auto add = [&texts, &seen](const QString& text) {
        if (!text.isEmpty() && !seen.contains(text)) {
            seen.insert(text);
            texts << text;
        }
    };
    for (const Page& page : m_pages) {
        add(page.title);
        add(page.section);
        for (const Item& item : page.items) {
            add(item.text);
            if (!item.info)
                continue;
            add(item.info->name);
            add(item.info->help);
            for (const VarUiInfo::Option& option : item.info->options)
                add(option.second);
        }
    }
    for (const QString& name : m_groupNames) {
        add(m_groups.value(name).title);
        add(m_groups.value(name).help);
    }
    return texts;
}

VarUiInfoPtr VarsUI::info(int id) const
{
    return m_firstInfo.value(id);
}

VarUiInfoPtr VarsUI::rowInfo(int deviceId) const
{
    const auto row = std::find_if(m_infos.cbegin(), m_infos.cend(), [deviceId](const VarUiInfoPtr& element) {
        return !element->noUitype && element->deviceId() == deviceId;
    });
    return row != m_infos.cend() ? *row : info(deviceId);
}

QString VarsUI::varName(int id, bool withPage) const
{
    const VarUiInfoPtr first = info(id);
    if (!first)
        return QString();
    return withPage ? first->name + QStringLiteral(" (tab:") + first->pageTitleLower + QLatin1Char(')') : first->name;
}

QString VarsUI::optionText(int id, int value) const
{
    const VarUiInfoPtr first = info(id);
    return first ? first->optionText(value) : QString();
}

QList<uint16_t> VarsUI::loadList() const
{
    std::set<int> ids(std::begin(DeviceVar::BesidePages), std::end(DeviceVar::BesidePages));
    for (const Page& page : m_pages) {
        for (const Item& item : page.items) {
            if (item.kind != ItemKind::Variable || item.info->noUitype)
                continue;
            const VarUiInfo& info = *item.info;
            ids.insert({info.id, info.deviceId()});
            if (info.target > 0)
                ids.insert(info.target);
            for (auto it = info.targetRedirList.cbegin(); it != info.targetRedirList.cend(); ++it)
                ids.insert(it.key());
        }
    }
    QList<uint16_t> list;
    for (int id : ids) {
        if (id >= 1 && id <= 0xFFFF)
            list.append(uint16_t(id));
    }
    return list;
}

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "vars/VarsUI.h"
#include "vars/VarsUIAttr.h"

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// A page file whose first child element starts on line 3.
QByteArray page(const QByteArray& title, const QByteArray& body)
{
    return "<?xml version=\"1.0\"?>\n<page title=\"" + title + "\" section=\"S\">\n" + body + "</page>\n";
}

} // namespace

class TestPageDescriptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    void variableElement_data()
    {
        QTest::addColumn<QByteArray>("attributes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("noUitype");
        QTest::addColumn<bool>("readonly");

        const QList<QByteArray> words = {"unsigned",    "integer", "float",      "float2", "string",
                                         "char",        "select",  "bitmap",     "onoff",  "slider",
                                         "onoff_redir", "sliderf", "3_way_redir"};
        for (int code = 0; code < words.size(); ++code)
            QTest::addRow("%s", words[code].constData()) << "uitype=\"" + words[code] + "\"" << code << false << false;
        QTest::newRow("upper case uitype") << QByteArray("UITYPE=\"SELECT\"") << 6 << false << false;
        QTest::newRow("misspelled uitype") << QByteArray("uitype=\"selcet\"") << 4 << false << false;
        QTest::newRow("no uitype") << QByteArray("readonly=\"1\"") << 4 << true << true;
        QTest::newRow("empty uitype") << QByteArray("uitype=\"\"") << 4 << true << false;
        for (const char* off : {"FALSE", ""})
            QTest::addRow("readonly \"%s\"", off)
                << QByteArray("uitype=\"onoff\" readonly=\"") + off + "\"" << 8 << false << false;
        QTest::newRow("readonly no") << QByteArray("uitype=\"onoff\" readonly=\"no\"") << 8 << false << true;
        QTest::newRow("readonly true") << QByteArray("uitype=\"onoff\" ReadOnly=\"true\"") << 8 << false << true;
    }

    void variableElement()
    {
        QFETCH(QByteArray, attributes);
        QTemporaryDir dir;
        VarsUI model;
        QVERIFY(
            model.loadPageXml(writeFile(dir, "p.xml", page("P", "<var id=\"7\" name=\"X\" " + attributes + "/>\n"))));
        QCOMPARE(model.infos().size(), 1);
        const VarUiInfo& info = *model.infos().first();
        QTEST(int(info.kind), "kind");
        QTEST(info.noUitype, "noUitype");
        QTEST(info.readonly, "readonly");
        // A row without a uitype still takes part in redirects through the id map.
        QCOMPARE(model.attrs().value(7)->name, QStringLiteral("X"));
    }

    void invalidIds_data()
    {
        QTest::addColumn<QByteArray>("id");
        QTest::newRow("zero") << QByteArray("id=\"0\"");
        QTest::newRow("not a number") << QByteArray("id=\"12a\"");
        QTest::newRow("missing") << QByteArray();
    }

    void invalidIds()
    {
        QFETCH(QByteArray, id);
        QTemporaryDir dir;
        const QString path = writeFile(
            dir, "p.xml", page("P", "<var " + id + " uitype=\"onoff\"/>\n<var id=\"9\" uitype=\"onoff\"/>\n"));
        VarsUI model;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(path + QStringLiteral(":3: var without a valid id")));
        QVERIFY(model.loadPageXml(path));
        QCOMPARE(model.infos().size(), 1);
        QCOMPARE(model.infos().first()->id, 9);
        QCOMPARE(model.attrs().keys(), QList<int>{9});
    }

    void attributesAndDefaults()
    {
        QTemporaryDir dir;
        VarsUI model;
        QVERIFY(model.loadPageXml(writeFile(dir, "p.xml", page("Сторінка", R"(
<var id="1" uitype="float" name="Перша\nдруга" Summary="TRUE"><help>a\nb</help><extra>x</extra></var>
<var id="2" uitype="float2" readonly="1" target="5"/>
<var id="3" uitype="sliderf" min="0.5" max="5.5" step="0.1" />
<var id="70001" rid="10027" uitype="onoff_redir" target="42" target_redir_list="10->20, 30->,x->5" />
<var id="4" uitype="select" group="HW_IN,,b" redir_to="t,u" format="%.1F" min="x">
  <opt value="1">Один</opt><opt value="abc">Нуль</opt><opt value="99999999999">Завеликий</opt>
</var>
)"))));
        const QList<VarUiInfoPtr>& infos = model.infos();
        QCOMPARE(infos.size(), 5);

        QCOMPARE(infos[0]->name, QStringLiteral("Перша\nдруга"));
        QCOMPARE(infos[0]->help, QStringLiteral("a\nb"));
        QVERIFY(infos[0]->summary);
        QCOMPARE(infos[0]->format, QStringLiteral("%.3f"));
        QCOMPARE(std::tuple(infos[0]->min, infos[0]->max, infos[0]->step), std::tuple(0, 1024, 1));

        QCOMPARE(infos[1]->format, QStringLiteral("%f"));
        QCOMPARE(infos[1]->target, 0); // read-only rows never switch a redirect

        QCOMPARE(std::tuple(infos[2]->fmin, infos[2]->fmax, infos[2]->fstep), std::tuple(0.5f, 5.5f, 0.1f));

        QCOMPARE(infos[3]->deviceId(), 10027);
        QCOMPARE(infos[3]->target, 42);
        QCOMPARE(infos[3]->targetRedirList, (QMap<int, int>{{10, 20}, {30, 0}, {0, 5}}));

        const VarUiInfo& select = *infos[4];
        QCOMPARE(select.options, (QList<VarUiInfo::Option>{{1, "Один"}, {0, "Нуль"}, {0, "Завеликий"}}));
        QCOMPARE(select.groups, QStringList({"hw_in", "", "b"}));
        QCOMPARE(select.redirTo, QStringList({"t", "u"}));
        QCOMPARE(select.format, QStringLiteral("%.1f"));
        QCOMPARE(select.min, 0);
    }

    void pageStructure()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "two.pages.xml", page("Tab", R"(<space>ignored</space>
<group title="G" folded="true">
  <var id="1" uitype="onoff"/>
  <group title="Inner"><var id="2" uitype="onoff"/></group>
  <space/>
</group>
<group title="H" folded="TRUE"><var id="3" uitype="onoff"/></group>
<var id="4" uitype="onoff"/>
<table/>
)"));
        VarsUI model;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(path + ":6: unknown element <group> in a group"));
        QTest::ignoreMessage(QtWarningMsg, qPrintable(path + ":11: unknown element <table> in a page"));
        QVERIFY(model.loadPageXml(path));

        const VarsUI::Page& p = model.pages().first();
        QCOMPARE(p.file, QStringLiteral("two.pages"));
        QCOMPARE(p.uid, 1);
        using K = VarsUI::ItemKind;
        QList<std::tuple<K, QString, bool, int>> items;
        for (const VarsUI::Item& item : p.items)
            items.append({item.kind, item.text, item.folded, item.uid});
        QCOMPARE(items, (QList<std::tuple<K, QString, bool, int>>{{K::Space, "", false, 2},
                                                                  {K::GroupStart, "G", true, 3},
                                                                  {K::Variable, "", false, 0},
                                                                  {K::Space, "", false, 4},
                                                                  {K::GroupEnd, "", false, 3},
                                                                  {K::GroupStart, "H", false, 5},
                                                                  {K::Variable, "", false, 0},
                                                                  {K::GroupEnd, "", false, 5},
                                                                  {K::Variable, "", false, 0}}));
        QVERIFY(!model.attrs().contains(2));
    }

    void sameIdOnTwoPages()
    {
        QTemporaryDir dir;
        writeFile(dir, "pages.xml",
                  R"(<pages><page file="a.xml"/><other/><page file="b.xml"/><page file="h.xml"/></pages>)");
        writeFile(dir, "a.xml", page("Перша", "<var id=\"5\" uitype=\"onoff\" name=\"Старе\" group=\"g\"/>\n"));
        writeFile(dir, "b.xml", page("Друга", "<var id=\"5\" uitype=\"onoff\" name=\"Нове\"/>\n"));
        writeFile(dir, "h.xml", page("h_2", "<var id=\"6\" uitype=\"onoff\"/>\n"));
        VarsUI model;
        QVERIFY(model.loadPagesXml(dir.path()));
        QCOMPARE(model.pages().size(), 3);
        QVERIFY(!model.pages()[0].hidden && model.pages()[2].hidden);
        QCOMPARE(model.attrs().value(5)->name, QStringLiteral("Нове"));
        QCOMPARE(model.attrs().value(5)->groups, QStringList{"g"}); // the first element keeps the membership
        QCOMPARE(model.varName(5, false), QStringLiteral("Старе"));
        QCOMPARE(model.varName(5, true), QStringLiteral("Старе (tab:перша)"));
    }

    void readerFailures()
    {
        QTemporaryDir dir;
        const QString broken =
            writeFile(dir, "broken.xml", page("B", "<var id=\"1\" uitype=\"onoff\"/>\n<var id=\"2\">\n"));
        writeFile(dir, "good.xml", page("G", "<var id=\"3\" uitype=\"onoff\"/>\n"));
        writeFile(
            dir, "pages.xml",
            "<pages>\n<page file=\"broken.xml\"/>\n<page file=\"missing.xml\"/>\n<page file=\"good.xml\"/>\n</pages>");
        const QString missing = dir.filePath("missing.xml");

        VarsUI model;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(broken + ":5: ")));
        QTest::ignoreMessage(QtWarningMsg, qPrintable("loadPageXml - open failed " + missing));
        QVERIFY(!model.loadPagesXml(dir.path()));
        // What came before the error stays, and the page after the failures still loads.
        QCOMPARE(model.pages().size(), 2);
        QCOMPARE(model.infos().size(), 2);
        QCOMPARE(model.pages()[1].title, QStringLiteral("G"));
    }

    void variableGroups()
    {
        QTemporaryDir dir;
        writeFile(dir, "groups.xml", R"(<vargroups>
<vargroup name="HW_IN" title="Old" help="h1"/><vargroup name="" title="skipped"/>
<vargroup name="hw_in" title="Inputs" help="h2"/><note/><vargroup name="out" title="Outputs"/>
</vargroups>)");
        writeFile(dir, "first.xml", "<vargroups><vargroup name=\"never\"/></vargroups>");
        writeFile(dir, "pages.xml", R"(<pages><vargroups file="first.xml"/><vargroups file="groups.xml"/></pages>)");
        VarsUI model;
        QVERIFY(model.loadPagesXml(dir.path()));
        QCOMPARE(model.groupNames(), QStringList({"hw_in", "out"}));
        QCOMPARE(model.groups().value("hw_in").title, QStringLiteral("Inputs"));
        QCOMPARE(model.groups().value("hw_in").help, QStringLiteral("h2"));
    }

    void shippedPagesFitTheDevice()
    {
        VarsUI model;
        QVERIFY(model.load());

        // cleanPath: the data folder itself need not exist for the profile beside it to be found.
        QFile file(QDir::cleanPath(QStringLiteral(KESTROVA_TEST_DATA "/../../sim/profiles/default.profile")));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QHash<int, QChar> types;
        while (!file.atEnd()) {
            const QStringList fields = QString::fromUtf8(file.readLine()).simplified().split(QLatin1Char(' '));
            if (fields.size() >= 7 && fields[0] == QLatin1String("var"))
                types.insert(fields[1].toInt(), fields[2].at(0));
        }

        // Redirect choices as a selector offers them: members with an id and a name.
        QHash<QString, QSet<int>> members;
        for (const VarsUIAttr* attr : model.attrs()) {
            for (const QString& group : attr->groups) {
                if (!attr->name.isEmpty() && !group.trimmed().isEmpty())
                    members[group.trimmed()] << (attr->rid != 0 ? attr->rid : attr->id);
            }
        }

        // The device types each editor kind can show; switches and selectors work on the redirect, not the value.
        const QStringList letters = {"UB",      "I",   "F",   "F",       "T", "C",      "UBI",
                                     "UBICFTR", "UBI", "UBI", "UBICFTR", "F", "UBICFTR"};
        for (const VarUiInfoPtr& info : model.infos()) {
            const int id = info->deviceId();
            const QByteArray where = QByteArray::number(info->id) + " on " + info->pageTitle.toUtf8();
            QVERIFY2(!info->noUitype && !info->attr->has("format") && !info->attr->has("target_redir_list"), where);
            QVERIFY2(id >= 1 && id <= 0xFFFF && (info->id > 0xFFFF) == (info->rid != 0), where);
            QVERIFY2(types.contains(id), "not in the profile: " + where);
            QVERIFY2(letters.value(int(info->kind)).contains(types.value(id)), "type does not fit: " + where);
            QVERIFY2(info->target == 0 || types.contains(info->target), "target not in the profile: " + where);
            for (const QStringList& names : {info->redir, info->redirFrom, info->redirTo}) {
                for (const QString& name : names)
                    QVERIFY2(!members.value(name.trimmed()).isEmpty(), "no choices in " + name.toUtf8() + ": " + where);
            }
            QVERIFY2(info->kind != VarKind::OnOffRedir || info->rid == 10027, where);
        }
    }

    // A page text without a finished English translation would show in Ukrainian in English mode.
    void everyPageTextInEnglish()
    {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/OrvoUI_en.qm")));
        VarsUI model; // no catalogue installed: it holds the sources
        QVERIFY(model.loadPagesXml(VarsUI::ResourceFolder));
        QStringList missing;
        for (const QString& text : model.texts()) {
            if (english.translate(VarsUI::TextContext, text.toUtf8().constData()).isEmpty())
                missing << text;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 page texts have no English translation "
                                                              "(scripts/update-translations), the first: %2")
                                                   .arg(missing.size())
                                                   .arg(missing.mid(0, 20).join(QStringLiteral(" | ")))));
    }
};

QTEST_GUILESS_MAIN(TestPageDescriptions)
#include "TestPageDescriptions.moc"

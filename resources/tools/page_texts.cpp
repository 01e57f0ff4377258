// Build tool: lists the texts of the page descriptions for the translation tools, read by the same
// model the program uses, so the list holds exactly the texts the program looks up.
//
//   page_texts <vars folder> <out.cpp>           QT_TRANSLATE_NOOP entries for lupdate
//   page_texts --ts <out.ts> <dict.json>...      a catalogue of the translations in JSON objects
//                                                (Ukrainian text -> English text; the first wins)

#include <cstdio>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include "vars/VarsUI.h"

namespace {

QString cppLiteral(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

bool writeSource(const QString& folder, const QString& outPath)
{
    VarsUI model;
    if (!model.loadPagesXml(folder)) {
        std::fprintf(stderr, "page_texts: the pages in %s did not load\n", qPrintable(folder));
        return false;
    }
    QByteArray body = "// Generated from the page descriptions by page_texts; read by lupdate, never compiled.\n";
    for (const QString& text : model.texts())
        body += "QT_TRANSLATE_NOOP(\"" + QByteArray(VarsUI::TextContext) + "\", " + cppLiteral(text).toUtf8() + ");\n";
    // An unchanged list keeps its time stamp, so nothing that depends on it is redone.
    QFile old(outPath);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == body)
        return true;
    old.close();
    QSaveFile out(outPath);
    return out.open(QIODevice::WriteOnly) && out.write(body) == body.size() && out.commit();
}

// A backslash and n stand for a line break in the pages; the model has made them line breaks.
QString withLineBreaks(QString text)
{
    return text.replace(QLatin1String("\\n"), QLatin1String("\n"));
}

bool writeCatalogue(const QString& outPath, const QStringList& jsonPaths)
{
    QMap<QString, QString> english;
    for (const QString& path : jsonPaths) {
        QFile in(path);
        const QJsonDocument json =
            in.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(in.readAll()) : QJsonDocument();
        if (!json.isObject()) {
            std::fprintf(stderr, "page_texts: %s is not a JSON object of texts\n", qPrintable(path));
            return false;
        }
        const QJsonObject texts = json.object();
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            const QString source = withLineBreaks(it.key());
            if (!english.contains(source) && !it.value().toString().isEmpty())
                english.insert(source, withLineBreaks(it.value().toString()));
        }
    }
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter ts(&out);
    ts.setAutoFormatting(true);
    ts.writeStartDocument();
    ts.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    ts.writeStartElement(QStringLiteral("TS"));
    ts.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    ts.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    ts.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("uk_UA"));
    ts.writeStartElement(QStringLiteral("context"));
    ts.writeTextElement(QStringLiteral("name"), QString::fromLatin1(VarsUI::TextContext));
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        ts.writeStartElement(QStringLiteral("message"));
        ts.writeTextElement(QStringLiteral("source"), it.key());
        ts.writeTextElement(QStringLiteral("translation"), it.value());
        ts.writeEndElement();
    }
    ts.writeEndDocument();
    return out.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args.at(1) == QLatin1String("--ts"))
        return writeCatalogue(args.at(2), args.mid(3)) ? 0 : 1;
    if (args.size() == 3)
        return writeSource(args.at(1), args.at(2)) ? 0 : 1;
    std::fprintf(stderr, "usage: page_texts <vars folder> <out.cpp> | page_texts --ts <out.ts> <dict.json>...\n");
    return 2;
}

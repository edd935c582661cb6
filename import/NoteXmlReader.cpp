#include "import/NoteXmlReader.h"

#include "import/PeerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QXmlStreamReader>
#include <algorithm>

namespace import {

namespace {

const QString kNotebookTag = QStringLiteral("system:notebook:");
const QString kTemplateTag = QStringLiteral("system:template");

// The text of an element and of everything inside it, its markup dropped; a list item begins
// with a bullet, indented by how deep its list lies, as the program shows it.
QString textWithin(QXmlStreamReader& xml)
{
    QString text;
    int lists = 0;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("list"))
                ++lists;
            else if (xml.name() == QLatin1String("list-item"))
                text += QString(2 * std::max(0, lists - 1), QLatin1Char(' ')) + QStringLiteral("\u2022 ");
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (xml.name() == QLatin1String("list"))
                --lists;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            text += xml.text();
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace

ReadResult readNoteXmlFile(const QString& path)
{
    ReadResult result;
    ReadProblem problem;
    const std::optional<QByteArray> bytes = readPeerFile(path, problem);
    if (!bytes) {
        result.problems << problem;
        return result;
    }
    QXmlStreamReader xml(*bytes);
    PeerNote note;
    note.sourceKey = path;
    QString title;
    bool sawContent = false;
    bool isTemplate = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("title")) {
            title = textWithin(xml);
        } else if (name == QLatin1String("note-content")) {
            note.text = textWithin(xml);
            sawContent = true;
        } else if (name == QLatin1String("create-date")) {
            note.created = parseIsoTime(textWithin(xml));
        } else if (name == QLatin1String("last-change-date")) {
            note.changed = parseIsoTime(textWithin(xml));
        } else if (name == QLatin1String("tag")) {
            const QString tag = textWithin(xml).trimmed();
            if (tag == kTemplateTag)
                isTemplate = true;
            else if (tag.startsWith(kNotebookTag) && note.category.isEmpty())
                note.category = tag.mid(kNotebookTag.size());
        }
    }
    if (xml.hasError()) {
        // Damaged, or caught while its program was writing it: nothing of it is taken, the
        // file stays as it is and can be imported once it is whole.
        result.problems << ReadProblem{
            path, QCoreApplication::translate("import", "line %1: %2").arg(xml.lineNumber()).arg(xml.errorString())};
        return result;
    }
    if (!sawContent && title.isEmpty()) {
        result.problems << ReadProblem{path, QCoreApplication::translate("import", "holds no note")};
        return result;
    }
    if (isTemplate)
        return result;
    if (!sawContent)
        note.text = title;
    // Blank lines and the file's indentation that the programs leave after the last line are
    // layout, not text.
    note.text = unixLineEnds(note.text);
    while (!note.text.isEmpty() && note.text.back().isSpace())
        note.text.chop(1);
    result.notes.push_back(std::move(note));
    return result;
}

ReadResult readNoteXmlFolder(const QString& folder)
{
    ReadResult result;
    const QDir dir(folder);
    if (!dir.isReadable()) {
        result.problems << ReadProblem{folder, QCoreApplication::translate("import", "may not be read")};
        return result;
    }
    for (const QString& name : dir.entryList({QStringLiteral("*.note")}, QDir::Files, QDir::Name))
        result.add(readNoteXmlFile(dir.filePath(name)));
    return result;
}

} // namespace import

#include "import/TextFolderReader.h"

#include "import/PeerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace import {

namespace {

void readFileInto(ReadResult& result, const QFileInfo& entry, const QString& category)
{
    ReadProblem problem;
    const std::optional<QByteArray> bytes = readPeerFile(entry.filePath(), problem);
    if (!bytes) {
        result.problems << problem;
        return;
    }
    PeerNote note;
    if (std::optional<QString> text = plainFileText(*bytes, entry.filePath(), result.problems))
        note.text = *text;
    else
        return;
    if (note.text.trimmed().isEmpty())
        return; // an empty file holds nothing to keep
    note.changed = note.created = entry.lastModified();
    note.category = category;
    note.timeFromFile = true;
    note.sourceKey = entry.filePath();
    result.notes.push_back(std::move(note));
}

void readInto(ReadResult& result, const QString& folder, const QString& category, int depth)
{
    const QDir dir(folder);
    // A folder that may not be read would list nothing: say so instead.
    if (!QFileInfo(folder).isReadable() || !QFileInfo(folder).isExecutable()) {
        result.problems << ReadProblem{folder, QCoreApplication::translate("import", "may not be read")};
        return;
    }
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir()) {
            // Deep enough for any folder of notes; a deeper one would most likely be a loop.
            if (depth < 16)
                readInto(result, entry.filePath(), depth == 0 ? entry.fileName() : category, depth + 1);
            continue;
        }
        if (!isTextNoteFile(entry.fileName()))
            continue;
        readFileInto(result, entry, category);
    }
}

} // namespace

bool isTextNoteFile(const QString& fileName)
{
    if (fileName.startsWith(QLatin1Char('.')))
        return false;
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("txt") || suffix == QLatin1String("text") || suffix == QLatin1String("md") ||
           suffix == QLatin1String("markdown");
}

ReadResult readTextFolder(const QString& folder)
{
    ReadResult result;
    readInto(result, folder, QString(), 0);
    return result;
}

ReadResult readTextFile(const QString& path)
{
    ReadResult result;
    readFileInto(result, QFileInfo(path), QString());
    return result;
}

} // namespace import

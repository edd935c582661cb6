#include "import/XpadReader.h"

#include "import/PeerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace import {

namespace {

// The content file an info file names; empty when it names none.
QString contentNamed(const QByteArray& info)
{
    for (const QByteArray& line : info.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith("content "))
            return QString::fromUtf8(trimmed.mid(8).trimmed());
    }
    return {};
}

} // namespace

ReadResult readXpadFolder(const QString& folder)
{
    ReadResult result;
    const QDir dir(folder);
    if (!dir.isReadable()) {
        result.problems << ReadProblem{folder, QCoreApplication::translate("import", "may not be read")};
        return result;
    }
    QStringList contents;
    QSet<QString> named;
    for (const QString& name : dir.entryList({QStringLiteral("info-*")}, QDir::Files, QDir::Name)) {
        ReadProblem problem;
        const std::optional<QByteArray> info = readPeerFile(dir.filePath(name), problem);
        if (!info) {
            result.problems << problem;
            continue;
        }
        const QString content = contentNamed(*info);
        // A name with a slash would read a file outside the folder.
        if (content.isEmpty() || content.contains(QLatin1Char('/')) || named.contains(content))
            continue;
        named.insert(content);
        contents << content;
    }
    for (const QString& name : dir.entryList({QStringLiteral("content-*")}, QDir::Files, QDir::Name))
        if (!named.contains(name))
            contents << name;
    for (const QString& name : std::as_const(contents)) {
        const QString path = dir.filePath(name);
        ReadProblem problem;
        const std::optional<QByteArray> bytes = readPeerFile(path, problem);
        if (!bytes) {
            // An info file may outlive its pad's text: nothing is lost that was not gone before.
            if (QFileInfo::exists(path))
                result.problems << problem;
            continue;
        }
        PeerNote note;
        if (std::optional<QString> text = plainFileText(*bytes, path, result.problems))
            note.text = *text;
        else
            continue;
        if (note.text.trimmed().isEmpty())
            continue; // an empty pad holds nothing to keep
        note.changed = note.created = QFileInfo(path).lastModified();
        note.timeFromFile = true;
        note.sourceKey = path;
        result.notes.push_back(std::move(note));
    }
    return result;
}

} // namespace import

#include "import/PeerSources.h"

#include "import/KNotesReader.h"
#include "import/NoteXmlReader.h"
#include "import/TextFolderReader.h"
#include "import/XpadReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <algorithm>

namespace import {

namespace {

QString xdgFolder(const char* variable, const QString& home, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    // A relative XDG folder is no folder at all: the desktop ignores it, and so does Quibbet.
    return QDir::isAbsolutePath(value) ? value : home + fallback;
}

PeerSource source(const char* program, const char* name, Format format, const QString& path)
{
    return {QString::fromLatin1(program), QString::fromLatin1(name), format, path};
}

bool exists(const PeerSource& source)
{
    const QFileInfo info(source.path);
    const bool wantsFile = source.format == Format::KNotesCalendar || source.format == Format::NoteXmlFile ||
                           source.format == Format::TextFile;
    return info.exists() && info.isFile() == wantsFile;
}

// What a path holds, told by its contents.
Format formatAt(const QFileInfo& info)
{
    if (info.isFile()) {
        const QString suffix = info.suffix().toLower();
        if (suffix == QLatin1String("note"))
            return Format::NoteXmlFile;
        if (suffix == QLatin1String("ics"))
            return Format::KNotesCalendar;
        return Format::TextFile;
    }
    const QDir dir(info.filePath());
    if (!dir.entryList({QStringLiteral("*.note")}, QDir::Files).isEmpty())
        return Format::NoteXml;
    if (!dir.entryList({QStringLiteral("info-*"), QStringLiteral("content-*")}, QDir::Files).isEmpty())
        return Format::Xpad;
    const auto isMaildir = [](const QDir& folder) {
        return folder.exists(QStringLiteral("cur")) && folder.exists(QStringLiteral("new"));
    };
    if (isMaildir(dir))
        return Format::KNotesMaildir;
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (isMaildir(QDir(dir.filePath(name))))
            return Format::KNotesMaildir;
    return Format::TextFolder;
}

} // namespace

QStringList FoundSource::categories() const
{
    QSet<QString> names;
    for (const PeerNote& note : read.notes)
        names.insert(note.category.isEmpty() ? QStringLiteral("Default") : note.category);
    QStringList sorted(names.begin(), names.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    return sorted;
}

QList<PeerSource> knownSources(const QString& home)
{
    const QString config = xdgFolder("XDG_CONFIG_HOME", home, QStringLiteral("/.config"));
    const QString data = xdgFolder("XDG_DATA_HOME", home, QStringLiteral("/.local/share"));
    // The notes folder tomboy-ng was told to use, where it keeps the setting.
    const QString movedNotes =
        QSettings(config + QStringLiteral("/tomboy-ng/tomboy-ng.cfg"), QSettings::IniFormat)
            .value(QStringLiteral("BasicSettings/NotesPath"))
            .toString();
    QList<PeerSource> sources{
        source("Xpad", "xpad", Format::Xpad, config + QStringLiteral("/xpad")),
        source("Xpad", "xpad", Format::Xpad, home + QStringLiteral("/.xpad")),
        source("Gnote", "gnote", Format::NoteXml, data + QStringLiteral("/gnote")),
        source("Gnote", "gnote", Format::NoteXml, home + QStringLiteral("/.gnote")),
        source("Tomboy", "tomboy", Format::NoteXml, data + QStringLiteral("/tomboy")),
        source("Tomboy", "tomboy", Format::NoteXml, home + QStringLiteral("/.tomboy")),
        source("Tomboy-ng", "tomboy-ng", Format::NoteXml,
               QDir::isAbsolutePath(movedNotes) ? QDir::cleanPath(movedNotes) : data + QStringLiteral("/tomboy-ng")),
        source("KNotes", "knotes", Format::KNotesMaildir, data + QStringLiteral("/notes")),
        source("KNotes", "knotes", Format::KNotesCalendar, data + QStringLiteral("/knotes/notes.ics")),
        source("KNotes", "knotes", Format::KNotesCalendar, home + QStringLiteral("/.kde/share/apps/knotes/notes.ics")),
        source("KNotes", "knotes", Format::KNotesCalendar, home + QStringLiteral("/.kde4/share/apps/knotes/notes.ics")),
    };
    return sources;
}

QList<FoundSource> findSources(const QString& home)
{
    QList<FoundSource> found;
    for (const PeerSource& known : knownSources(home)) {
        if (!exists(known))
            continue;
        FoundSource one{known, readSource(known)};
        if (!one.read.notes.empty() || !one.read.problems.isEmpty())
            found << std::move(one);
    }
    return found;
}

std::optional<PeerSource> sourceNamed(const QString& argument, const QString& home)
{
    bool isName = false;
    for (const PeerSource& known : knownSources(home)) {
        if (known.name != argument)
            continue;
        isName = true;
        if (exists(known))
            return known;
    }
    if (isName)
        return std::nullopt;
    const QFileInfo info(argument);
    if (!info.exists())
        return std::nullopt;
    return PeerSource{info.fileName(), QString(), formatAt(info), info.absoluteFilePath()};
}

FolderSurvey surveyTextFolder(const QString& folder)
{
    FolderSurvey survey;
    QSet<QString> categories;
    const QDir root(folder);
    QDirIterator files(folder, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = root.relativeFilePath(path);
        // Hidden folders are passed by, as the reading does.
        if (!isTextNoteFile(files.fileName()) || relative.startsWith(QLatin1Char('.')) ||
            relative.contains(QLatin1String("/.")))
            continue;
        ++survey.files;
        categories.insert(relative.contains(QLatin1Char('/')) ? relative.section(QLatin1Char('/'), 0, 0)
                                                              : QStringLiteral("Default"));
    }
    survey.categories = QStringList(categories.begin(), categories.end());
    std::sort(survey.categories.begin(), survey.categories.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    return survey;
}

ReadResult readSource(const PeerSource& source)
{
    switch (source.format) {
    case Format::Xpad:
        return readXpadFolder(source.path);
    case Format::NoteXml:
        return readNoteXmlFolder(source.path);
    case Format::NoteXmlFile:
        return readNoteXmlFile(source.path);
    case Format::KNotesMaildir:
        return readKNotesMaildir(source.path);
    case Format::KNotesCalendar:
        return readKNotesCalendar(source.path);
    case Format::TextFolder:
        return readTextFolder(source.path);
    case Format::TextFile:
        break;
    }
    return readTextFile(source.path);
}

} // namespace import

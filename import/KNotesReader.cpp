#include "import/KNotesReader.h"

#include "import/HtmlText.h"
#include "import/MailMessage.h"
#include "import/PeerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace import {

namespace {

QString withTitle(const QString& title, const QString& text)
{
    if (title.isEmpty() || text.startsWith(title))
        return text;
    return text.isEmpty() ? title : title + QLatin1Char('\n') + text;
}

void readMaildir(ReadResult& result, const QString& folder, const QString& category, int depth)
{
    const QDir dir(folder);
    if (!QFileInfo(folder).isReadable() || !QFileInfo(folder).isExecutable()) {
        result.problems << ReadProblem{folder, QCoreApplication::translate("import", "may not be read")};
        return;
    }
    for (const QString& sub : {QStringLiteral("cur"), QStringLiteral("new")}) {
        if (!dir.exists(sub))
            continue;
        const QDir messages(dir.filePath(sub));
        for (const QFileInfo& file : messages.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
            ReadProblem problem;
            const std::optional<QByteArray> bytes = readPeerFile(file.filePath(), problem);
            if (!bytes) {
                result.problems << problem;
                continue;
            }
            const std::optional<MailNote> mail = readMailMessage(*bytes);
            if (!mail) {
                result.problems << ReadProblem{file.filePath(), QCoreApplication::translate("import", "is not a note message")};
                continue;
            }
            PeerNote note;
            note.text = withTitle(mail->subject, mail->body);
            if (note.text.trimmed().isEmpty())
                continue;
            note.created = mail->date.isValid() ? mail->date : file.lastModified();
            note.changed = file.lastModified();
            note.category = category;
            note.sourceKey = file.filePath();
            result.notes.push_back(std::move(note));
        }
    }
    if (depth >= 8)
        return;
    // Nested folders: ".Name.directory" holds the maildir "Name".
    for (const QString& nest : dir.entryList({QStringLiteral(".*.directory")}, QDir::Dirs | QDir::Hidden, QDir::Name)) {
        const QDir inner(dir.filePath(nest));
        for (const QString& name : inner.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            if (!name.startsWith(QLatin1Char('.')))
                readMaildir(result, inner.filePath(name), name, depth + 1);
    }
    // A maildir inside: a category of its own beside the notes of this one; the notes
    // themselves when this folder holds none (the folder the notes resource was given).
    const bool holdsNotes = dir.exists(QStringLiteral("cur")) || dir.exists(QStringLiteral("new"));
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (name == QLatin1String("cur") || name == QLatin1String("new") || name == QLatin1String("tmp"))
            continue;
        if (QDir(dir.filePath(name)).exists(QStringLiteral("cur")))
            readMaildir(result, dir.filePath(name), holdsNotes ? name : category, depth + 1);
    }
}

// A property value of iCalendar with its escapes undone.
QString unescapeCalendarText(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            text += next == QLatin1Char('n') || next == QLatin1Char('N') ? QChar(QLatin1Char('\n')) : next;
        } else {
            text += c;
        }
    }
    return text;
}

QDateTime parseCalendarTime(const QString& value)
{
    const QString digits = value.trimmed();
    if (digits.size() == 8)
        return QDateTime(QDate::fromString(digits, QStringLiteral("yyyyMMdd")), QTime(0, 0));
    QDateTime time = QDateTime::fromString(digits.left(15), QStringLiteral("yyyyMMdd'T'HHmmss"));
    if (digits.endsWith(QLatin1Char('Z')))
        time.setTimeSpec(Qt::UTC);
    return time;
}

} // namespace

ReadResult readKNotesMaildir(const QString& folder)
{
    ReadResult result;
    readMaildir(result, folder, QString(), 0);
    return result;
}

ReadResult readKNotesCalendar(const QString& path)
{
    ReadResult result;
    ReadProblem problem;
    const std::optional<QByteArray> bytes = readPeerFile(path, problem);
    if (!bytes) {
        result.problems << problem;
        return result;
    }
    // Unfolded: a line that begins with a blank continues the one before.
    QStringList lines;
    for (const QString& line : unixLineEnds(decodeText(*bytes)).split(QLatin1Char('\n'))) {
        if ((line.startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1Char('\t'))) && !lines.isEmpty())
            lines.last() += line.mid(1);
        else
            lines << line;
    }
    if (lines.value(0).trimmed().compare(QLatin1String("BEGIN:VCALENDAR"), Qt::CaseInsensitive) != 0) {
        result.problems << ReadProblem{path, QCoreApplication::translate("import", "is not an iCalendar file")};
        return result;
    }
    std::optional<PeerNote> open;
    QString title;
    int entry = 0;
    for (const QString& line : std::as_const(lines)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0)
            continue;
        const QString name = line.left(colon).section(QLatin1Char(';'), 0, 0).trimmed().toUpper();
        const QString value = line.mid(colon + 1);
        if (name == QLatin1String("BEGIN") && value.trimmed().compare(QLatin1String("VJOURNAL"), Qt::CaseInsensitive) == 0) {
            open.emplace();
            open->sourceKey = path + QStringLiteral("#") + QString::number(++entry);
            title.clear();
        } else if (!open) {
            continue;
        } else if (name == QLatin1String("END") && value.trimmed().compare(QLatin1String("VJOURNAL"), Qt::CaseInsensitive) == 0) {
            if (looksLikeHtml(open->text))
                open->text = htmlToPlainText(open->text);
            open->text = withTitle(title, open->text);
            if (!open->text.trimmed().isEmpty())
                result.notes.push_back(std::move(*open));
            open.reset();
        } else if (name == QLatin1String("SUMMARY")) {
            title = unescapeCalendarText(value);
        } else if (name == QLatin1String("DESCRIPTION")) {
            open->text = unescapeCalendarText(value);
        } else if (name == QLatin1String("CREATED") || (name == QLatin1String("DTSTART") && !open->created.isValid())) {
            open->created = parseCalendarTime(value);
        } else if (name == QLatin1String("LAST-MODIFIED")) {
            open->changed = parseCalendarTime(value);
        } else if (name == QLatin1String("CATEGORIES") && open->category.isEmpty()) {
            open->category = unescapeCalendarText(value.section(QLatin1Char(','), 0, 0));
        }
    }
    if (open)
        result.problems << ReadProblem{path, QCoreApplication::translate("import", "ends inside a note: the file is incomplete")};
    return result;
}

} // namespace import

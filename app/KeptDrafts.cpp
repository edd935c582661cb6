#include "app/KeptDrafts.h"

#include "app/ToggleServer.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace app {

namespace {

const QString kSuffix = QStringLiteral(".json");
const QString kBeingStored = QStringLiteral(".storing");

} // namespace

KeptDrafts::KeptDrafts(const QString& notesFile, QString folder)
    : m_folder(std::move(folder)), m_notesFile(ToggleServer::canonicalNotesFile(notesFile))
{
    m_key = QString::fromLatin1(
        QCryptographicHash::hash(m_notesFile.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

QString KeptDrafts::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quibbet/kept");
}

QString KeptDrafts::keep(const KeptDraft& draft, QString& error) const
{
    if (!QDir().mkpath(m_folder)) {
        error = QStringLiteral("cannot make %1").arg(m_folder);
        return {};
    }
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QJsonObject object{
        {QStringLiteral("notesFile"), m_notesFile},
        {QStringLiteral("kind"), draft.edit ? QStringLiteral("edit") : QStringLiteral("new")},
        {QStringLiteral("noteId"), draft.noteId},
        {QStringLiteral("searchCopy"), draft.copy},
        {QStringLiteral("categoryId"), draft.groupId},
        {QStringLiteral("categoryName"), draft.categoryName},
        {QStringLiteral("createTime"), draft.createTime},
        {QStringLiteral("openedText"), draft.openedText},
        {QStringLiteral("text"), draft.text},
    };
    // Named by the moment, so that a second kept before the first was stored does not replace it.
    QString path;
    for (qint64 moment = QDateTime::currentMSecsSinceEpoch();; ++moment) {
        path = QStringLiteral("%1/%2-%3%4").arg(m_folder, m_key).arg(moment, 15, 10, QLatin1Char('0')).arg(kSuffix);
        if (!QFile::exists(path))
            break;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return {};
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(QJsonDocument(object).toJson());
    if (!file.commit()) {
        error = file.errorString();
        return {};
    }
    return path;
}

std::vector<KeptDrafts::Entry> KeptDrafts::list() const
{
    std::vector<Entry> entries;
    const QString pattern = m_key + QLatin1Char('-') + QLatin1Char('*') + kSuffix;
    const QStringList names = QDir(m_folder).entryList({pattern, pattern + kBeingStored}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(QDir(m_folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
        if (object.value(QStringLiteral("notesFile")).toString() != m_notesFile ||
            !object.value(QStringLiteral("text")).isString())
            continue;
        KeptDraft draft;
        draft.edit = object.value(QStringLiteral("kind")).toString() == QLatin1String("edit");
        draft.noteId = object.value(QStringLiteral("noteId")).toInt();
        draft.copy = object.value(QStringLiteral("searchCopy")).toBool();
        draft.groupId = object.value(QStringLiteral("categoryId")).toInt();
        draft.categoryName = object.value(QStringLiteral("categoryName")).toString();
        draft.createTime = object.value(QStringLiteral("createTime")).toString();
        draft.openedText = object.value(QStringLiteral("openedText")).toString();
        draft.text = object.value(QStringLiteral("text")).toString();
        entries.push_back({file.fileName(), draft, name.endsWith(kBeingStored)});
    }
    return entries;
}

bool KeptDrafts::markBeingStored(Entry& entry)
{
    if (entry.beingStored)
        return true;
    const QString marked = entry.path + kBeingStored;
    if (!QFile::rename(entry.path, marked))
        return false;
    entry.path = marked;
    entry.beingStored = true;
    return true;
}

void KeptDrafts::unmark(Entry& entry)
{
    const QString unmarked = entry.path.chopped(kBeingStored.size());
    if (entry.beingStored && QFile::rename(entry.path, unmarked)) {
        entry.path = unmarked;
        entry.beingStored = false;
    }
}

bool KeptDrafts::forget(const QString& path)
{
    return QFile::remove(path);
}

} // namespace app

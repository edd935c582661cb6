#include "store/NoteIdentity.h"

#include "store/StoreError.h"

#include <QRandomGenerator>
#include <algorithm>

namespace store::identity {

namespace {

const QString kSelect = QStringLiteral("select uid,create_time,versions from note_identity where id=");
const QString kPut = QStringLiteral("insert or replace into note_identity (id,uid,create_time,versions) "
                                    "values (:id,:uid,:create_time,:versions)");

bool hasTable(Query& modify)
{
    modify.restart(QStringLiteral("select 1 from sqlite_master where type='table' and name='note_identity'"));
    modify.open();
    const bool present = modify.recordCount() > 0;
    modify.close();
    return present;
}

// The table is made when the file is opened for writing; another program may have dropped it
// since, or the file was opened before there was one.
template <typename Write> void withTable(Query& modify, const Write& write)
{
    try {
        write();
    } catch (const StoreError&) {
        if (hasTable(modify))
            throw;
        modify.restart(createTable);
        modify.execSql();
        write();
    }
}

} // namespace

QString newUid()
{
    QRandomGenerator* random = QRandomGenerator::system();
    return hashText(random->generate64()) + hashText(random->generate64());
}

quint64 textHash(QByteArrayView utf8, quint64 seed)
{
    quint64 hash = seed;
    for (const char byte : utf8) {
        hash ^= quint8(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

QString hashText(quint64 hash)
{
    return QStringLiteral("%1").arg(hash, 16, 16, QLatin1Char('0'));
}

QString versionOf(const QString& text)
{
    return hashText(textHash(text.toUtf8()));
}

QStringList withVersion(QStringList versions, const QString& text)
{
    const QString version = versionOf(text);
    if (versions.isEmpty() || versions.last() != version)
        versions << version;
    while (versions.size() > kVersionsKept)
        versions.removeFirst();
    return versions;
}

bool descendsFrom(const QStringList& later, const QStringList& earlier)
{
    if (earlier.isEmpty())
        return false;
    // `later` may have forgotten the oldest of `earlier`: it then begins with the rest.
    const bool forgotten = later.size() >= kVersionsKept;
    for (qsizetype skipped = 0; skipped < (forgotten ? earlier.size() : 1); ++skipped) {
        const qsizetype length = earlier.size() - skipped;
        if (later.size() >= length && std::equal(earlier.begin() + skipped, earlier.end(), later.begin()))
            return true;
    }
    return false;
}

void put(Query& modify, qint32 noteId, const QString& createTime, const Identity& identity)
{
    withTable(modify, [&] {
        modify.restart(kPut);
        modify.setInteger(QStringLiteral("id"), noteId);
        modify.setText(QStringLiteral("uid"), identity.uid);
        modify.setText(QStringLiteral("create_time"), createTime);
        modify.setText(QStringLiteral("versions"), identity.versions.join(QLatin1Char(' ')));
        modify.execSql();
    });
}

void give(Query& modify, qint32 noteId, const QString& createTime, const QString& text)
{
    put(modify, noteId, createTime, {newUid(), {versionOf(text)}});
}

std::optional<Identity> of(Query& modify, qint32 noteId, const QString& createTime)
{
    std::optional<Identity> identity;
    try {
        modify.restart(kSelect + QString::number(noteId));
        modify.open();
    } catch (const StoreError&) {
        if (hasTable(modify))
            throw;
        return identity; // a file no version with identities has written to
    }
    if (modify.recordCount() > 0 && modify.value(0, 1).toString() == createTime)
        identity = Identity{modify.value(0, 0).toString(),
                            modify.value(0, 2).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts)};
    modify.close();
    return identity;
}

void recordChange(Query& modify, qint32 noteId, const QString& createTime, const QString& oldText,
                  const QString& newText)
{
    if (oldText == newText)
        return;
    std::optional<Identity> identity = of(modify, noteId, createTime);
    if (!identity)
        identity = Identity{newUid(), {}};
    // Another program may have changed the text since the last version kept.
    identity->versions = withVersion(withVersion(identity->versions, oldText), newText);
    put(modify, noteId, createTime, *identity);
}

void forget(Query& modify, qint32 noteId)
{
    try {
        modify.restart(QStringLiteral("delete from note_identity where id=") + QString::number(noteId));
        modify.execSql();
    } catch (const StoreError&) {
        if (hasTable(modify))
            throw;
    }
}

} // namespace store::identity

#include "tests/fuzz/StatementFuzz.h"

#include "store/Query.h"
#include "store/SqlFunctions.h"
#include "store/Statements.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const char* what, const QString& input)
{
    std::fprintf(stderr, "statement fuzz: %s (input: %s)\n", what, input.toUtf8().toPercentEncoding().constData());
    std::abort();
}

// One scratch file for the whole run, emptied before each input.
store::Database& scratch()
{
    static const QString path = QDir::temp().filePath(QStringLiteral("quibbet-fuzz-%1.dat").arg(::getpid()));
    static std::unique_ptr<store::Database> database = [] {
        QFile::remove(path);
        auto made = std::make_unique<store::Database>(path);
        // A scratch file: no need to wait for the disk on every statement.
        made->execute(QStringLiteral("pragma synchronous=off"));
        made->execute(QStringLiteral("pragma journal_mode=memory"));
        return made;
    }();
    return *database;
}

const QStringList kNotes = {
    QStringLiteral("plain note"), QStringLiteral("it's quoted"), QStringLiteral("100% sure_thing"),
    QStringLiteral("Ärger und ЖУК"), QStringLiteral("line\r\nbreak"), QStringLiteral("back\\slash"),
};

QStringList column(store::Query& query, const QString& sql, int column = 0)
{
    query.close();
    query.clearSql();
    query.addLine(sql);
    query.open();
    QStringList values;
    for (int row = 0; row < query.recordCount(); ++row)
        values << query.value(row, column).toString();
    return values;
}

void reset(store::Database& database)
{
    database.execute(QStringLiteral("delete from notes_main"));
    database.execute(QStringLiteral("delete from clip_groups where group_id <> 1"));
    for (int i = 0; i < kNotes.size(); ++i) {
        database.execute(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id) "
                                        "values (%1,%2,'0','t%1',%3,'')")
                             .arg(i + 1)
                             .arg(i % 3 == 0 ? QStringLiteral("0") : i % 3 == 1 ? QStringLiteral("2") : QStringLiteral("null"))
                             .arg(store::sql::quoted(kNotes[i])));
    }
}

} // namespace

void fuzzStatementsOnce(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\x01');
    const QString name = QString::fromUtf8(parts.value(0));
    const QString description = QString::fromUtf8(parts.value(1));
    const QString search = QString::fromUtf8(parts.value(2, parts.value(0)));

    store::Database& database = scratch();
    reset(database);
    store::Query query(database);

    // A quoted literal reads back as exactly the text (up to a NUL, where SQL text ends).
    const QString literalText = name.left(name.indexOf(QChar(0)) < 0 ? name.size() : name.indexOf(QChar(0)));
    try {
        if (column(query, QStringLiteral("select ") + store::sql::quoted(name)) != QStringList{literalText})
            fail("a quoted literal did not read back as its text", name);
    } catch (const store::StoreError&) {
        if (literalText.size() == name.size())
            fail("a quoted literal without NUL failed", name);
    }

    // New category: exactly one new row, holding exactly the text; nothing else changes.
    const QStringList notesBefore = column(query, QStringLiteral("select id||content from notes_main order by id"));
    bool inserted = false;
    try {
        query.close();
        query.clearSql();
        query.addLine(store::sql::insertGroup(2, name, description));
        query.execSql();
        inserted = true;
    } catch (const store::StoreError&) {
        if (!name.contains(QChar(0)) && !description.contains(QChar(0)))
            fail("a category without NUL could not be made", name + QChar(1) + description);
    }
    const QStringList groups = column(query, QStringLiteral("select group_id from clip_groups order by rowid"));
    if (groups != (inserted ? QStringList{QStringLiteral("1"), QStringLiteral("2")} : QStringList{QStringLiteral("1")}))
        fail("the category insert changed other rows", name);
    if (inserted) {
        if (column(query, QStringLiteral("select group_name from clip_groups where group_id=2")) != QStringList{name} ||
            column(query, QStringLiteral("select description from clip_groups where group_id=2")) !=
                QStringList{description})
            fail("the category was not stored as typed", name);
        const qsizetype sameName = name == QStringLiteral("Search") ? 2 : 1; // the Search row is there too
        if (column(query, store::sql::selectGroupNamed(name)).size() != sameName)
            fail("the category could not be found by its name", name);
    }

    // Search: the copies are exactly the notes that match, and the notes stay as they were.
    try {
        query.close();
        query.clearSql();
        query.addLine(store::sql::deleteSearchCopies);
        query.execSql();
        query.clearSql();
        query.addLine(store::sql::copySearchMatches(search));
        query.execSql();
    } catch (const store::StoreError&) {
        if (!search.contains(QChar(0)))
            fail("a search without NUL failed", search);
        return;
    }
    QStringList expected;
    const QByteArray pattern = (QLatin1Char('%') + search + QLatin1Char('%')).toUtf8();
    for (int i = 0; i < kNotes.size(); ++i) {
        if (store::likeMatches(pattern, kNotes[i].toUtf8()))
            expected << QString::number(60001 + i) + kNotes[i];
    }
    const QStringList copies =
        column(query, QStringLiteral("select id||content from notes_main where group_id = 1 order by id"));
    if (copies != expected) {
        std::fprintf(stderr, "copies: %s\nexpected: %s\n", qPrintable(copies.join(QLatin1Char('|'))),
                     qPrintable(expected.join(QLatin1Char('|'))));
        fail("the search copied the wrong notes", search);
    }
    if (column(query, QStringLiteral("select id||content from notes_main where group_id is not 1 order by id")) !=
        notesBefore)
        fail("the search changed the notes themselves", search);
}

#include "bench/DataGenerator.h"

#include "store/CreationTime.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Statements.h"

#include <QLocale>
#include <random>
#include <sqlite3.h>

namespace bench {

namespace {

const QStringList kWords = {
    QStringLiteral("buy"),      QStringLiteral("milk"),    QStringLiteral("call"),     QStringLiteral("meeting"),
    QStringLiteral("tomorrow"), QStringLiteral("project"), QStringLiteral("remember"), QStringLiteral("the"),
    QStringLiteral("and"),      QStringLiteral("report"),  QStringLiteral("invoice"),  QStringLiteral("дом"),
    QStringLiteral("встреча"),  QStringLiteral("日本語"),   QStringLiteral("メモ"),      QStringLiteral("שלום"),
    QStringLiteral("Ärger"),    QStringLiteral("café"),    QStringLiteral("100%"),     QStringLiteral("it's"),
};

QString makeText(std::mt19937& random)
{
    // Mostly short notes, a tail of long ones up to 2,000 characters.
    std::uniform_int_distribution<int> percent(0, 99);
    const int roll = percent(random);
    const int length = roll < 60 ? std::uniform_int_distribution<int>(1, 120)(random)
                       : roll < 90 ? std::uniform_int_distribution<int>(120, 600)(random)
                                   : std::uniform_int_distribution<int>(600, 2000)(random);
    const bool manyLines = percent(random) < 20;
    std::uniform_int_distribution<int> pick(0, int(kWords.size()) - 1);
    QString text;
    while (text.size() < length) {
        text += kWords[pick(random)];
        text += (manyLines && percent(random) < 25) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    text.truncate(length);
    return text;
}

} // namespace

GeneratedData generateNotes(const QString& path, int n, std::uint32_t seed)
{
    std::mt19937 random(seed);
    store::Database database(path);
    store::Query query(database);
    query.addLine(store::sql::insertGroup(2, QStringLiteral("Work"), QStringLiteral("work notes")));
    query.execSql();
    query.clearSql();
    query.addLine(store::sql::insertGroup(3, QStringLiteral("Home"), QString()));
    query.execSql();

    GeneratedData data;
    const QDateTime start(QDate(2020, 1, 1), QTime(8, 0));
    std::uniform_int_distribution<int> category(0, 9);
    sqlite3* handle = database.handle();
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(handle,
                       "insert into notes_main (id,group_id,isdone,create_time,content,account_id,record_time) "
                       "values (?,?,'0',?,?,'',?)",
                       -1, &insert, nullptr);
    database.execute(QStringLiteral("begin"));
    for (int id = 1; id <= n; ++id) {
        // About thirty notes a day.
        const QDateTime created = start.addSecs(qint64(id) * 2880);
        const int roll = category(random);
        const int group = roll < 7 ? 0 : roll < 9 ? 2 : 3;
        const QByteArray text = makeText(random).toUtf8();
        const QByteArray createTime = store::formatCreationTime(created, QLocale::c()).toUtf8();
        const QByteArray recordTime = created.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8();
        sqlite3_bind_int(insert, 1, id);
        sqlite3_bind_int(insert, 2, group);
        sqlite3_bind_text(insert, 3, createTime.constData(), int(createTime.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, recordTime.constData(), int(recordTime.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
        data.textBytes += text.size();
    }
    sqlite3_finalize(insert);
    database.execute(QStringLiteral("commit"));
    data.notes = n;
    return data;
}

} // namespace bench

// The tools' figures: exporting 100,000 notes against the bare engine reading them plus one
// buffered write of the same bytes, and the minute check over 10,000 pending reminders.
#include "app/MiniForm.h"
#include "bench/DataGenerator.h"
#include "store/Clock.h"
#include "store/Statements.h"
#include "widgets/Modal.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <sqlite3.h>

namespace {

constexpr int kExportNotes = 100000;
constexpr int kPendingReminders = 10000;
const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 0, 0));

sqlite3* openFile(const QString& path)
{
    sqlite3* handle = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &handle);
    return handle;
}

// The shared generator's notes, all moved to the Default category so the export takes every
// one of them, and pending reminders a little over half a minute apart.
void fillNotes(const QString& path, int notes, int reminders)
{
    bench::generateNotes(path, notes);
    sqlite3* handle = openFile(path);
    sqlite3_exec(handle, "begin", nullptr, nullptr, nullptr);
    sqlite3_exec(handle, "update notes_main set group_id = 0", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(handle, "insert into remind (clip_id,remind_content,remind_time) values (?,?,?)", -1, &insert,
                       nullptr);
    for (int i = 0; i < reminders; ++i) {
        const QByteArray when =
            kNow.addSecs(60 + qint64(i) * 37).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
        const QByteArray text = QStringLiteral("reminder %1").arg(i).toUtf8();
        sqlite3_bind_int(insert, 1, i + 1);
        sqlite3_bind_text(insert, 2, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, when.constData(), int(when.size()), SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(handle, "commit", nullptr, nullptr, nullptr);
    sqlite3_close(handle);
}

struct Fixture {
    QTemporaryDir dir;
    QString path;
    std::unique_ptr<app::TMiniForm> form;

    Fixture(int notes, int reminders) : path(dir.filePath(QStringLiteral("clipdata.dat")))
    {
        fillNotes(path, notes, reminders);
        store::Clock::setSource([] { return kNow; });
        form = std::make_unique<app::TMiniForm>(path);
        form->FormCreate();
    }
};

Fixture& exportFixture()
{
    static Fixture fixture(kExportNotes, 0);
    return fixture;
}

Fixture& reminderFixture()
{
    static Fixture fixture(10, kPendingReminders);
    return fixture;
}

// What the export is held against: the engine reading the same rows, the blocks built in one
// buffer, and that buffer written with one buffered write.
void BareSqliteReadPlusOneWrite(benchmark::State& state)
{
    Fixture& f = exportFixture();
    const QByteArray target = QFile::encodeName(f.dir.filePath(QStringLiteral("bare.txt")));
    const QByteArray sql = store::sql::exportNotes(0).toUtf8();
    sqlite3* handle = openFile(f.path);
    size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(handle, sql.constData(), -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            out.append(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)),
                       size_t(sqlite3_column_bytes(statement, 1)));
            out.append("\r\n");
            out.append(reinterpret_cast<const char*>(sqlite3_column_text(statement, 2)),
                       size_t(sqlite3_column_bytes(statement, 2)));
            out.append("\r\n\r\n");
        }
        sqlite3_finalize(statement);
        FILE* file = std::fopen(target.constData(), "wb");
        std::fwrite(out.data(), 1, out.size(), file);
        std::fclose(file);
        bytes = out.size();
    }
    sqlite3_close(handle);
    state.counters["bytes"] = double(bytes);
}

// The whole command: the statement on the window's query object, the blocks, and the file
// written through QSaveFile.
void ExportOneHundredThousandNotes(benchmark::State& state)
{
    Fixture& f = exportFixture();
    const QString target = f.dir.filePath(QStringLiteral("export.txt"));
    for (auto _ : state) {
        widgets::Modal::queueFileAnswer(target);
        f.form->toolCommands().Export1Click();
    }
    state.counters["bytes"] = double(QFile(target).size());
}

// A tick in which none of the 10,000 pending reminders is due.
void MinuteCheckNothingDue(benchmark::State& state)
{
    Fixture& f = reminderFixture();
    store::Clock::setSource([] { return kNow; });
    for (auto _ : state)
        f.form->tmRemindTimer();
    state.counters["pending"] = double(f.form->notesFile().AQclipReminds().recordCount());
}

// A tick an hour and a half later, when every reminder due so far has been shown already:
// each of those is looked up among the shown ones.
void MinuteCheckManyShownBefore(benchmark::State& state)
{
    Fixture& f = reminderFixture();
    const QDateTime later = kNow.addSecs(90 * 60);
    store::Clock::setSource([later] { return later; });
    f.form->tmRemindTimer(); // shows (answers, under test: cancels) the ones due by then
    for (auto _ : state)
        f.form->tmRemindTimer();
    state.counters["pending"] = double(f.form->notesFile().AQclipReminds().recordCount());
}

} // namespace

BENCHMARK(BareSqliteReadPlusOneWrite)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);
BENCHMARK(ExportOneHundredThousandNotes)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);
BENCHMARK(MinuteCheckNothingDue)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(MinuteCheckManyShownBefore)->Unit(benchmark::kMicrosecond)->Repetitions(5);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    widgets::Modal::setCancelUnanswered(true); // reminder windows come and go without a click
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

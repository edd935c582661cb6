// Merging a conflict copy into the notes file at 10,000 and 1,000,000 notes: the whole merge,
// and the longest another writer waited for the file meanwhile (a second connection taking the
// write lock every few milliseconds, as another program's Apply would; the engine's busy
// handler checks at growing steps of up to 100 ms, so short waits read a little long). The
// copy is the file with 10 notes added and 10 changed on the other machine, while this one
// added 10 of its own; "ids:1" gives every note an identity, "ids:0" is a file of an older
// version, recognised by creation and text alone.
// Run: bench_merge --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
// (one size: --benchmark_filter='notes:1000000/'). QUIBBET_BENCH_DATA keeps the generated files.
#include "bench/NotesFile.h"
#include "store/ConflictMerge.h"
#include "store/NoteInsert.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <thread>

namespace {

struct Templates {
    QTemporaryDir dir;
    QString notes = dir.filePath(QStringLiteral("clipdata.dat"));
    QString copy = dir.filePath(QStringLiteral("copy.dat"));
};

std::map<std::pair<int, bool>, std::unique_ptr<Templates>> g_templates;

void change(const QString& path, const QString& sql)
{
    store::Database database(path);
    database.execute(sql);
}

Templates& templates(int notes, bool identities)
{
    auto& slot = g_templates[{notes, identities}];
    if (slot)
        return *slot;
    slot = std::make_unique<Templates>();
    bench::makeNotesFile(slot->notes, notes);
    if (identities)
        change(slot->notes, QStringLiteral("insert or replace into note_identity (id,uid,create_time,versions) "
                                           "select id,hex(randomblob(16)),create_time,'' from notes_main"));
    QFile::copy(slot->notes, slot->copy);
    const auto addTen = [](const QString& path, const QString& word) {
        store::Database database(path);
        store::Query modify(database);
        for (int i = 0; i < 10; ++i)
            store::insertNewNote(database, modify, 0, QStringLiteral("09:00 Tue, 08Dec2026"),
                                 QStringLiteral("%1 %2").arg(word).arg(i));
    };
    addTen(slot->copy, QStringLiteral("written there"));
    change(slot->copy,
           QStringLiteral("update notes_main set content=content||' changed there' where id % %1 = 7").arg(notes / 10));
    addTen(slot->notes, QStringLiteral("written here"));
    if (!identities) {
        change(slot->notes, QStringLiteral("drop table note_identity"));
        change(slot->copy, QStringLiteral("drop table note_identity"));
    }
    return *slot;
}

// Takes the write lock again and again until stopped; the longest wait, in milliseconds.
class OtherWriter {
public:
    explicit OtherWriter(const QString& path) : m_thread([this, path] { run(path); })
    {
        while (!m_ready)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    double stop()
    {
        m_stop = true;
        m_thread.join();
        return m_longestMs;
    }

private:
    void run(const QString& path)
    {
        sqlite3* handle = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &handle);
        sqlite3_busy_timeout(handle, 120000);
        // The first write reads the file's schema: that is no wait for the merge.
        sqlite3_exec(handle, "begin immediate; commit;", nullptr, nullptr, nullptr);
        m_ready = true;
        QElapsedTimer waited;
        while (!m_stop) {
            waited.start();
            sqlite3_exec(handle, "begin immediate; commit;", nullptr, nullptr, nullptr);
            m_longestMs = std::max(m_longestMs, double(waited.nsecsElapsed()) / 1e6);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        sqlite3_close(handle);
    }

    std::atomic<bool> m_ready = false;
    std::atomic<bool> m_stop = false;
    double m_longestMs = 0;
    std::thread m_thread;
};

void MergeCopy(benchmark::State& state)
{
    Templates& source = templates(int(state.range(0)), state.range(1) != 0);
    double longestWaitMs = 0;
    int notesIn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir work;
        const QString notes = work.filePath(QStringLiteral("clipdata.dat"));
        const QString copy = work.filePath(QStringLiteral("clipdata.sync-conflict-20261208-101500-ABCDEF1.dat"));
        QFile::copy(source.notes, notes);
        QFile::copy(source.copy, copy);
        store::Database database(notes);
        database.handle();
        store::MergeOptions options;
        options.backupFolder = work.filePath(QStringLiteral("backups"));
        auto writer = std::make_unique<OtherWriter>(notes);
        state.ResumeTiming();
        const store::MergedCopy merged = store::mergeConflictCopy(database, copy, options);
        state.PauseTiming();
        longestWaitMs = std::max(longestWaitMs, writer->stop());
        if (!merged.merged())
            state.SkipWithError(qPrintable(merged.refused));
        notesIn = merged.notes();
        state.ResumeTiming();
    }
    state.counters["other_writer_longest_wait_ms"] = longestWaitMs;
    state.counters["notes_in"] = notesIn;
}

} // namespace

BENCHMARK(MergeCopy)
    ->ArgNames({"notes", "ids"})
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_templates.clear();
    return 0;
}

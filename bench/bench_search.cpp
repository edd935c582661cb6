// Search at 1,000,000 notes. One word is held by 1% of the notes, another by 10%; each is
// timed three ways: the program's two statements (delete the old copies, copy the matches
// through our like()), the bare engine making the same copies on a plain connection with a
// condition on id that picks the same rows, and the whole Search1Click with the rebuild of
// the Search list. The scan alone (a count) is given beside the engine's own like().
// Run: bench_search --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "app/MiniForm.h"
#include "bench/DataGenerator.h"
#include "dialogs/FrmSearch.h"
#include "store/Statements.h"
#include "widgets/Modal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>

namespace {

constexpr int kNotes = 1000000;

struct Word {
    QString text;
    QString sameRows; // picks the notes that hold the word, by id
};

const Word kOnePercent{QStringLiteral("pelican"), QStringLiteral("id % 100 = 7")};
const Word kTenPercent{QStringLiteral("marmot"), QStringLiteral("id % 10 = 3")};

void execRaw(sqlite3* handle, const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("statement failed: %s", error);
}

class Fixture {
public:
    Fixture()
    {
        const QString path = m_dir.filePath(QStringLiteral("clipdata.dat"));
        bench::generateNotes(path, kNotes);
        {
            store::Database database(path);
            for (const Word& word : {kOnePercent, kTenPercent})
                database.execute(QStringLiteral("update notes_main set content = content || ' %1' where %2")
                                     .arg(word.text, word.sameRows));
        }
        if (sqlite3_open(QFile::encodeName(path).constData(), &bare) != SQLITE_OK)
            qFatal("the notes file did not open");
        form = std::make_unique<app::TMiniForm>(path);
        if (!form->FormCreate())
            qFatal("the notes file did not open");
        form->show();
        // The file is checked on a thread of its own a second after start-up; let that run
        // out before timing.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 12000) {
            QCoreApplication::processEvents();
            QThread::msleep(50);
        }
    }

    ~Fixture() { sqlite3_close(bare); }

    std::unique_ptr<app::TMiniForm> form;
    sqlite3* bare = nullptr;

private:
    QTemporaryDir m_dir;
};

// Made on first use and dropped before the application object goes: a window outliving it
// would crash the run at exit.
std::unique_ptr<Fixture> g_fixture;

Fixture& fixture()
{
    if (!g_fixture)
        g_fixture = std::make_unique<Fixture>();
    return *g_fixture;
}

const Word& wordOf(const benchmark::State& state)
{
    return state.range(0) == 1 ? kOnePercent : kTenPercent;
}

// Counts as the scan benchmarks do, so the figures say how many rows each case touched.
int countRows(sqlite3* handle, const QString& sql)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(handle, sql.toUtf8().constData(), -1, &statement, nullptr);
    sqlite3_step(statement);
    const int count = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    return count;
}

void BM_OurStatements(benchmark::State& state)
{
    Fixture& f = fixture();
    sqlite3* handle = f.form->notesFile().database().handle();
    const QString copy = store::sql::copySearchMatches(wordOf(state).text);
    for (auto _ : state) {
        execRaw(handle, store::sql::deleteSearchCopies);
        execRaw(handle, copy);
    }
    state.counters["copies"] = countRows(handle, QStringLiteral("select count(*) from notes_main where group_id = 1"));
}

void BM_BareEngineStatements(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString copy =
        QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content, account_id) select "
                       "60000+id,1,0,create_time,content,account_id from notes_main where %1 "
                       "order by record_time desc")
            .arg(wordOf(state).sameRows);
    for (auto _ : state) {
        execRaw(f.bare, store::sql::deleteSearchCopies);
        execRaw(f.bare, copy);
    }
    state.counters["copies"] = countRows(f.bare, QStringLiteral("select count(*) from notes_main where group_id = 1"));
}

void BM_Search1Click(benchmark::State& state)
{
    Fixture& f = fixture();
    const QString text = wordOf(state).text;
    for (auto _ : state) {
        state.PauseTiming();
        widgets::Modal::queueDialogAnswer([text](QDialog& dialog) {
            dynamic_cast<dialogs::TFrmSearch&>(dialog).edt_for_search->setText(text);
            return int(QDialog::Accepted);
        });
        state.ResumeTiming();
        f.form->toolCommands().Search1Click();
    }
    state.counters["copies"] = double(f.form->notesFile().AQclipQuery().recordCount());
}

// The scans count over the notes alone: copies left by an earlier case are deleted first.
void BM_ScanOurLike(benchmark::State& state)
{
    Fixture& f = fixture();
    execRaw(f.bare, store::sql::deleteSearchCopies);
    const QString sql =
        QStringLiteral("select count(*) from notes_main where content like '%%1%'").arg(wordOf(state).text);
    int count = 0;
    for (auto _ : state)
        count = countRows(f.form->notesFile().database().handle(), sql);
    state.counters["rows"] = count;
}

// The engine's own like() folds ASCII letters only; it is the speed to measure ours by.
void BM_ScanEnginesLike(benchmark::State& state)
{
    Fixture& f = fixture();
    execRaw(f.bare, store::sql::deleteSearchCopies);
    const QString sql =
        QStringLiteral("select count(*) from notes_main where content like '%%1%'").arg(wordOf(state).text);
    int count = 0;
    for (auto _ : state)
        count = countRows(f.bare, sql);
    state.counters["rows"] = count;
}

void BM_ScanById(benchmark::State& state)
{
    Fixture& f = fixture();
    execRaw(f.bare, store::sql::deleteSearchCopies);
    const QString sql = QStringLiteral("select count(*) from notes_main where %1").arg(wordOf(state).sameRows);
    int count = 0;
    for (auto _ : state)
        count = countRows(f.bare, sql);
    state.counters["rows"] = count;
}

// Argument 1 is the word 1% of the notes hold, 10 the one 10% hold.
BENCHMARK(BM_OurStatements)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_BareEngineStatements)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Search1Click)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ScanOurLike)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ScanEnginesLike)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ScanById)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_fixture.reset();
    return 0;
}

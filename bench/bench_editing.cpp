// What applying a note, searching and switching category cost at 100,000 notes, each next
// to the work it cannot avoid: the list reload, or the bare engine running the same
// statements. Run: bench_editing --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "app/MiniForm.h"
#include "bench/DataGenerator.h"
#include "dialogs/FrmSearch.h"
#include "store/Statements.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QThread>
#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>

namespace {

constexpr int kNotes = 100000;
const QString kNeedle = QStringLiteral("needle");

// The window on the shared generated file of 100,000 notes (most in Default, some in Work
// and Home), built once for all cases. One note in ten gets a word found nowhere else, so
// that a search for it matches 10% of the notes.
class Fixture {
public:
    Fixture()
    {
        const QString path = m_dir.filePath(QStringLiteral("clipdata.dat"));
        bench::generateNotes(path, kNotes);
        {
            store::Database database(path);
            database.execute(
                QStringLiteral("update notes_main set content = content || ' %1' where id % 10 = 3").arg(kNeedle));
        }
        form = std::make_unique<app::TMiniForm>(path);
        if (!form->FormCreate())
            qFatal("the notes file did not open");
        form->show();
        // A second after start-up the file is checked on a thread of its own; let that
        // start and finish before timing.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 1500) {
            QCoreApplication::processEvents();
            QThread::msleep(50);
        }
        QThread::sleep(3);
        QCoreApplication::processEvents();
    }

    int tabOf(const QString& caption) const { return int(form->tabGroups->tabs().indexOf(caption)); }

    void showCategory(const QString& caption)
    {
        if (form->tabGroups->tabIndex() != tabOf(caption))
            form->tabGroups->setTabIndex(tabOf(caption));
    }

    std::unique_ptr<app::TMiniForm> form;

private:
    QTemporaryDir m_dir;
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

void execRaw(sqlite3* handle, const QString& sql)
{
    if (sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("statement failed: %s", sqlite3_errmsg(handle));
}

void BM_ReloadDefault(benchmark::State& state)
{
    Fixture& f = fixture();
    f.showCategory(QStringLiteral("Default"));
    for (auto _ : state)
        f.form->sendReloadNoteList();
}

void BM_ApplyNewNoteWithReload(benchmark::State& state)
{
    Fixture& f = fixture();
    f.showCategory(QStringLiteral("Default"));
    for (auto _ : state) {
        state.PauseTiming();
        f.form->imgNewClick();
        f.form->memoContent->setPlainText(QStringLiteral("a new note typed by hand"));
        state.ResumeTiming();
        f.form->imgApplyClick();
    }
    f.form->database().execute(QStringLiteral("delete from notes_main where content='a new note typed by hand'"));
    f.form->sendReloadNoteList();
}

void BM_SearchTenPercent(benchmark::State& state)
{
    Fixture& f = fixture();
    f.showCategory(QStringLiteral("Default"));
    for (auto _ : state) {
        state.PauseTiming();
        widgets::Modal::queueDialogAnswer([](QDialog& dialog) {
            dynamic_cast<dialogs::TFrmSearch&>(dialog).edt_for_search->setText(kNeedle);
            return int(QDialog::Accepted);
        });
        state.ResumeTiming();
        f.form->Search1Click();
    }
    state.counters["copies"] = double(f.form->AQclipQuery().recordCount());
}

// The same two statements on the same connection, with nothing of the program around them,
// and the rebuild of the Search list that shows their result.
void BM_SearchBareStatementsWithRebuild(benchmark::State& state)
{
    Fixture& f = fixture();
    f.showCategory(QStringLiteral("Search"));
    sqlite3* handle = f.form->database().handle();
    const QString copy = store::sql::copySearchMatches(kNeedle);
    for (auto _ : state) {
        execRaw(handle, store::sql::deleteSearchCopies);
        execRaw(handle, copy);
        f.form->sendReloadNoteList();
    }
}

void BM_SwitchToDefault(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.showCategory(QStringLiteral("Work"));
        state.ResumeTiming();
        f.form->tabGroups->setTabIndex(f.tabOf(QStringLiteral("Default")));
    }
}

BENCHMARK(BM_ReloadDefault)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_ApplyNewNoteWithReload)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SwitchToDefault)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SearchTenPercent)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_SearchBareStatementsWithRebuild)->Unit(benchmark::kMillisecond)->MinTime(2);

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
    return 0;
}

// What the user waits for after each action at 1,000, 100,000 and 1,000,000 notes: Apply of a
// new note, Delete of the shown note, a change of category, Prior and Next across a day, each
// the whole handler with the list rebuild it contains, next to the rebuild alone. The search
// at 100,000 notes sits beside the bare engine running the same statements.
// Run: bench_editing --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// (one size: --benchmark_filter='notes:1000000($|/)'; shorter: --benchmark_min_time=0.2)
#include "app/NoteGrid.h"
#include "bench/FormFixture.h"
#include "dialogs/FrmSearch.h"
#include "store/Statements.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <sqlite3.h>

namespace {

const QString kNeedle = QStringLiteral("needle");
const QString kDefault = QStringLiteral("Default");
const QString kWork = QStringLiteral("Work");

// One window per size, made when a benchmark first asks for it and kept for the run (closed
// before the application object goes).
std::map<int, std::unique_ptr<bench::FormFixture>> g_fixtures;

// One note in ten gets a word found nowhere else, so that a search for it matches 10% of the
// notes.
bench::FormFixture& fixture(int notes)
{
    auto& slot = g_fixtures[notes];
    if (!slot) {
        slot = std::make_unique<bench::FormFixture>(notes, [](const QString& path) {
            store::Database database(path);
            database.execute(
                QStringLiteral("update notes_main set content = content || ' %1' where id % 10 = 3").arg(kNeedle));
        });
    }
    return *slot;
}

// A fixture showing the category, in browse mode, with nothing left over from the benchmark
// before.
bench::FormFixture& shownFixture(benchmark::State& state, const QString& category)
{
    bench::FormFixture& f = fixture(int(state.range(0)));
    f.showCategory(category);
    if (!f.form().state().InBrowseMode)
        f.form().noteEditing().imgBrowseModeClick();
    return f;
}

int noteRowFrom(const app::NoteGrid& grid, int row)
{
    while (row < grid.rowCount() && grid.rowKind(row) != app::NoteGrid::RowKind::Note)
        ++row;
    return row < grid.rowCount() ? row : -1;
}

// A note row next to a separator with a note beyond it, found from the middle of the list
// on: the last note of a day (step +2 for Next) or the first (step -2 for Prior).
int rowBeforeDayBoundary(const app::NoteGrid& grid, int step)
{
    using Kind = app::NoteGrid::RowKind;
    for (int row = grid.rowCount() / 2; row + 2 < grid.rowCount(); ++row) {
        const int separator = row + step / 2;
        const int beyond = row + step;
        if (beyond >= 0 && grid.rowKind(row) == Kind::Note && grid.rowKind(separator) == Kind::Separator &&
            grid.rowKind(beyond) == Kind::Note)
            return row;
    }
    return -1;
}

void execRaw(sqlite3* handle, const QString& sql)
{
    if (sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        qFatal("statement failed: %s", sqlite3_errmsg(handle));
}

void ReloadNoteList(benchmark::State& state)
{
    bench::FormFixture& f = shownFixture(state, kDefault);
    for (auto _ : state) {
        f.form().sendReloadNoteList();
        state.PauseTiming();
        f.form().noteListView().waitForNoteList();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(f.form().sgContents->rowCount());
}

void ApplyNewNote(benchmark::State& state)
{
    bench::FormFixture& f = shownFixture(state, kDefault);
    app::TMiniForm& form = f.form();
    for (auto _ : state) {
        state.PauseTiming();
        form.noteListView().waitForNoteList();
        form.noteEditing().imgNewClick();
        form.memoContent->setPlainText(QStringLiteral("a new note typed by hand"));
        state.ResumeTiming();
        form.noteEditing().imgApplyClick();
    }
    form.noteListView().waitForNoteList();
    form.notesFile().database().execute(QStringLiteral("delete from notes_main where content='a new note typed by hand'"));
    form.sendReloadNoteList();
    form.noteListView().waitForNoteList();
}

// Deletes the note of the selected row, the newest (range 1 = 0) or one in the middle of the
// list (1); Undo delete puts it back untimed, so every pass deletes from the same list.
void DeleteShownNote(benchmark::State& state)
{
    bench::FormFixture& f = shownFixture(state, kDefault);
    app::TMiniForm& form = f.form();
    app::NoteGrid& grid = *form.sgContents;
    const int rowsBefore = grid.rowCount();
    const int row = noteRowFrom(grid, state.range(1) == 0 ? 0 : grid.rowCount() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        grid.setCurrentRow(row);
        const qint32 shown = form.state().CurNoteId;
        state.ResumeTiming();
        form.noteEditing().imgDeleteClick();
        state.PauseTiming();
        form.noteListView().waitForNoteList();
        const bool gone = noteRowFrom(grid, row) != row || grid.rowTag(row) != shown;
        form.deleteHistory().UndoDelete1Click();
        form.noteListView().waitForNoteList();
        state.ResumeTiming();
        if (!gone) {
            state.SkipWithError("the shown note was still listed after Delete");
            break;
        }
    }
    if (grid.rowCount() != rowsBefore)
        state.SkipWithError("Undo delete did not give back the list as it was");
}

void SwitchCategory(benchmark::State& state, const QString& from, const QString& to)
{
    bench::FormFixture& f = shownFixture(state, from);
    for (auto _ : state) {
        state.PauseTiming();
        f.showCategory(from);
        state.ResumeTiming();
        f.form().tabGroups->setTabIndex(f.tabOf(to));
    }
    state.counters["rows"] = double(f.form().sgContents->rowCount());
    f.form().noteListView().waitForNoteList();
}

void SwitchWorkToDefault(benchmark::State& state)
{
    SwitchCategory(state, kWork, kDefault);
}
void SwitchDefaultToWork(benchmark::State& state)
{
    SwitchCategory(state, kDefault, kWork);
}

// Prior (step -2) or Next (+2) from a note next to a day's separator row, in the middle of
// the list: the step lands on the note beyond the separator.
void StepAcrossDay(benchmark::State& state, int step)
{
    bench::FormFixture& f = shownFixture(state, kDefault);
    app::TMiniForm& form = f.form();
    app::NoteGrid& grid = *form.sgContents;
    const int row = rowBeforeDayBoundary(grid, step);
    if (row < 0) {
        state.SkipWithError("no day boundary in the second half of the list");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        grid.setCurrentRow(row);
        state.ResumeTiming();
        if (step < 0)
            form.noteEditing().imgPreClick();
        else
            form.noteEditing().imgNextClick();
        state.PauseTiming();
        const bool crossed = grid.currentRow() == row + step;
        state.ResumeTiming();
        if (!crossed) {
            state.SkipWithError("the step did not reach the note beyond the separator");
            break;
        }
    }
}

void PriorAcrossDay(benchmark::State& state)
{
    StepAcrossDay(state, -2);
}
void NextAcrossDay(benchmark::State& state)
{
    StepAcrossDay(state, +2);
}

void SearchTenPercent(benchmark::State& state)
{
    bench::FormFixture& f = shownFixture(state, kDefault);
    for (auto _ : state) {
        state.PauseTiming();
        widgets::Modal::queueDialogAnswer([](QDialog& dialog) {
            dynamic_cast<dialogs::TFrmSearch&>(dialog).edt_for_search->setText(kNeedle);
            return int(QDialog::Accepted);
        });
        state.ResumeTiming();
        f.form().toolCommands().Search1Click();
    }
    state.counters["copies"] = double(f.form().notesFile().AQclipQuery().recordCount());
}

// The same two statements on the same connection, with nothing of the program around them,
// and the rebuild of the Search list that shows their result.
void SearchBareStatementsWithRebuild(benchmark::State& state)
{
    bench::FormFixture& f = shownFixture(state, QStringLiteral("Search"));
    sqlite3* handle = f.form().notesFile().database().handle();
    const QString copy = store::sql::copySearchMatches(kNeedle);
    for (auto _ : state) {
        execRaw(handle, store::sql::deleteSearchCopies);
        execRaw(handle, copy);
        f.form().sendReloadNoteList();
    }
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->ArgName("notes")->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

void sizesAndPlaces(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"notes", "middle"})->Unit(benchmark::kMillisecond);
    for (const int notes : {1000, 100000, 1000000})
        for (const int middle : {0, 1})
            b->Args({notes, middle});
}

BENCHMARK(ReloadNoteList)->Apply(sizes);
BENCHMARK(ApplyNewNote)->Apply(sizes);
BENCHMARK(DeleteShownNote)->Apply(sizesAndPlaces);
// Each step reads the category left whole first, untimed: a fixed count keeps the run short.
BENCHMARK(SwitchWorkToDefault)->Apply(sizes)->Iterations(40);
BENCHMARK(SwitchDefaultToWork)->Apply(sizes)->Iterations(40);
BENCHMARK(PriorAcrossDay)->Apply(sizes);
BENCHMARK(NextAcrossDay)->Apply(sizes);
BENCHMARK(SearchTenPercent)->ArgName("notes")->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchBareStatementsWithRebuild)->ArgName("notes")->Arg(100000)->Unit(benchmark::kMillisecond);

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
    g_fixtures.clear();
    return 0;
}

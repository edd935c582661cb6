// The note list at 1,000 to 1,000,000 notes: the rebuild against the bare engine reading the
// same rows, and painting one screen.
#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "bench/NotesFile.h"
#include "store/Statements.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <sqlite3.h>

namespace {

// One generated file per size, made once for the whole run.
struct Fixture {
    QTemporaryDir dir;
    QString path;
};

std::map<int, std::unique_ptr<Fixture>> g_fixtures;

Fixture& fixture(int n)
{
    auto& slot = g_fixtures[n];
    if (!slot) {
        slot = std::make_unique<Fixture>();
        slot->path = slot->dir.filePath(QStringLiteral("clipdata.dat"));
        bench::makeNotesFile(slot->path, n);
    }
    return *slot;
}

void BareSqliteReadsTheList(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    sqlite3* handle = nullptr;
    sqlite3_open_v2(QFile::encodeName(f.path).constData(), &handle, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray sql = store::sql::listNotes(0).toUtf8();
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(handle, sql.constData(), -1, &statement, nullptr);
        qint64 sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            sum += sqlite3_column_int(statement, 0);
            for (int column = 1; column <= 2; ++column) {
                const unsigned char* text = sqlite3_column_text(statement, column);
                sum += sqlite3_column_bytes(statement, column) + (text ? text[0] : 0);
            }
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(sum);
    }
    sqlite3_close(handle);
    state.counters["notes"] = double(state.range(0));
}

void ReloadNoteList(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    app::TMiniForm form(f.path);
    if (!form.FormCreate()) {
        state.SkipWithError("start-up failed");
        return;
    }
    for (auto _ : state) {
        form.sendReloadNoteList();
        state.PauseTiming();
        form.noteListView().waitForNoteList(); // what the rebuild leaves to read later is not timed here
        state.ResumeTiming();
    }
    state.counters["rows"] = double(form.sgContents->rowCount());
}

void PaintOneScreen(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    app::TMiniForm form(f.path);
    if (!form.FormCreate()) {
        state.SkipWithError("start-up failed");
        return;
    }
    form.show();
    form.noteListView().waitForNoteList();
    QWidget* viewport = form.sgContents->viewport();
    QImage image(viewport->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        viewport->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

} // namespace

BENCHMARK(BareSqliteReadsTheList)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReloadNoteList)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintOneScreen)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_fixtures.clear();
    return 0;
}

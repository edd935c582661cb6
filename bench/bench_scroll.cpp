// Dragging the note list's scroll bar from top to bottom at 1,000, 100,000 and 1,000,000
// notes: the window shown, its list read whole, then the scroll bar set step by step to the
// end, each step followed by painting the list's viewport into an image. One page per step
// (jumps = 0) paints every row once; jumps = 200 moves by 1/200 of the range, as a drag of
// the thumb does. Reports the largest, the 99th-percentile and the median frame, and this
// process's peak memory (VmHWM): with only an empty window shown (baseline), once the list
// is up (before) and after the scroll (after). Peaks are per size only when one size runs
// per process, e.g.
//   bench_scroll --benchmark_filter='/notes:1000000/' --benchmark_repetitions=5
// ScrollWhileBackingUp drags the thumb back and forth while a backup of the notes file runs
// on its thread (into a data folder of its own): the largest frame then, the backup's time
// and its size. With backup:0 the same drag runs as long without one, so that the largest
// frames of about as many frames are compared.
// ScrollWhileMerging: see below.
#include "app/BackupSchedule.h"
#include "app/NoteGrid.h"
#include "app/NotesBackups.h"
#include "bench/FormFixture.h"
#include "bench/PeakMemory.h"
#include "store/Database.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

qint64 g_baselineKb = 0;

// About as long as a backup of the million-note file takes.
constexpr std::chrono::milliseconds kDragWithoutBackup{8000};

// One window at a time: the one before is closed before the next is made, so that it holds
// no memory while the next one is measured.
struct SizedFixture {
    int notes = 0;
    std::unique_ptr<bench::FormFixture> fixture;
    qint64 readyKb = 0; // VmHWM once the list was up
};
SizedFixture g_current;

SizedFixture& fixture(int notes)
{
    if (g_current.notes != notes || !g_current.fixture) {
        g_current.fixture.reset();
        bench::resetPeakResident();
        g_current.fixture = std::make_unique<bench::FormFixture>(notes);
        g_current.notes = notes;
        g_current.readyKb = bench::peakResidentKb();
    }
    return g_current;
}

double percentile(std::vector<qint64> values, double fraction)
{
    if (values.empty())
        return 0;
    const size_t at = std::min(values.size() - 1, size_t(fraction * double(values.size())));
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(at), values.end());
    return double(values[at]);
}

void reportFrames(benchmark::State& state, std::vector<qint64> frames)
{
    const auto ms = [](double ns) { return ns / 1e6; };
    state.counters["frames"] = double(frames.size());
    state.counters["frame_max_ms"] = ms(percentile(frames, 1.0));
    state.counters["frame_p99_ms"] = ms(percentile(frames, 0.99));
    state.counters["frame_median_ms"] = ms(percentile(frames, 0.5));
}

void ScrollTopToBottom(benchmark::State& state)
{
    SizedFixture& f = fixture(int(state.range(0)));
    const int jumps = int(state.range(1));
    app::NoteGrid& grid = *f.fixture->form().sgContents;
    QScrollBar* bar = grid.verticalScrollBar();
    QWidget* viewport = grid.viewport();
    QImage image(viewport->size(), QImage::Format_RGB32);
    std::vector<qint64> frames;
    for (auto _ : state) {
        state.PauseTiming();
        bar->setValue(bar->minimum());
        QCoreApplication::processEvents();
        frames.clear();
        state.ResumeTiming();
        const int step = jumps > 0 ? std::max(1, (bar->maximum() - bar->minimum()) / jumps) : bar->pageStep();
        for (int value = bar->minimum();; value = std::min(value + step, bar->maximum())) {
            const auto start = std::chrono::steady_clock::now();
            bar->setValue(value);
            viewport->render(&image);
            frames.push_back(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count());
            benchmark::DoNotOptimize(image.constBits());
            // Whatever the list posted for itself is handled between frames, as the event
            // loop would; when paging, every sixteenth frame only, since a page at a time
            // through a million notes is 160,000 frames and each turn of the loop repaints
            // the window once more.
            if (jumps > 0 || frames.size() % 16 == 0)
                QCoreApplication::processEvents();
            if (value >= bar->maximum())
                break;
        }
    }
    reportFrames(state, frames);
    state.counters["hwm_baseline_MB"] = double(g_baselineKb) / 1024;
    state.counters["hwm_before_MB"] = double(f.readyKb) / 1024;
    state.counters["hwm_after_MB"] = double(bench::peakResidentKb()) / 1024;
}

// Ordered by size, so that each window is made once.
BENCHMARK(ScrollTopToBottom)
    ->ArgNames({"notes", "jumps"})
    ->Args({1000, 0})
    ->Args({1000, 200})
    ->Args({100000, 0})
    ->Args({100000, 200})
    ->Args({1000000, 0})
    ->Args({1000000, 200})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Drags the thumb back and forth, one frame at a time, while `goOn` says so; whatever the
// event loop has meanwhile (a thread's end told through it, the list read again) is handled
// between frames. Returns each frame's time.
std::vector<qint64> dragWhile(SizedFixture& f, int jumps, const std::function<bool()>& goOn)
{
    app::NoteGrid& grid = *f.fixture->form().sgContents;
    QScrollBar* bar = grid.verticalScrollBar();
    QWidget* viewport = grid.viewport();
    QImage image(viewport->size(), QImage::Format_RGB32);
    std::vector<qint64> frames;
    int value = bar->minimum();
    while (goOn()) {
        const int step = std::max(1, (bar->maximum() - bar->minimum()) / jumps);
        const auto start = std::chrono::steady_clock::now();
        bar->setValue(value);
        viewport->render(&image);
        frames.push_back(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(image.constBits());
        QCoreApplication::processEvents();
        value = value >= bar->maximum() ? bar->minimum() : std::min(value + step, bar->maximum());
    }
    return frames;
}

void ScrollWhileBackingUp(benchmark::State& state)
{
    SizedFixture& f = fixture(int(state.range(0)));
    const int jumps = int(state.range(1));
    const bool withBackup = state.range(2) != 0;
    app::BackupSchedule& schedule = f.fixture->form().notesBackups().schedule();
    std::vector<qint64> frames;
    store::BackupOutcome outcome;
    bool ended = false;
    const QMetaObject::Connection connection =
        QObject::connect(&schedule, &app::BackupSchedule::finished, [&](const store::BackupOutcome& result) {
            outcome = result;
            ended = true;
        });
    double backupMs = 0;
    for (auto _ : state) {
        ended = false;
        const auto began = std::chrono::steady_clock::now();
        if (withBackup && !schedule.start()) {
            state.SkipWithError("a backup was running already");
            break;
        }
        frames = dragWhile(f, jumps, [&] {
            return withBackup ? !ended : std::chrono::steady_clock::now() - began < kDragWithoutBackup;
        });
        backupMs = double(std::chrono::nanoseconds(std::chrono::steady_clock::now() - began).count()) / 1e6;
        if (withBackup && outcome.kind != store::BackupOutcome::Kind::Taken)
            state.SkipWithError(outcome.message.toStdString().c_str());
    }
    QObject::disconnect(connection);
    reportFrames(state, frames);
    // The peak of a process that ran this benchmark alone (one --benchmark_filter per
    // process): the backup's connections and buffers show against the same drag without.
    state.counters["hwm_before_MB"] = double(f.readyKb) / 1024;
    state.counters["hwm_after_MB"] = double(bench::peakResidentKb()) / 1024;
    if (withBackup) {
        state.counters["backup_ms"] = backupMs;
        state.counters["backup_MB"] = double(outcome.entry.bytes) / (1024.0 * 1024.0);
    }
    state.counters["file_MB"] = double(QFileInfo(f.fixture->path()).size()) / (1024.0 * 1024.0);
}

BENCHMARK(ScrollWhileBackingUp)
    ->ArgNames({"notes", "jumps", "backup"})
    ->Args({1000, 200, 1})
    ->Args({1000000, 200, 0})
    ->Args({1000000, 200, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// ScrollWhileMerging drags the thumb while the window takes in a conflict copy of its file
// (the file with 10 notes written on another machine) that appears beside it, as a sync
// engine leaves one: from the copy's arrival until the window has said what came in and
// read its list again. Reports the largest frame then, and the time to the status line.
void ScrollWhileMerging(benchmark::State& state)
{
    SizedFixture& f = fixture(int(state.range(0)));
    const int jumps = int(state.range(1));
    app::TMiniForm& form = f.fixture->form();
    const QDir folder = QFileInfo(f.fixture->path()).dir();
    const QString staged = folder.filePath(QStringLiteral("staged.dat"));
    const QString copy = folder.filePath(QStringLiteral("clipdata.sync-conflict-20261208-101500-ABCDEF1.dat"));
    std::vector<qint64> frames;
    double mergedMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(staged);
        if (!QFile::copy(f.fixture->path(), staged)) {
            state.SkipWithError("no room for the copy");
            break;
        }
        {
            store::Database other(staged);
            static int round = 0;
            ++round;
            for (int note = 0; note < 10; ++note)
                other.execute(
                    QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id) "
                                   "values ((select max(id)+1 from notes_main),0,'0','09:09 Tue, 08Dec2026',"
                                   "'from the laptop %1.%2','')")
                        .arg(round)
                        .arg(note));
        }
        form.pnlStatus1->clear();
        state.ResumeTiming();
        const auto began = std::chrono::steady_clock::now();
        QFile::rename(staged, copy);
        std::optional<std::chrono::steady_clock::time_point> said;
        frames = dragWhile(f, jumps, [&] {
            const auto now = std::chrono::steady_clock::now();
            if (!said && form.pnlStatus1->text().contains(QLatin1String("merged from another machine")))
                said = now;
            if (!said && now - began > std::chrono::minutes(2))
                return false;
            // A second more for the list read again after the merge.
            return !said || now - *said < std::chrono::seconds(1);
        });
        if (!said) {
            state.SkipWithError("the window did not say what came in");
            break;
        }
        mergedMs = double(std::chrono::nanoseconds(*said - began).count()) / 1e6;
    }
    reportFrames(state, frames);
    state.counters["merged_ms"] = mergedMs;
}

BENCHMARK(ScrollWhileMerging)
    ->ArgNames({"notes", "jumps"})
    ->Args({1000, 200})
    ->Args({1000000, 200})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// What a process of this toolkit takes with one empty window of the main window's size shown
// and painted: the floor that the peaks above are compared with.
qint64 baselinePeakKb()
{
    QWidget window;
    window.resize(287, 325);
    window.show();
    QCoreApplication::processEvents();
    QImage image(window.size(), QImage::Format_RGB32);
    window.render(&image);
    return bench::peakResidentKb();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The backups of the benchmark's notes files go to a folder that goes with the process.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    g_baselineKb = baselinePeakKb();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_current.fixture.reset();
    return 0;
}

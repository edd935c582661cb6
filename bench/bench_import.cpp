// Importing notes at 10,000 and 100,000: from a folder of text files (in ten subfolders, so
// ten categories) and from a folder of .note XML files, read and stored into an empty notes
// file; storing alone, the notes read beforehand; and taking an import back. Medians of 5 runs:
// Run: bench_import --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "import/ImportStore.h"
#include "import/PeerSources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

enum Kind { TextFiles = 0, NoteXml = 1 };

struct Folder {
    QTemporaryDir dir;
    import::PeerSource source;
};

std::map<std::pair<int, int>, std::unique_ptr<Folder>> g_folders;

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray noteXml(int number)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<note version=\"0.3\" "
                          "xmlns=\"http://beatniksoftware.com/tomboy\">\n<title>Note %1</title>\n<text "
                          "xml:space=\"preserve\"><note-content version=\"0.1\">Note %1\nsome <bold>bold</bold> "
                          "text &amp; a list:\n<list><list-item dir=\"ltr\">one\n</list-item></list>"
                          "</note-content></text>\n<last-change-date>2026-12-0%2T09:%3:00.1234567+01:00"
                          "</last-change-date>\n<create-date>2026-12-0%2T09:%3:00.1234567+01:00</create-date>\n"
                          "<tags>\n<tag>system:notebook:Book %4</tag>\n</tags>\n</note>\n")
        .arg(number)
        .arg(1 + number % 7)
        .arg(number % 60, 2, 10, QLatin1Char('0'))
        .arg(number % 10)
        .toUtf8();
}

Folder& folder(int notes, int kind)
{
    auto& slot = g_folders[{notes, kind}];
    if (slot)
        return *slot;
    slot = std::make_unique<Folder>();
    const QString root = slot->dir.path();
    if (kind == TextFiles) {
        for (int group = 0; group < 10; ++group)
            QDir().mkpath(QStringLiteral("%1/group %2").arg(root).arg(group));
        for (int number = 0; number < notes; ++number)
            write(QStringLiteral("%1/group %2/note %3.txt").arg(root).arg(number % 10).arg(number),
                  QStringLiteral("Note %1\nA line of text to keep, with Grüße.\n").arg(number).toUtf8());
        slot->source = {QStringLiteral("Text files"), QString(), import::Format::TextFolder, root};
    } else {
        for (int number = 0; number < notes; ++number)
            write(QStringLiteral("%1/%2.note").arg(root).arg(number), noteXml(number));
        slot->source = {QStringLiteral("Gnote"), QStringLiteral("gnote"), import::Format::NoteXml, root};
    }
    return *slot;
}

void importInto(benchmark::State& state, bool readToo)
{
    const int notes = int(state.range(0));
    Folder& source = folder(notes, int(state.range(1)));
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("clipdata.dat"));
    const import::ReadResult readBefore = readToo ? import::ReadResult{} : import::readSource(source.source);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        {
            store::Database fresh(path); // created outside the timing, as the user's file is there
            fresh.execute(QStringLiteral("select 1"));
        }
        state.ResumeTiming();
        store::Database database(path);
        if (readToo) {
            const import::ReadResult read = import::readSource(source.source);
            benchmark::DoNotOptimize(import::storeImport(database, read.notes).notes.size());
        } else {
            benchmark::DoNotOptimize(import::storeImport(database, readBefore.notes).notes.size());
        }
    }
    state.counters["notes/s"] = benchmark::Counter(double(notes) * double(state.iterations()), benchmark::Counter::kIsRate);
}

// Ctrl+Z right after an import: every note deleted and kept, in one transaction.
void TakeBack(benchmark::State& state)
{
    const int notes = int(state.range(0));
    const import::ReadResult read = import::readSource(folder(notes, TextFiles).source);
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("clipdata.dat"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        store::Database database(path);
        const import::StoredImport stored = import::storeImport(database, read.notes);
        state.ResumeTiming();
        benchmark::DoNotOptimize(import::takeBackImport(database, stored).size());
    }
    state.counters["notes/s"] = benchmark::Counter(double(notes) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void ReadAndStore(benchmark::State& state) { importInto(state, true); }
void StoreOnly(benchmark::State& state) { importInto(state, false); }

} // namespace

BENCHMARK(ReadAndStore)
    ->ArgNames({"notes", "xml"})
    ->Args({10000, TextFiles})
    ->Args({100000, TextFiles})
    ->Args({10000, NoteXml})
    ->Args({100000, NoteXml})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(StoreOnly)
    ->ArgNames({"notes", "xml"})
    ->Args({10000, TextFiles})
    ->Args({100000, TextFiles})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK(TakeBack)->ArgNames({"notes"})->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_folders.clear();
    return 0;
}

// What applying a note, searching and switching category cost at 100,000 notes, each next
// to the work it cannot avoid: the list reload, or the bare engine running the same
// statements. Run: bench_editing --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "app/MiniForm.h"
#include "dialogs/FrmSearch.h"
#include "store/CreationTime.h"
#include "store/Statements.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>

namespace {

constexpr int kDefaultNotes = 100000;
constexpr int kWorkNotes = 10000;
constexpr qint32 kWorkGroup = 2;
const QString kNeedle = QStringLiteral("needle");

// One note in ten carries the needle, so a search for it matches 10% of all notes.
QString noteText(int id)
{
    QString text = QStringLiteral("Note %1 about topic %2: remember to call back about the order, and the invoice")
                       .arg(id)
                       .arg(id % 97);
    if (id % 10 == 3)
        text += QStringLiteral(" with the ") + kNeedle;
    return text;
}

void fillNotes(store::Database& database)
{
    const QDateTime start(QDate(2020, 1, 1), QTime(8, 0));
    const QLocale locale = QLocale::c();
    database.execute(QStringLiteral("begin"));
    database.execute(QStringLiteral("insert into clip_groups values (%1,'Work','')").arg(kWorkGroup));
    constexpr int kBatch = 1000;
    const int total = kDefaultNotes + kWorkNotes;
    for (int first = 1; first <= total; first += kBatch) {
        QStringList rows;
        for (int id = first; id < first + kBatch && id <= total; ++id) {
            // About 40 notes a day, oldest first, so the list has a separator every 40 rows.
            const QDateTime created = start.addSecs(qint64(id) * 36 * 60);
            const qint32 group = id > kDefaultNotes ? kWorkGroup : 0;
            rows << QStringLiteral("(%1,%2,'0',%3,%4,'',%5)")
                        .arg(id)
                        .arg(group)
                        .arg(store::sql::quoted(store::formatCreationTime(created, locale)),
                             store::sql::quoted(noteText(id)),
                             store::sql::quoted(created.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))));
        }
        database.execute(QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id,"
                                        "record_time) values ") +
                         rows.join(QLatin1Char(',')));
    }
    database.execute(QStringLiteral("commit"));
}

// The window on a file of 110,000 notes, built once for all cases.
class Fixture {
public:
    Fixture()
    {
        const QString path = m_dir.filePath(QStringLiteral("clipdata.dat"));
        {
            store::Database database(path);
            fillNotes(database);
        }
        form = std::make_unique<app::TMiniForm>(path);
        if (!form->FormCreate())
            qFatal("the notes file did not open");
        form->show();
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

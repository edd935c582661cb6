#include "app/ImportNotes.h"

#include "app/MiniForm.h"
#include "dialogs/ImportForm.h"
#include "store/Database.h"
#include "widgets/Modal.h"

#include <QDir>
#include <QLabel>

namespace app {

namespace {

// The problems a message box can show before it says how many more there are.
constexpr int kProblemsShown = 10;

dialogs::ImportChoice choiceOf(const import::FoundSource& found)
{
    return {found.source.program, found.source.path, int(found.read.notes.size()), found.categories(),
            int(found.read.problems.size())};
}

dialogs::ImportChoice surveyChoice(const QString& folder)
{
    const import::FolderSurvey survey = import::surveyTextFolder(folder);
    return {QCoreApplication::translate("ImportNotes", "Text files"), folder, survey.files, survey.categories, 0};
}

} // namespace

ImportNotes::ImportNotes(TMiniForm& form) : m_form(form), m_home(QDir::homePath()) {}

ImportNotes::~ImportNotes()
{
    if (m_thread)
        m_thread->wait();
}

void ImportNotes::Import1Click()
{
    if (!m_form.state().InBrowseMode)
        return;
    if (running()) {
        m_form.pnlStatus1->setText(tr("An import is under way"));
        return;
    }
    const QList<import::FoundSource> found = import::findSources(m_home);
    QList<dialogs::ImportChoice> choices;
    for (const import::FoundSource& source : found)
        choices << choiceOf(source);
    dialogs::TImportForm dialog(choices, surveyChoice, &m_form);
    if (widgets::Modal::exec(dialog) != QDialog::Accepted)
        return;
    QList<import::PeerSource> chosen;
    for (int row : dialog.tickedRows()) {
        if (row < dialog.foundCount())
            chosen << found[row].source;
        else
            chosen << import::PeerSource{tr("Text files"), QString(), import::Format::TextFolder,
                                         dialog.addedFolders().value(row - dialog.foundCount())};
    }
    if (!chosen.isEmpty())
        start(chosen);
}

void ImportNotes::start(QList<import::PeerSource> sources)
{
    const QString path = m_form.notesFile().database().path();
    const qint32 idsHeld = m_form.deleteHistory().highestNoteId();
    const qint32 groupIdsHeld = m_form.deleteHistory().highestGroupId();
    m_form.pnlStatus1->setText(tr("Importing notes..."));
    m_thread.reset(QThread::create([this, sources, path, idsHeld, groupIdsHeld] {
        Outcome outcome;
        import::ReadResult read;
        for (const import::PeerSource& source : sources)
            read.add(import::readSource(source));
        outcome.problems = read.problems;
        try {
            store::Database database(path);
            outcome.stored = import::storeImport(database, read.notes, idsHeld, groupIdsHeld);
        } catch (const store::StoreError& error) {
            outcome.failure = error.message();
        }
        QMetaObject::invokeMethod(this, [this, outcome] { done(outcome); }, Qt::QueuedConnection);
    }));
    m_thread->start();
}

void ImportNotes::done(const Outcome& outcome)
{
    m_thread->wait();
    m_thread.reset();
    if (outcome.stored) {
        if (!outcome.stored->notes.empty())
            m_form.deleteHistory().push(UndoDelete::Import{*outcome.stored});
        m_form.reloadIfFileChanged();
        // After the reload, and as a command's outcome, so that the list's own line and a
        // later reload leave it standing.
        m_form.showOutcome(import::importSummary(*outcome.stored));
    } else {
        m_form.showOutcome(tr("Import failed: nothing stored"));
        widgets::Modal::message(&m_form, QMessageBox::Critical, tr("Import notes"),
                                tr("The notes could not be stored; nothing was imported.\n%1").arg(outcome.failure));
    }
    if (!outcome.problems.isEmpty()) {
        QStringList lines;
        for (const import::ReadProblem& problem : outcome.problems.mid(0, kProblemsShown))
            lines << QStringLiteral("%1: %2").arg(problem.file, problem.why);
        if (outcome.problems.size() > kProblemsShown)
            lines << tr("... and %1 more").arg(outcome.problems.size() - kProblemsShown);
        widgets::Modal::message(&m_form, QMessageBox::Warning, tr("Import notes"),
                                tr("These files were left out; they are unchanged:\n%1").arg(lines.join(QLatin1Char('\n'))));
    }
    emit finished();
}

} // namespace app

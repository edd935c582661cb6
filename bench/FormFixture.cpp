#include "bench/FormFixture.h"

#include "app/BackupSchedule.h"
#include "app/NotesBackups.h"
#include "bench/NotesFile.h"
#include "store/IntegrityCheck.h"
#include "widgets/TabSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace bench {

namespace {

void processEventsFor(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}

} // namespace

FormFixture::FormFixture(int notes, const std::function<void(const QString& path)>& prepare)
    : m_path(m_dir.filePath(QStringLiteral("clipdata.dat")))
{
    if (!m_dir.isValid())
        qFatal("no temporary folder for the notes file");
    makeNotesFile(m_path, notes);
    if (prepare)
        prepare(m_path);
    m_form = std::make_unique<app::TMiniForm>(m_path);
    if (!m_form->FormCreate())
        qFatal("the notes file %s did not open", qPrintable(m_path));
    // The day's backup would start in the middle of some benchmark's timing; those that
    // measure a backup start it themselves.
    m_form->notesBackups().schedule().stopChecking();
    m_form->show();
    m_form->noteListView().waitForNoteList();
    // The window checks its file on a thread of its own a second after start-up. The same
    // check run here takes about as long as that one, which runs alongside it; a little more
    // time covers the difference.
    processEventsFor(1500);
    store::quickCheck(m_path);
    processEventsFor(500);
}

FormFixture::~FormFixture() = default;

int FormFixture::tabOf(const QString& caption) const
{
    return int(m_form->tabGroups->tabs().indexOf(caption));
}

void FormFixture::showCategory(const QString& caption)
{
    if (m_form->tabGroups->tabIndex() != tabOf(caption))
        m_form->tabGroups->setTabIndex(tabOf(caption));
    m_form->noteListView().waitForNoteList();
}

} // namespace bench

// The window's side of its behaviour: the window's events handed to WindowBehaviour, close and
// exit, and notes written by other processes taken up when the window comes forward.
#include "app/MiniForm.h"

#include "app/DockingStrip.h"
#include "app/ToolCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMoveEvent>
#include <QShortcut>

namespace app {

void TMiniForm::setUpWindowBehaviour()
{
    m_windowBehaviour = std::make_unique<WindowBehaviour>(*this, [this] { destroy(); });
    TrayIcon1 = &m_windowBehaviour->trayIcon();

    // Help without a tray: F1 anywhere in the main window.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { m_toolCommands->Help1Click(); });
}

void TMiniForm::reloadIfFileChanged()
{
    // Not under a dialog: the command that opened it goes on, when it closes, with the tabs and
    // rows it knew. The window takes the change up when it comes forward again.
    if (QApplication::activeModalWidget())
        return;
    // A sync engine brings another machine's version by putting a new file in place of the
    // notes file: from then on that file is the one read and written. The memo keeps what it
    // holds; Apply files it in the new file as it files text for a note another program
    // changed or a category it deleted.
    // One that cannot be read (damaged, caught half-written) was reported once; the window
    // keeps what it shows until a file that can be read comes.
    if (!guarded([this] { m_notesFile->database().followIfReplaced(false); }) || !m_notesFile->database().isOpen())
        return;
    // Only with the list in front: a rebuild in edit mode would take the memo's note as the
    // one an Apply changes. The change is taken up when the window next comes forward.
    if (!m_state.InBrowseMode)
        return;
    // Taken as read before the reading: what another process writes meanwhile (an import on
    // a thread of its own) is taken up next time, never lost.
    if (m_notesFile->version().takeChange()) {
        // Undo keeps what this run deleted: it puts it back into the new file as it would
        // into one another program changed.
        const bool replaced = m_notesFile->takeReplacement();
        const QString said = pnlStatus1->text();
        guarded([this, replaced] {
            if (replaced)
                m_toolCommands->readNoteFont();
            m_categoryTabs->refreshTabsFromFile();
            sendReloadNoteList();
            OpenDueReminders();
        });
        // Said once, unless the line tells what became of the user's text ("Changed elsewhere:
        // saved as new" of the Apply that met the new file): that line stays.
        const QString notice = m_notesFile->database().takeWroteBack() ? tr("Notes file deleted: written back")
                                                                       : tr("Notes reloaded: the file was replaced");
        if (replaced)
            pnlStatus1->setText(!m_outcomeShown.isEmpty() && said == m_outcomeShown ? said : notice);
    }
}

void TMiniForm::showOutcome(const QString& line)
{
    pnlStatus1->setText(line);
    m_outcomeShown = line;
}

void TMiniForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        reloadIfFileChanged();
    if (event->type() == QEvent::WindowStateChange)
        m_windowBehaviour->dockingStrip().windowStateChanged(*static_cast<QWindowStateChangeEvent*>(event));
    QWidget::changeEvent(event);
}

void TMiniForm::moveEvent(QMoveEvent* event)
{
    m_windowBehaviour->dockingStrip().moveEvent(*event);
    QWidget::moveEvent(event);
}

void TMiniForm::enterEvent(QEnterEvent* event)
{
    m_windowBehaviour->dockingStrip().enterEvent();
    QWidget::enterEvent(event);
}

void TMiniForm::leaveEvent(QEvent* event)
{
    m_windowBehaviour->dockingStrip().leaveEvent();
    QWidget::leaveEvent(event);
}

void TMiniForm::showEvent(QShowEvent* event)
{
    m_windowBehaviour->dockingStrip().showEvent(*event);
    if (!event->spontaneous())
        reloadIfFileChanged();
    QWidget::showEvent(event);
}

void TMiniForm::FormClose()
{
    m_windowBehaviour->unregisterHotKey();
}

void TMiniForm::closeEvent(QCloseEvent* event)
{
    m_wayOut->storeBeforeExit();
    FormClose();
    event->accept();
    QApplication::quit();
}

void TMiniForm::Exit1Click()
{
    QApplication::quit();
}

} // namespace app

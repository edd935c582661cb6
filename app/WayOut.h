#pragma once

#include <QCoreApplication>
#include <QString>

namespace app {

class TMiniForm;

// Closing, logging out and SIGTERM store a draft or an unapplied edit first, as Apply would;
// choosing "Browse mode" is the one way to leave typed text unstored. Nothing on this way
// waits for a click: a file another program keeps locked is waited for exitWaitMs, then the
// text is kept aside (KeptDrafts) and stored by the next start.
class WayOut {
    Q_DECLARE_TR_FUNCTIONS(WayOut)

public:
    explicit WayOut(TMiniForm& form);

    void storeBeforeExit();
    void setExitWaitMs(int milliseconds) { m_exitWaitMs = milliseconds; }
    static constexpr int kExitWaitMs = 5000;
    // Where notes kept aside at exit go; the user's data folder unless a test gives another.
    void setKeptDraftsFolder(const QString& folder) { m_keptDraftsFolder = folder; }
    // What the last run kept aside, stored now; returns a line for the status bar.
    QString storeKeptDrafts();
    // A note kept aside earlier in this run and stored since must not be stored again.
    void forgetKeptDraft();

private:
    void keepDraftAtExit(const QString& why);

    TMiniForm& m_form;
    int m_exitWaitMs = kExitWaitMs;
    bool m_fileBusyAtExit = false;
    QString m_keptDraftsFolder;
    QString m_keptDraftPath; // kept in this run, not stored since
};

} // namespace app

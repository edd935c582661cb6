#pragma once

#include "import/ImportStore.h"
#include "import/PeerSources.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>
#include <memory>

namespace app {

class TMiniForm;

// "Import notes...": the notes other notes programs keep for this user, and folders of text
// files, read and stored on a thread of their own with a connection of their own, so the
// window goes on while a hundred thousand notes come in. The list takes them up as it takes
// up any other program's writes; Ctrl+Z right after takes the whole import back.
class ImportNotes : public QObject {
    Q_OBJECT

public:
    explicit ImportNotes(TMiniForm& form);
    ~ImportNotes() override; // waits for an import under way: its transaction ends whole

    void Import1Click();
    bool running() const { return m_thread != nullptr; }

    // Where the programs' folders are looked for: the home folder, unless a test gives another.
    void setHome(const QString& home) { m_home = home; }

signals:
    void finished();

private:
    struct Outcome {
        std::optional<import::StoredImport> stored;
        QString failure; // why nothing was stored
        QList<import::ReadProblem> problems;
    };
    void start(QList<import::PeerSource> sources);
    void done(const Outcome& outcome);

    TMiniForm& m_form;
    QString m_home;
    std::unique_ptr<QThread> m_thread;
};

} // namespace app

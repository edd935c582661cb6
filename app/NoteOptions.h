#pragma once

#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

// The note commands' options as they are read from the command line, one at a time, and
// then checked as a whole.
class NoteOptions {
    Q_DECLARE_TR_FUNCTIONS(NoteOptions)

public:
    // Takes the option at `index` (and its value, moving `index` past it) when it is one of the
    // note commands'. Returns nothing when it is not; an empty text when it was taken; else why
    // it is refused.
    std::optional<QString> take(const QStringList& arguments, qsizetype& index);
    // Why the options taken cannot go together (also with --toggle), or an empty text.
    QString check(bool toggle) const;

    NoteCommand command;

private:
    QString setKind(NoteCommand::Kind kind, const QString& option);
    QString takeImportSource(const QString& source);

    QString m_commandOption; // as the user wrote it, to name it in a refusal
    bool m_categoryGiven = false;
    bool m_forceGiven = false;
};

} // namespace app

#include "app/NoteOptions.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace app {

namespace {

// "--name" or "--name=value": the name, and the value when one follows '='.
struct Option {
    QString name;
    std::optional<QString> inlineValue;
};

// The note commands' options, with the command each one gives (None: one that goes with a
// command).
struct NoteOption {
    const char* name;
    NoteCommand::Kind kind;
};
constexpr NoteOption kNoteOptions[] = {
    {"--add", NoteCommand::Kind::Add},       {"--list", NoteCommand::Kind::List},
    {"--search", NoteCommand::Kind::Search}, {"--export", NoteCommand::Kind::Export},
    {"--import", NoteCommand::Kind::Import}, {"--category", NoteCommand::Kind::None},
    {"--force", NoteCommand::Kind::None},
};

Option optionOf(const QString& argument)
{
    if (!argument.startsWith(QLatin1String("--")))
        return {};
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {argument, std::nullopt};
    return {argument.left(equals), argument.mid(equals + 1)};
}

} // namespace

std::optional<QString> NoteOptions::take(const QStringList& arguments, qsizetype& index)
{
    const Option option = optionOf(arguments[index]);
    const auto* known =
        std::find_if(std::begin(kNoteOptions), std::end(kNoteOptions),
                     [&option](const NoteOption& entry) { return option.name == QLatin1String(entry.name); });
    if (known == std::end(kNoteOptions))
        return std::nullopt;
    const QString& name = option.name;
    using Kind = NoteCommand::Kind;

    // Options without a value.
    if (name == QLatin1String("--list") || name == QLatin1String("--force")) {
        if (option.inlineValue)
            return tr("'%1' takes no value").arg(name);
        if (name == QLatin1String("--list"))
            return setKind(Kind::List, name);
        if (m_forceGiven)
            return tr("'%1' is given twice").arg(name);
        m_forceGiven = true;
        command.force = true;
        return QString();
    }

    // --add takes its text when one follows; without one it reads standard input. An
    // argument that begins with two dashes is the next option, so such a text goes as
    // --add=TEXT.
    if (name == QLatin1String("--add")) {
        if (const QString refused = setKind(Kind::Add, name); !refused.isEmpty())
            return refused;
        std::optional<QString> text = option.inlineValue;
        if (!text && index + 1 < arguments.size() && !arguments[index + 1].startsWith(QLatin1String("--")))
            text = arguments[++index];
        if (!text || *text == QLatin1String("-")) {
            command.textFromInput = true;
            return QString();
        }
        if (text->trimmed().isEmpty())
            return tr("there is no text to add");
        command.text = *text;
        return QString();
    }

    // The others need a value, which is the next argument whatever it looks like.
    QString value;
    if (option.inlineValue)
        value = *option.inlineValue;
    else if (index + 1 < arguments.size())
        value = arguments[++index];
    else
        return tr("'%1' needs a value").arg(name);

    if (name == QLatin1String("--category")) {
        if (m_categoryGiven)
            return tr("'%1' is given twice").arg(name);
        if (value.trimmed().isEmpty())
            return tr("'%1' needs the name of a category").arg(name);
        m_categoryGiven = true;
        command.category = value;
        return QString();
    }
    if (const QString refused = setKind(known->kind, name); !refused.isEmpty())
        return refused;
    if (name == QLatin1String("--search")) {
        command.text = value; // an empty text finds every note, as the Search command does
        return QString();
    }
    if (value.isEmpty())
        return tr("'%1' needs the name of a file").arg(name);
    if (name == QLatin1String("--export")) {
        command.file = value;
        return QString();
    }
    return takeImportSource(value);
}

QString NoteOptions::setKind(NoteCommand::Kind kind, const QString& option)
{
    if (command.kind != NoteCommand::Kind::None)
        return tr("'%1' cannot go with '%2': give one command at a time").arg(option, m_commandOption);
    command.kind = kind;
    m_commandOption = option;
    return QString();
}

QString NoteOptions::takeImportSource(const QString& source)
{
    // A program's name stands for the place it keeps its notes; anything else is a path.
    if (importPrograms().contains(source))
        command.importProgram = source;
    else
        command.importPath = source;
    return QString();
}

QString NoteOptions::check(bool toggle) const
{
    using Kind = NoteCommand::Kind;
    if (toggle && command.kind != Kind::None)
        return tr("'--toggle' cannot go with '%1': give one command at a time").arg(m_commandOption);
    if (m_categoryGiven && command.kind != Kind::Add && command.kind != Kind::List && command.kind != Kind::Export)
        return tr("'--category' goes with --add, --list or --export");
    if (m_forceGiven && command.kind != Kind::Export)
        return tr("'--force' goes with --export");
    return QString();
}

} // namespace app

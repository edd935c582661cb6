#pragma once

// What the user should have after a sequence of actions, kept apart from the program: notes,
// search copies, categories and their tabs, what is on screen, what Undo would bring back.
// It is written from the user's side; the program's own ids are learnt from the file only
// where the user cannot know them (the id a new note or category gets).

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <set>
#include <variant>
#include <vector>

namespace sequences {

constexpr qint32 kCopyOffset = 60000;
constexpr qint32 kSearchGroup = 1;

struct Note {
    qint32 group = 0;
    QString text;
    bool operator==(const Note&) const = default;
};

struct Category {
    qint32 id = 0;
    QString name;
};

struct DeletedNote {
    qint32 id = 0;
    bool copy = false;
    Note note; // for a copy only the text counts
    std::optional<QString> reminder;
};

struct DeletedCategory {
    Category category;
    QList<qint32> movedIds;
    int tabIndex = 0;
};

// A new note's text that Delete put aside before it was applied.
struct DeletedDraft {
    QString text;
};

// The notes an import brought, with the creation text each was given: Undo takes back those
// that still hold it (another program may have given a gone note's id to a note of its own).
struct DoneImport {
    std::vector<std::pair<qint32, QString>> notes;
};

// Names that differ only in case or in blanks at either end look alike.
inline QString nameKey(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// The pattern matching of the search: % any run, _ any one character, ASCII letters in
// either case.
inline bool likeMatches(const QString& pattern, int p, const QString& text, int t)
{
    if (p == pattern.size())
        return t == text.size();
    if (pattern[p] == QLatin1Char('%')) {
        for (int from = t; from <= text.size(); ++from)
            if (likeMatches(pattern, p + 1, text, from))
                return true;
        return false;
    }
    if (t == text.size())
        return false;
    if (pattern[p] != QLatin1Char('_') && pattern[p].toLower() != text[t].toLower())
        return false;
    return likeMatches(pattern, p + 1, text, t + 1);
}

// The line end a note uses most, LF when it has none. (Each note of the sequences uses one
// kind only.)
inline QString lineEndOf(const QString& text)
{
    const qsizetype crlf = text.count(QStringLiteral("\r\n"));
    const qsizetype cr = text.count(QLatin1Char('\r')) - crlf;
    const qsizetype lf = text.count(QLatin1Char('\n')) - crlf;
    if (cr > lf && cr >= crlf)
        return QStringLiteral("\r");
    return crlf > lf ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

// Reminders and the clock, as the user sees them: each reminder (a note's, at its time)
// shows once when its time has come, never twice, whatever the clock does.
struct ReminderTimes {
    QDateTime now{QDate(2026, 12, 7), QTime(9, 0)};
    std::map<qint32, QDateTime> due; // by note; kept while the note is deleted, for Undo
    std::set<std::pair<qint32, QDateTime>> shown;
    // Brought back by Undo after its time came while it was deleted: it may show once, or never.
    std::set<std::pair<qint32, QDateTime>> mayShow;

    static QString minute(const QDateTime& time) { return time.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }
    bool hasCome(const QDateTime& time) const { return minute(time) <= minute(now); }

    void set(qint32 note, const QDateTime& time)
    {
        due[note] = time;
        shown.erase({note, time}); // set again by the user: a new reminder
        std::erase_if(mayShow, [note](const auto& key) { return key.first == note; });
    }
    void restored(qint32 from, qint32 to)
    {
        if (!due.count(from))
            return;
        const QDateTime time = due[from];
        due[to] = time;
        if (hasCome(time) && !shown.count({to, time}))
            mayShow.insert({to, time});
    }

    // What a look at the reminders shown since the last look finds wrong, given the stored
    // reminders (note to text, texts unique); empty when each due one showed once.
    QString look(const std::map<qint32, QString>& stored, const QStringList& displayed)
    {
        std::set<std::pair<qint32, QDateTime>> required;
        for (const auto& [note, text] : stored)
            if (due.count(note) && hasCome(due[note]) && !shown.count({note, due[note]}) &&
                !mayShow.count({note, due[note]}))
                required.insert({note, due[note]});
        for (QString text : displayed) {
            if (text.startsWith(QLatin1String("Late, due ")))
                text = text.mid(text.indexOf(QLatin1Char('\n')) + 1);
            std::optional<std::pair<qint32, QDateTime>> key;
            for (const auto& [note, storedText] : stored)
                if (storedText == text && due.count(note))
                    key = std::pair{note, due[note]};
            if (!key)
                return QStringLiteral("a reminder showed that is not stored: \"%1\"").arg(text);
            if (!required.erase(*key) && !mayShow.erase(*key))
                return QStringLiteral("reminder \"%1\" of note %2 showed %3")
                    .arg(text)
                    .arg(key->first)
                    .arg(shown.count(*key) ? QStringLiteral("again") : QStringLiteral("before its time"));
            shown.insert(*key);
        }
        if (!required.empty())
            return QStringLiteral("the reminder of note %1 due %2 did not show at %3")
                .arg(required.begin()->first)
                .arg(required.begin()->second.toString(Qt::ISODate), now.toString(Qt::ISODate));
        return {};
    }
};

struct Model {
    std::map<qint32, Note> notes;     // real notes by id; group 0 also stands for none
    std::map<qint32, QString> copies; // search copies by id
    std::vector<Category> categories; // in the order the file keeps them, Search first
    QStringList tabs{QStringLiteral("Default"), QStringLiteral("Search"), QStringLiteral("*New")};
    int selected = 0;
    qint32 shown = 0; // the category the list shows; its tab may be stale (see unseen)
    // Another program wrote the file and the window has not looked since: its tabs may name
    // categories that are gone or renamed.
    bool unseen = false;
    bool browse = true;
    // The note on screen: the selected row's in browse mode, the memo's in edit mode;
    // none while a new note is written (or nothing is shown).
    std::optional<qint32> target;
    QString memo;
    QString opened; // the stored text the memo was filled with
    std::vector<std::variant<DeletedNote, DeletedCategory, DeletedDraft, DoneImport>> undo;
    std::map<qint32, QString> reminders; // by the note they belong to
    ReminderTimes reminderTimes;

    Model() { categories.push_back({kSearchGroup, QStringLiteral("Search")}); }

    const Category* categoryNamed(const QString& name) const
    {
        for (const Category& category : categories)
            if (category.name == name)
                return &category;
        return nullptr;
    }
    const Category* categoryWithId(qint32 id) const
    {
        for (const Category& category : categories)
            if (category.id == id)
                return &category;
        return nullptr;
    }
    qint32 shownGroup() const { return shown; }
    // The category a note put back is filed under: Default when the one asked for is gone.
    qint32 filedUnder(qint32 group) const { return categoryWithId(group) ? group : 0; }
    // The category a note written under the selected tab goes to: the shown one while a row
    // still holds its id under the tab's name, else Default (deleted, its id perhaps reused).
    qint32 newNoteHome() const
    {
        const Category* category = categoryWithId(shownGroup());
        if (showsCopies() || !category || selected < 0 || selected >= tabs.size())
            return 0;
        return category->name == tabs[selected] ? category->id : 0;
    }
    bool showsCopies() const { return shownGroup() == kSearchGroup; }

    // The ids the list of the shown category holds.
    QList<qint32> listed() const
    {
        QList<qint32> ids;
        if (showsCopies()) {
            for (const auto& [id, text] : copies)
                ids << id;
        } else {
            for (const auto& [id, note] : notes)
                if (note.group == shownGroup())
                    ids << id;
        }
        return ids;
    }
    QString storedText(qint32 id) const { return showsCopies() ? copies.at(id) : notes.at(id).text; }

    void showNothing()
    {
        target.reset();
        memo.clear();
        opened.clear();
    }
    void show(qint32 id)
    {
        target = id;
        memo = opened = storedText(id);
    }
    // After the list was read again: the note on screen stays if it is listed.
    void listReread()
    {
        if (!target || !listed().contains(*target))
            showNothing();
    }
    void switchTo(int tab)
    {
        selected = tab;
        const Category* category = categoryNamed(tabs[tab]);
        shown = category ? category->id : 0;
        showNothing();
    }

    bool nameRefused(const QString& name, const QString& ownName = {}) const
    {
        const QString key = nameKey(name);
        if (key == QLatin1String("default") || key == QLatin1String("search") || key == QLatin1String("*new"))
            return true;
        for (const Category& category : categories)
            if (category.name != ownName && nameKey(category.name) == key)
                return true;
        return false;
    }
    // The name a category put back by Undo gets: its own unless that is taken now.
    QString freeName(const QString& name) const
    {
        QString candidate = name;
        for (int number = 2; nameRefused(candidate); ++number) {
            const QString suffix = QStringLiteral(" (%1)").arg(number);
            candidate = name.left(31 - suffix.size()).trimmed() + suffix;
        }
        return candidate;
    }

    // Notes of a category whose row another program deleted, leaving them, go to Default when
    // the window next looks at the file.
    void rescueStrayNotes()
    {
        for (auto& [id, note] : notes)
            if (note.group > kSearchGroup && !categoryWithId(note.group))
                note.group = 0;
    }

    // The window looks at the file again: tabs of categories gone go, new ones come before
    // *New, and the category shown stays shown (under its present name), else Default.
    void tabsReread()
    {
        rescueStrayNotes();
        QStringList fresh{QStringLiteral("Default")};
        for (int index = 1; index < tabs.size() - 1; ++index)
            if (categoryNamed(tabs[index]) && !fresh.contains(tabs[index]))
                fresh << tabs[index];
        for (const Category& category : categories)
            if (!fresh.contains(category.name))
                fresh << category.name;
        fresh << QStringLiteral("*New");
        tabs = fresh;
        const Category* category = categoryWithId(shown);
        if (shown != 0 && !category) {
            selected = 0;
            shown = 0;
            showNothing();
        } else {
            selected = category ? int(tabs.indexOf(category->name)) : 0;
        }
        unseen = false;
    }

    void search(const QString& text)
    {
        copies.clear();
        const QString pattern = QLatin1Char('%') + text + QLatin1Char('%');
        for (const auto& [id, note] : notes)
            if (likeMatches(pattern, 0, note.text, 0))
                copies[kCopyOffset + id] = note.text;
        const int tab = int(tabs.indexOf(QStringLiteral("Search")));
        selected = tab;
        shown = kSearchGroup;
        showNothing();
    }

    void deleteNote(qint32 id)
    {
        DeletedNote deleted{id, showsCopies(), {}, {}};
        if (deleted.copy) {
            deleted.note.text = copies.at(id);
            copies.erase(id);
        } else {
            deleted.note = notes.at(id);
            notes.erase(id);
            if (reminders.count(id)) {
                deleted.reminder = reminders.at(id);
                reminders.erase(id);
            }
        }
        undo.push_back(deleted);
    }

    // The category a file in an import's subfolder goes to: the one of a look-alike name, else
    // none yet (std::nullopt: made by the import); Default for none and for reserved names.
    std::optional<qint32> importCategory(const QString& folder) const
    {
        const QString key = nameKey(folder);
        if (key.isEmpty() || key == QLatin1String("default") || key == QLatin1String("search") ||
            key == QLatin1String("*new"))
            return 0;
        for (const Category& category : categories)
            if (category.id != kSearchGroup && nameKey(category.name) == key)
                return category.id;
        return std::nullopt;
    }

    void deleteSelectedCategory()
    {
        const Category* category = categoryNamed(tabs[selected]);
        DeletedCategory deleted{*category, {}, selected};
        for (auto& [id, note] : notes) {
            if (note.group == category->id) {
                note.group = 0;
                deleted.movedIds << id;
            }
        }
        std::erase_if(categories, [&](const Category& c) { return c.id == deleted.category.id; });
        undo.push_back(deleted);
        tabs.removeAt(selected);
        if (tabs[selected] == QLatin1String("*New"))
            --selected;
        const Category* next = categoryNamed(tabs[selected]);
        shown = next ? next->id : 0;
        showNothing();
    }
};

} // namespace sequences

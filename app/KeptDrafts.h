#pragma once

#include <QString>
#include <vector>

namespace app {

// What the memo held when the program had to end without storing it (another program kept
// the notes file locked): enough to store it at the next start as the exit would have.
struct KeptDraft {
    bool edit = false; // a change of note `noteId`; otherwise a new note of `groupId`
    qint32 noteId = 0; // with `copy`, a search copy's id
    bool copy = false;
    qint32 groupId = 0; // where a new note goes
    QString categoryName; // the name of that category then: its id may go to another one
    QString openedText; // the stored text the edit began from
    QString text;
    QString createTime; // the creation text it was written with, as the notes file keeps it
};

// Notes kept aside for one notes file, one file each in the user's data folder
// ($XDG_DATA_HOME/quibbet/kept), readable by the owner alone: the notes folder itself may be
// read-only, and a file beside the notes would travel with a synced folder and be stored on
// every computer. The files are plain JSON, so the text can be read without the program.
class KeptDrafts {
public:
    explicit KeptDrafts(const QString& notesFile, QString folder = defaultFolder());
    static QString defaultFolder();

    // Returns the kept file's path; empty when it could not be written (`error` says why).
    QString keep(const KeptDraft& draft, QString& error) const;

    struct Entry {
        QString path;
        KeptDraft draft;
        bool beingStored = false; // taken up by a start that may have stored it before it ended
    };
    // Oldest first. A file that cannot be read is left where it is, for the user.
    std::vector<Entry> list() const;
    // Marks the entry as being stored, before it is: a start that ends between storing it and
    // forgetting it leaves it marked, and only a marked one can have been stored already.
    // False when the mark could not be made (then it must not be stored now).
    static bool markBeingStored(Entry& entry);
    // Takes the mark back: storing failed, so the entry is certainly not stored.
    static void unmark(Entry& entry);
    static bool forget(const QString& path);

private:
    QString m_folder;
    QString m_notesFile; // canonical
    QString m_key;
};

} // namespace app

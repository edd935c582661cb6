<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quibbet [--toggle | --help | --version] [toolkit options]
A small notes keeper. Quibbet keeps its notes in the file clipdata.dat in the folder it
starts in; started from the desktop&apos;s menu, that is your home folder. One Quibbet runs
for each notes file: starting it again in the same folder brings that one to the front.

  --toggle   show or hide the Quibbet running on this desktop for the notes file of
             this folder, as F9 does; start it when none is running
  --help     show this help and exit
  --version  show the version and exit

The toolkit&apos;s standard options (-platform NAME, -display DISPLAY, -style NAME,
-reverse, -session NAME and the like) are passed on to it.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this text as LTR in left-to-right languages and as RTL in right-to-left ones (Arabic, Hebrew): the whole window is then mirrored.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Query</name>
    <message>
        <source>Dataset not in edit or insert mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

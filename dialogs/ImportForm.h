#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QPushButton;
class QTreeWidget;

namespace dialogs {

// A place notes can be imported from, as the dialog lists it.
struct ImportChoice {
    QString program;
    QString place;
    int notes = 0;
    QStringList categories;
    int problems = 0; // files that could not be read
};

// Lists the notes of other programs found for this user, each with a tick box, program,
// place, number of notes and categories; "Add folder..." adds a folder of text or Markdown
// files. Import takes what is ticked.
class TImportForm : public QDialog {
    Q_OBJECT
public:
    // `surveyFolder` tells what a folder the user chose holds.
    TImportForm(const QList<ImportChoice>& found, std::function<ImportChoice(const QString&)> surveyFolder,
                QWidget* parent = nullptr);

    // Adds a folder of text files, ticked (what "Add folder..." does once a folder is chosen).
    void addFolder(const QString& folder);
    // Rows ticked, in the order listed: the found sources first, then the folders added.
    QList<int> tickedRows() const;
    QStringList addedFolders() const { return m_folders; }
    int foundCount() const { return m_foundCount; }

    QTreeWidget* lvSources = nullptr;
    QPushButton* btnAddFolder = nullptr;
    QPushButton* btnImport = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    void addRow(const ImportChoice& choice, bool ticked);
    void updateImportButton();

    std::function<ImportChoice(const QString&)> m_surveyFolder;
    QStringList m_folders;
    int m_foundCount = 0;
};

} // namespace dialogs

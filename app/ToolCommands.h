#pragma once

#include "dialogs/PrinterPort.h"

#include <QCoreApplication>
#include <QString>
#include <memory>

namespace dialogs {
class TfrmAbout;
class TOptionForm;
} // namespace dialogs

namespace app {

class TMiniForm;

// The tools of the list's and the tray's menus: search, the notes' font and options, export,
// print, help and about.
class ToolCommands {
    Q_DECLARE_TR_FUNCTIONS(ToolCommands)

public:
    explicit ToolCommands(TMiniForm& form);
    ~ToolCommands();

    // Copies of the matching notes fill the Search category, which is then shown.
    void Search1Click();
    void Options1Click();
    void Export1Click();
    void Print1Click();
    void Help1Click();
    void About1Click();
    // The notes' font options of the file, over what the state holds.
    void LoadNoteFont();
    // The notes' font as the file keeps it, over the default for what it does not keep.
    void readNoteFont();

    // The about box and the options dialog live for the rest of the run once made.
    dialogs::TfrmAbout& frmAbout();
    dialogs::TOptionForm& optionForm();
    // Where Print sends its page: the default printer, unless a test gives another.
    void setPrinterPort(std::unique_ptr<dialogs::PrinterPort> port) { m_printerPort = std::move(port); }
    const QString& exportFileName() const { return m_exportFileName; }

private:
    void applyMemoFont();

    TMiniForm& m_form;
    dialogs::TfrmAbout* m_frmAbout = nullptr;
    dialogs::TOptionForm* m_optionForm = nullptr;
    std::unique_ptr<dialogs::PrinterPort> m_printerPort;
    QString m_exportFileName; // the save dialog starts with the name chosen last in the run
};

} // namespace app

#include "widgets/Modal.h"

#include "widgets/ButtonWidths.h"
#include "widgets/DialogPlacement.h"

#include <QComboBox>
#include <QFileDialog>
#include <QRegularExpression>
#include <QShowEvent>

namespace widgets {

namespace {
struct Answers {
    std::deque<QMessageBox::StandardButton> messages;
    std::deque<Modal::DialogAnswer> dialogs;
    std::deque<QString> files;
    std::deque<Modal::ShownMessage> shown;
};

// Set only by test and benchmark programs: a dialog nobody answered must not wait for a click
// that never comes there. It is taken as cancelled, and said so in the log.
bool g_cancelUnanswered = false;

bool nonInteractive() { return g_cancelUnanswered; }

QMessageBox::StandardButton cancelButton(QMessageBox::StandardButtons buttons)
{
    for (auto button : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok}) {
        if (buttons & button)
            return button;
    }
    return QMessageBox::NoButton;
}

// Workaround: the file dialog shows each filter with its pattern ("Name (*.txt)"), and
// asked to hide the pattern it also squeezes the blanks of the name; show the names as
// written instead. A dialog of the desktop's own has no such list and keeps its way.
const QRegularExpression kFilterPattern(QStringLiteral("\\s*\\([^()]*\\)$"));

void showFilterNamesAsWritten(QFileDialog& dialog, const QString& filter)
{
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!types)
        return;
    const QStringList filters = filter.split(QStringLiteral(";;"));
    for (int i = 0; i < filters.size() && i < types->count(); ++i) {
        QString name = filters.at(i);
        name.remove(kFilterPattern);
        if (!name.isEmpty())
            types->setItemText(i, name);
    }
}

// A message box settles its size as it is shown, after the dialog's placement would have
// run: it is centred once that is done, still before it appears.
class CentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (!event->spontaneous() && !m_placed) {
            m_placed = true;
            DialogPlacement::centre(*this);
        }
    }

private:
    bool m_placed = false;
};

// One queue for the whole process: the program has one user-interface thread.
Answers g_answers;

Answers& answers() { return g_answers; }
} // namespace

QMessageBox::StandardButton Modal::message(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                           const QString& text, QMessageBox::StandardButtons buttons)
{
    answers().shown.push_back({icon, caption, text});
    if (!answers().messages.empty()) {
        auto answer = answers().messages.front();
        answers().messages.pop_front();
        return answer;
    }
    if (nonInteractive()) {
        qWarning("unanswered message box: %s", qPrintable(text));
        return cancelButton(buttons);
    }
    CentredMessageBox box(icon, caption, text, buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int Modal::exec(QDialog& dialog)
{
    widenButtonsToTheirTexts(dialog);
    if (!answers().dialogs.empty()) {
        auto answer = std::move(answers().dialogs.front());
        answers().dialogs.pop_front();
        DialogPlacement::centreOnNextShow(dialog);
        dialog.show();
        const int result = answer(dialog);
        dialog.hide();
        dialog.setResult(result);
        return result;
    }
    if (nonInteractive()) {
        qWarning("unanswered dialog: %s", qPrintable(dialog.windowTitle()));
        dialog.setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    DialogPlacement::centreOnNextShow(dialog);
    return dialog.exec();
}

QString Modal::saveFileName(QWidget* owner, const QString& caption, const QString& startName, const QString& filter,
                            const QString& defaultSuffix)
{
    if (!answers().files.empty()) {
        QString name = answers().files.front();
        answers().files.pop_front();
        return name;
    }
    if (nonInteractive()) {
        qWarning("unanswered file dialog: %s", qPrintable(caption));
        return {};
    }
    QFileDialog dialog(owner, caption, startName, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    showFilterNamesAsWritten(dialog, filter);
    if (!startName.isEmpty())
        dialog.selectFile(startName);
    DialogPlacement::centreOnNextShow(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString Modal::folderName(QWidget* owner, const QString& caption, const QString& startFolder)
{
    if (!answers().files.empty()) {
        QString name = answers().files.front();
        answers().files.pop_front();
        return name;
    }
    if (nonInteractive()) {
        qWarning("unanswered file dialog: %s", qPrintable(caption));
        return {};
    }
    QFileDialog dialog(owner, caption, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    DialogPlacement::centreOnNextShow(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void Modal::setCancelUnanswered(bool on) { g_cancelUnanswered = on; }

void Modal::queueMessageAnswer(QMessageBox::StandardButton answer) { answers().messages.push_back(answer); }
void Modal::queueDialogAnswer(DialogAnswer answer) { answers().dialogs.push_back(std::move(answer)); }
void Modal::queueFileAnswer(const QString& fileName) { answers().files.push_back(fileName); }

bool Modal::hasQueuedAnswers()
{
    return !answers().messages.empty() || !answers().dialogs.empty() || !answers().files.empty();
}

void Modal::clearQueuedAnswers()
{
    answers().messages.clear();
    answers().dialogs.clear();
    answers().files.clear();
}

const std::deque<Modal::ShownMessage>& Modal::shownMessages() { return answers().shown; }
void Modal::clearShownMessages() { answers().shown.clear(); }

} // namespace widgets

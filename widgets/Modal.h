#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>

namespace widgets {

// Every modal dialog, message box and file chooser of the program runs through here, so
// that a test can queue the answers in advance and never waits for a click.
class Modal {
public:
    // What a queued answer does when its dialog comes up. For a QDialog the function may
    // fill the dialog's controls before the result is taken; it returns the dialog result.
    using DialogAnswer = std::function<int(QDialog&)>;

    static QMessageBox::StandardButton message(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    // Under setCancelUnanswered(true), an unanswered one counts as cancelled instead of waiting.
    static int exec(QDialog& dialog);
    // Returns the chosen file name, or an empty string when the user cancelled.
    static QString saveFileName(QWidget* owner, const QString& caption, const QString& startName,
                                const QString& filter, const QString& defaultSuffix);

    // Returns the chosen folder, or an empty string when the user cancelled. Answered from the
    // same queue as saveFileName().
    static QString folderName(QWidget* owner, const QString& caption, const QString& startFolder);

    // Test seam: answers are taken first in, first out; with none queued the real dialog runs.
    static void queueMessageAnswer(QMessageBox::StandardButton answer);
    static void queueDialogAnswer(DialogAnswer answer);
    static void queueFileAnswer(const QString& fileName);
    static bool hasQueuedAnswers();
    static void clearQueuedAnswers();
    // Test seam, for programs that run without anyone at the screen (the tests link it in
    // from tests/support): every dialog, message and file chooser without a queued answer
    // is cancelled at once instead of waiting for a click. The program never sets it.
    static void setCancelUnanswered(bool on);

    // Every message shown, caption and text, newest last (tests read it back).
    struct ShownMessage {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
    };
    static const std::deque<ShownMessage>& shownMessages();
    static void clearShownMessages();
};

} // namespace widgets

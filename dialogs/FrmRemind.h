#pragma once

#include <QDateTime>
#include <QDialog>
#include <array>
#include <functional>

class QDateEdit;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace dialogs {

class TimeOfDayEdit;

// What the note list hands to the reminder dialog: the note id and the note's text in a
// zero-terminated buffer of 1025 characters holding at most 1023 of them.
struct TRemindRec {
    static constexpr int kContentSize = 1025;
    static constexpr int kMaxContent = 1023;

    qint32 ClipId = 0;
    std::array<char16_t, kContentSize> Content{};

    // The text up to its first zero character.
    QString contentText() const;
};

// Fills a record with the note id and the first 1023 characters of the text; a character
// made of two UTF-16 units is never cut in half.
TRemindRec makeRemindRec(qint32 clipId, const QString& text);

// Stores a reminder: the note id, the text and the moment it is due.
using ReminderSaver = std::function<void(qint32 clipId, const QString& text, const QDateTime& when)>;

// "Remind Settings": when and what to remind of, for one note. OK saves inside its handler,
// through the saver the caller gave, and only for the present minute or one still to come.
class TFrmRemind : public QDialog {
    Q_OBJECT
public:
    TFrmRemind(QWidget* owner, ReminderSaver saver);

    // The picker values the dialog's layout keeps: not today, only "Now" sets today.
    static QDate initialDate() { return QDate(2003, 11, 25); }
    static QTime initialTime() { return QTime(0, 0, 13); }

    qint32 ClipId = 0;

    QGroupBox* GroupBox1 = nullptr;
    QDateEdit* dtRemind = nullptr;
    TimeOfDayEdit* tmRemind = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* memoRemind = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    void Button1Click();
    void btnOkClick();

    // The day of the date picker at the time of day of the time picker.
    QDateTime remindTime() const;

private:
    ReminderSaver m_saver;
};

// Opens the reminder dialog for the record, modally, and frees it when it closes.
void ShowRemindDialog(const TRemindRec& record, QWidget* owner, const ReminderSaver& saver);

} // namespace dialogs

#include "dialogs/FrmRemind.h"

#include "dialogs/DialogButtons.h"
#include "dialogs/ReminderSchedule.h"
#include "dialogs/TimeOfDayEdit.h"
#include "store/Clock.h"
#include "widgets/Modal.h"
#include "widgets/WrittenText.h"
#include "widgets/xp/XPPainter.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace dialogs {

QString TRemindRec::contentText() const
{
    qsizetype length = 0;
    while (length < kContentSize && Content[size_t(length)] != u'\0')
        ++length;
    return QString::fromUtf16(Content.data(), length);
}

TRemindRec makeRemindRec(qint32 clipId, const QString& text)
{
    TRemindRec record;
    record.ClipId = clipId;
    qsizetype length = std::min<qsizetype>(text.size(), TRemindRec::kMaxContent);
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    for (qsizetype i = 0; i < length; ++i)
        record.Content[size_t(i)] = text.at(i).unicode();
    return record;
}

TFrmRemind::TFrmRemind(QWidget* owner, ReminderSaver saver) : QDialog(owner), m_saver(std::move(saver))
{
    setObjectName(QStringLiteral("FrmRemind"));
    setWindowTitle(tr("Remind Settings"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(395, 270);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 4, 379, 225);

    auto* startAt = new QLabel(tr("Start at:"), GroupBox1);
    startAt->setGeometry(16, 14, 120, 16);

    dtRemind = new QDateEdit(GroupBox1);
    dtRemind->setObjectName(QStringLiteral("dtRemind"));
    dtRemind->setGeometry(16, 32, 120, 22);
    dtRemind->setCalendarPopup(true);
    dtRemind->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dtRemind->setDate(initialDate());

    tmRemind = new TimeOfDayEdit(GroupBox1);
    tmRemind->setObjectName(QStringLiteral("tmRemind"));
    tmRemind->setGeometry(144, 32, 80, 22);
    tmRemind->setTime(initialTime());

    Button1 = new QPushButton(tr("Now"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(232, 31, 75, 25);
    Button1->setAutoDefault(false);

    auto* textLabel = new QLabel(tr("Text to remind:   "), GroupBox1);
    textLabel->setGeometry(16, 66, 200, 16);

    memoRemind = new QPlainTextEdit(GroupBox1);
    memoRemind->setObjectName(QStringLiteral("memoRemind"));
    memoRemind->setGeometry(16, 86, 345, 121);
    memoRemind->setTabChangesFocus(true);
    widgets::showAsWritten(*memoRemind);
    textLabel->setBuddy(memoRemind);
    startAt->setBuddy(dtRemind);

    btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(228, 237, 75, 25);
    btnOk->setDefault(true);
    giveOkGlyph(btnOk);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(312, 237, 75, 25);
    btnCancel->setAutoDefault(false);
    giveCancelGlyph(btnCancel);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject); // Escape presses it too
    widgets::TXPPainter::attachTo(this);
}

QDateTime TFrmRemind::remindTime() const
{
    const QTime time = tmRemind->time();
    return QDateTime(dtRemind->date(), QTime(time.hour(), time.minute(), time.second()));
}

void TFrmRemind::Button1Click()
{
    const QDateTime now = store::Clock::now();
    dtRemind->setDate(now.date());
    tmRemind->setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
}

void TFrmRemind::btnOkClick()
{
    const QDateTime when = remindTime();
    // A minute already gone would be stored and never shown: say so, and let the user
    // correct it or cancel. The picker shows minutes, so a time in the present minute
    // (what "Now" gives) is now: it is stored and shows at once.
    if (reminderMinute(when) < reminderMinute(store::Clock::now())) {
        widgets::Modal::message(this, QMessageBox::Warning, windowTitle(),
                                tr("The time %1 has already passed. Choose a time in the future.")
                                    .arg(when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
        return;
    }
    if (m_saver)
        m_saver(ClipId, memoRemind->toPlainText(), when);
    accept(); // after a failed save too: its message has been shown
}

void ShowRemindDialog(const TRemindRec& record, QWidget* owner, const ReminderSaver& saver)
{
    TFrmRemind dialog(owner, saver);
    dialog.memoRemind->setPlainText(record.contentText());
    dialog.ClipId = record.ClipId;
    widgets::Modal::exec(dialog);
}

} // namespace dialogs

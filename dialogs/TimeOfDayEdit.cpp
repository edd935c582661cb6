#include "dialogs/TimeOfDayEdit.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace dialogs {

namespace {

const QRegularExpression kTyped(QStringLiteral("^(\\d{0,2}):?(\\d{0,2})$"));

} // namespace

TimeOfDayEdit::TimeOfDayEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setAccelerated(true);
    showTime();
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { takeTypedText(text); });
}

QString TimeOfDayEdit::displayText(const QTime& time)
{
    return QStringLiteral("%1:%2")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

void TimeOfDayEdit::setTime(const QTime& time)
{
    if (!time.isValid() || time == m_time)
        return;
    m_time = time;
    showTime();
    emit timeChanged(m_time);
}

void TimeOfDayEdit::showTime()
{
    const int cursor = lineEdit()->cursorPosition();
    lineEdit()->setText(displayText(m_time));
    lineEdit()->setCursorPosition(cursor);
}

bool TimeOfDayEdit::cursorInHour() const
{
    return lineEdit()->cursorPosition() <= 2;
}

void TimeOfDayEdit::stepBy(int steps)
{
    const bool hour = cursorInHour();
    QTime next;
    if (hour) {
        next = QTime((((m_time.hour() + steps) % 24) + 24) % 24, m_time.minute(), m_time.second(), m_time.msec());
    } else {
        // Minutes wrap within their hour, as the picker's sections do.
        next = QTime(m_time.hour(), (((m_time.minute() + steps) % 60) + 60) % 60, m_time.second(), m_time.msec());
    }
    setTime(next);
    if (hour)
        lineEdit()->setSelection(0, 2);
    else
        lineEdit()->setSelection(3, 2);
}

QValidator::State TimeOfDayEdit::validate(QString& input, int&) const
{
    const QRegularExpressionMatch match = kTyped.match(input);
    if (!match.hasMatch())
        return QValidator::Invalid;
    const QString hours = match.captured(1);
    const QString minutes = match.captured(2);
    if ((!hours.isEmpty() && hours.toInt() > 23) || (!minutes.isEmpty() && minutes.toInt() > 59))
        return QValidator::Invalid;
    if (hours.isEmpty() || minutes.size() != 2 || !input.contains(QLatin1Char(':')))
        return QValidator::Intermediate;
    return QValidator::Acceptable;
}

void TimeOfDayEdit::fixup(QString& input) const
{
    input = displayText(m_time);
}

void TimeOfDayEdit::takeTypedText(const QString& text)
{
    QString copy = text;
    int pos = 0;
    if (validate(copy, pos) != QValidator::Acceptable)
        return;
    const QRegularExpressionMatch match = kTyped.match(text);
    const QTime typed(match.captured(1).toInt(), match.captured(2).toInt(), m_time.second(), m_time.msec());
    if (typed != m_time) {
        m_time = typed;
        emit timeChanged(m_time);
    }
}

void TimeOfDayEdit::focusOutEvent(QFocusEvent* event)
{
    showTime(); // a half-typed text goes back to the value
    QAbstractSpinBox::focusOutEvent(event);
}

} // namespace dialogs

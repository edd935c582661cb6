#pragma once

#include <QAbstractSpinBox>
#include <QTime>

namespace dialogs {

// A time picker that shows "hh:mm" with the hour on the 12-hour clock and no AM/PM marker,
// as the reminder dialog's picker always has; the value keeps the whole time of day,
// seconds included. Typing an hour keeps the half of the day the value is in; the arrows
// step the section under the cursor, hours through all 24.
class TwelveHourTimeEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TwelveHourTimeEdit(QWidget* parent = nullptr);

    QTime time() const { return m_time; }
    void setTime(const QTime& time);

    static QString displayText(const QTime& time);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

signals:
    void timeChanged(const QTime& time);

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
    void focusOutEvent(QFocusEvent* event) override;

private:
    void takeTypedText(const QString& text);
    void showTime();
    bool cursorInHour() const;

    QTime m_time{0, 0};
};

} // namespace dialogs

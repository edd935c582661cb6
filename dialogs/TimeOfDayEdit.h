#pragma once

#include <QAbstractSpinBox>
#include <QTime>

namespace dialogs {

// A time picker that shows "HH:mm" on the 24-hour clock, so that every time of day can be
// typed and read without a marker for the half of the day; the value keeps the whole time
// of day, seconds included (they are not shown). The arrows step the section under the
// cursor.
class TimeOfDayEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TimeOfDayEdit(QWidget* parent = nullptr);

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

#pragma once

#include <QAbstractSpinBox>

// An edit of a whole number with up and down arrows, such as a year (1000 to 9999) or a month (1 to
// 12): its text is what the operator typed, up to as many digits as the maximum has, and stays so
// even when it is no number of the range ("13", "0", "" or a three-digit year), so that the window
// can refuse it instead of silently using another number. The arrows (buttons, keys, wheel) step
// the number shown within the range, without wrapping, and write it as plain digits.
class DigitsUpDown : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit DigitsUpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Shows the number as plain digits.
    void setValue(int value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int maxDigits() const;

    int m_minimum = 0;
    int m_maximum = 99;
};

#include "DigitsUpDown.h"

#include <QLineEdit>

DigitsUpDown::DigitsUpDown(QWidget* parent) : QAbstractSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setWrapping(false);
}

void DigitsUpDown::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void DigitsUpDown::setValue(int value)
{
    lineEdit()->setText(QString::number(qBound(m_minimum, value, m_maximum)));
}

int DigitsUpDown::maxDigits() const
{
    return int(QString::number(m_maximum).size());
}

// From the number shown, or from the end of the range the arrow points away from when the text is
// no number.
void DigitsUpDown::stepBy(int steps)
{
    bool number = false;
    const int shown = text().toInt(&number);
    const int from = number ? shown : steps > 0 ? m_minimum - 1 : m_maximum + 1;
    setValue(qBound(m_minimum, from + steps, m_maximum));
    selectAll();
}

QAbstractSpinBox::StepEnabled DigitsUpDown::stepEnabled() const
{
    bool number = false;
    const int shown = text().toInt(&number);
    if (!number)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (shown < m_maximum)
        enabled |= StepUpEnabled;
    if (shown > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

// Any digits up to the maximum's length, also none: the window judges the number.
QValidator::State DigitsUpDown::validate(QString& input, int&) const
{
    if (input.size() > maxDigits())
        return QValidator::Invalid;
    for (const QChar c : input)
        if (c < u'0' || c > u'9')
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

void DigitsUpDown::fixup(QString&) const {}

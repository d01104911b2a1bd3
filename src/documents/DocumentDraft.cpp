#include "DocumentDraft.h"

void DocumentDraft::addLine(TShangPinItem line)
{
    m_lines.append(line);
    m_paid = amount().yuan();
}

void DocumentDraft::removeLine(int index)
{
    if (index < 0 || index >= m_lines.size())
        return;
    m_lines.removeAt(index);
    m_paid = amount().yuan();
}

void DocumentDraft::clear()
{
    m_lines.clear();
    m_paid = 0;
}

int DocumentDraft::quantity() const
{
    int n = 0;
    for (const TShangPinItem& line : m_lines)
        n += line.shuliang;
    return n;
}

Money DocumentDraft::amount() const
{
    Money sum;
    for (const TShangPinItem& line : m_lines)
        sum += line.jinE;
    return sum;
}

Money DocumentDraft::owed() const
{
    return Money::fromYuan(amount().yuan() - m_paid);
}

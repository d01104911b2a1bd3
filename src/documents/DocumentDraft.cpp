#include "DocumentDraft.h"

void DocumentDraft::addLine(TShangPinItem line)
{
    m_lines.append(line);
    m_paid = amount().yuan();
}

int DocumentDraft::lineOf(const TShangPinItem& line) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const TShangPinItem& l = m_lines[i];
        if (l.PinPai == line.PinPai && l.chanpin == line.chanpin && l.guige == line.guige && l.danjia == line.danjia)
            return i;
    }
    return -1;
}

void DocumentDraft::addToLine(int index, const TShangPinItem& more)
{
    m_lines[index].shuliang += more.shuliang;
    m_lines[index].jinE += more.jinE;
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

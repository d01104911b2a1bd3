#pragma once

#include "Money.h"
#include "Records.h"

#include <QVector>

// The document being entered in a sales or purchase window: its lines as entered (positive
// figures), their totals and the amount paid, from which the amount owed follows. The window's
// line grid shows the lines; totals, the amount owed and the lines saved come from here, never
// from the grid's text.
class DocumentDraft {
public:
    // Adds a line. A new line counts the whole amount as paid.
    void addLine(TShangPinItem line);
    // The line of the same goods item at the same unit price, or -1.
    int lineOf(const TShangPinItem& line) const;
    // Adds the quantity and amount of `more` (the same goods item) to the line at index.
    void addToLine(int index, const TShangPinItem& more);
    // Removes the line at index (0 the first); a new total counts the whole amount as paid.
    void removeLine(int index);
    void clear();

    const QVector<TShangPinItem>& lines() const { return m_lines; }
    int quantity() const;
    // The sum of the lines' amounts, in cents.
    Money amount() const;

    // What the operator typed as paid (as typed: it may hold a part of a cent).
    void setPaid(double paid) { m_paid = paid; }
    double paid() const { return m_paid; }
    // The amount less what was paid, to the cent (halves away from zero).
    Money owed() const;

private:
    QVector<TShangPinItem> m_lines;
    double m_paid = 0;
};

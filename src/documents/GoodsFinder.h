#pragma once

#include "GoodsKey.h"

#include <QString>
#include <QVector>

class Database;

// Finds goods items by their model number (spec) as the operator types it or a barcode scanner
// sends it. The catalogue is read once; each search runs in memory. Matching ignores letter case
// and blanks, other signs count: "kfr 35" finds "KFR35GW" and "kfr35gw/a", "kfr-35" finds "KFR-35GW".
class GoodsFinder {
public:
    GoodsFinder() = default;
    explicit GoodsFinder(QVector<GoodsKey> items);

    // Every goods item of Log_KuCun, ordered by brand, product and spec.
    static GoodsFinder load(Database& db);

    int size() const { return int(m_items.size()); }

    // The goods items whose spec contains the text (blanks and case ignored), those whose whole
    // spec equals it first; at most `limit`. An empty text finds nothing.
    QVector<GoodsKey> find(const QString& text, int limit = 200) const;

    // The one goods item meant by a complete code (a scanned barcode or a typed model number):
    // the only item whose spec equals it, or else the only item whose spec contains it.
    // Nothing when none or several fit.
    bool pick(const QString& text, GoodsKey* found) const;

    // The form in which specs are compared: lower case, without blanks.
    static QString matchText(const QString& text);

private:
    QVector<GoodsKey> m_items;
    QVector<QString> m_keys;  // matchText of each item's spec
};

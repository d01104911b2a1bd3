#include "GoodsFinder.h"

#include "Database.h"

GoodsFinder::GoodsFinder(QVector<GoodsKey> items) : m_items(std::move(items))
{
    m_keys.reserve(m_items.size());
    for (const GoodsKey& g : m_items)
        m_keys.append(matchText(g.GuiGe));
}

GoodsFinder GoodsFinder::load(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("select PinPai,ChanPin,GuiGe from Log_KuCun order by PinPai,ChanPin,GuiGe"));
    QVector<GoodsKey> items;
    while (q.next())
        items.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    return GoodsFinder(std::move(items));
}

QString GoodsFinder::matchText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            out.append(c.toCaseFolded());
    return out;
}

QVector<GoodsKey> GoodsFinder::find(const QString& text, int limit) const
{
    const QString key = matchText(text);
    QVector<GoodsKey> exact;
    QVector<GoodsKey> partial;
    if (key.isEmpty())
        return exact;
    for (int i = 0; i < m_keys.size() && exact.size() < limit; ++i) {
        if (!m_keys[i].contains(key))
            continue;
        if (m_keys[i].size() == key.size())
            exact.append(m_items[i]);
        else if (partial.size() < limit)
            partial.append(m_items[i]);
    }
    exact += partial;
    if (exact.size() > limit)
        exact.resize(limit);
    return exact;
}

bool GoodsFinder::pick(const QString& text, GoodsKey* found) const
{
    const QString key = matchText(text);
    if (key.isEmpty())
        return false;
    int exact = -1, exactCount = 0, partial = -1, partialCount = 0;
    for (int i = 0; i < m_keys.size(); ++i) {
        if (!m_keys[i].contains(key))
            continue;
        if (m_keys[i].size() == key.size()) {
            exact = i;
            ++exactCount;
        } else {
            partial = i;
            ++partialCount;
        }
    }
    const int chosen = exactCount == 1 ? exact : exactCount == 0 && partialCount == 1 ? partial : -1;
    if (chosen < 0)
        return false;
    *found = m_items[chosen];
    return true;
}

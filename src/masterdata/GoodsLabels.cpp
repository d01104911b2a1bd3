#include "GoodsLabels.h"

#include "Database.h"
#include "DocumentSide.h"
#include "NumberText.h"

namespace GoodsLabels {

RowSet items(Database& db, const QString& PinPai, const QString& ChanPin, const QString& GuiGe)
{
    const QString sql = QStringLiteral(
        "select k.PinPai, k.ChanPin, k.GuiGe, "
        "(select x.danjia from Log_XiaoShou x where x.PinPai=k.PinPai and x.chanpin=k.ChanPin and x.guige=k.GuiGe "
        "and not (%1) order by x.in_date desc, x.autoid desc limit 1) as price, "
        "coalesce((select t.TiaoMa from Base_TiaoMa t where t.PinPai=k.PinPai and t.ChanPin=k.ChanPin "
        "and t.GuiGe=k.GuiGe order by t.autoid limit 1), k.GuiGe) as barcode "
        "from Log_KuCun k where k.PinPai=:PinPai and (coalesce(:ChanPin,'')='' or k.ChanPin=:ChanPin2) "
        "and (coalesce(:GuiGe,'')='' or k.GuiGe=:GuiGe2) order by k.autoid")
                            .arg(SalesSide().returnCondition(QStringLiteral("x.dh")));
    RowSet rows = SelectRows(db, sql,
                      {{QStringLiteral(":PinPai"), PinPai}, {QStringLiteral(":ChanPin"), ChanPin},
                       {QStringLiteral(":ChanPin2"), ChanPin}, {QStringLiteral(":GuiGe"), GuiGe},
                       {QStringLiteral(":GuiGe2"), GuiGe}});
    rows.columns << QStringLiteral("priceText");
    for (QVector<QVariant>& row : rows.rows)
        row << (row[3].isNull() ? QString() : QStringLiteral("￥") + FormatMoney(Money::fromYuan(row[3].toDouble())));
    return rows;
}

RowSet repeated(const RowSet& items)
{
    RowSet labels;
    labels.columns = items.columns;
    const int count = items.columnIndex(QStringLiteral("count"));
    for (const QVector<QVariant>& row : items.rows)
        for (int i = 0; i < (count < 0 ? 1 : row[count].toInt()); ++i)
            labels.rows.append(row);
    return labels;
}

}  // namespace GoodsLabels

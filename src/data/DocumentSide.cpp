#include "DocumentSide.h"

DanKind DocumentSide::kindOf(const QString& dh) const
{
    return dh.startsWith(prefix[1], Qt::CaseInsensitive) ? ReturnKind : ForwardKind;
}

QString DocumentSide::returnCondition(const QString& column) const
{
    // The prefixes are letters only: written into the text, they need no escaping.
    return QStringLiteral("%1 like '%2%'").arg(column, prefix[1]);
}

const DocumentSide& SideOf(AccountSide side)
{
    static const DocumentSide sales{AccountSide::Receivable,
                                    QStringLiteral("Log_XiaoShouDan"),
                                    QStringLiteral("Log_XiaoShou"),
                                    QStringLiteral("Log_SKGuoCheng"),
                                    QStringLiteral("KeHu"),
                                    {QStringLiteral("xs"), QStringLiteral("xt")},
                                    {QStringLiteral("销售"), QStringLiteral("销售退货")}};
    static const DocumentSide purchases{AccountSide::Payable,
                                        QStringLiteral("Log_CaiGouDan"),
                                        QStringLiteral("Log_CaiGou"),
                                        QStringLiteral("Log_FKGuoCheng"),
                                        QStringLiteral("GYS"),
                                        {QStringLiteral("cg"), QStringLiteral("ct")},
                                        {QStringLiteral("采购"), QStringLiteral("采购退货")}};
    return side == AccountSide::Receivable ? sales : purchases;
}

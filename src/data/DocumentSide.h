#pragma once

// The two sides of the trade documents: sales (sales and sales returns, owed by customers) and
// purchases (purchases and purchase returns, owed to suppliers). One descriptor per side holds
// what differs between them, so the routines over documents are written once.

#include "Records.h"

#include <QString>
#include <cstdint>

// Which side: receivables are the sales documents, payables the purchase documents.
enum class AccountSide : std::uint8_t { Receivable, Payable };

struct DocumentSide {
    AccountSide side;
    QString header;      // document headers: Log_XiaoShouDan, Log_CaiGouDan
    QString lines;       // document lines: Log_XiaoShou, Log_CaiGou
    QString history;     // part payments: Log_SKGuoCheng, Log_FKGuoCheng
    QString party;       // customer or supplier column of the header: KeHu, GYS
    QString prefix[2];   // number prefixes of the forward kind and of its return: "xs"/"xt", "cg"/"ct"
    QString caption[2];  // "销售"/"销售退货", "采购"/"采购退货"

    QString prefixOf(DanKind kind) const { return prefix[kind == ReturnKind ? 1 : 0]; }
    QString captionOf(DanKind kind) const { return caption[kind == ReturnKind ? 1 : 0]; }
    // The kind a stored number tells: a return when it begins with the return prefix (letter case
    // ignored), else the forward kind.
    DanKind kindOf(const QString& dh) const;
    // The SQL condition that the number column (as given) is of a return document.
    QString returnCondition(const QString& column) const;
};

const DocumentSide& SideOf(AccountSide side);
inline const DocumentSide& SalesSide() { return SideOf(AccountSide::Receivable); }
inline const DocumentSide& PurchaseSide() { return SideOf(AccountSide::Payable); }

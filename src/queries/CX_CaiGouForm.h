#pragma once

#include "DocumentQueryPage.h"

#include <QDialog>

class RefreshOffer;

// "采购查询" (kind 1) and "采购退货查询" (kind 2): the purchase documents (or returns) of a date
// range with the lines of the selected document, totals, deletion with its stock and cost
// reversal, and printouts of the list and the document.
class TCX_CaiGouForm : public QDialog {
    Q_OBJECT
public:
    explicit TCX_CaiGouForm(AppContext& context, QWidget* parent = nullptr);

    void SetQueryKind(DanKind kind);

    DocumentQueryPage* Page = nullptr;
    RefreshOffer* refreshOffer = nullptr;  // 数据已更新, 刷新

private:
    AppContext& m_ctx;
    DocumentBook m_book;
};

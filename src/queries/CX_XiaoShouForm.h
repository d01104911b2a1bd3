#pragma once

#include "DocumentQueryPage.h"

#include <QDialog>

class QTabWidget;
class RefreshOffer;

// "销售查询" (kind 1) and "销售退货查询" (kind 2): the sales documents (or returns) of a date
// range by journal and by customer name or phone, each page with the lines of the selected
// document, totals, deletion with the stock effect, and printouts of the list and the document.
class TCX_XiaoShouForm : public QDialog {
    Q_OBJECT
public:
    explicit TCX_XiaoShouForm(AppContext& context, QWidget* parent = nullptr);

    void SetQueryKind(DanKind kind);

    QTabWidget* pageTabs = nullptr;
    DocumentQueryPage* journalPage = nullptr;  // 按销售流水查询
    DocumentQueryPage* customerPage = nullptr;  // 按客户查询
    RefreshOffer* refreshOffer = nullptr;      // 数据已更新, 刷新

private:
    AppContext& m_ctx;
    DocumentBook m_book;
};

#pragma once

// What differs between the receivables side and the payables side of the accounts windows:
// captions, messages, object names and the columns of the document list.

#include "GridColumns.h"
#include "PartPayments.h"

#include <QString>
#include <QVector>

struct AccountTexts {
    QString formName;          // object name of the window
    QString caption;           // "销售应收款"
    QString partyList;         // header of the customer (supplier) list
    QString documentsGroup;    // "应收款销售单"
    QString linesGroup;        // "销售单明细"
    QString writeOff;          // "核消应收款"
    QString record;            // "冲减应收款": button and dialog caption
    QString history;           // "收款过程": button caption
    QString historyButton;     // object name of that button
    QString writeOffQuestion;  // "确定要核消当前此笔应收款吗?"
    QString reportTitle;       // "销售应收款报表"
    QVector<GridColumn> documentColumns;  // the document list (column 0 the narrow fixed one)
    QVector<GridColumn> lineColumns;      // the lines of the selected document

    // The receipt (payment) dialog and the history dialog.
    QString recordFormName;    // "CJYSKForm"
    QString dateLabel;         // "收款日期"
    QString amountLabel;       // "本次收款"
    QString amountMissing;     // "请输入此次收款金额!"
    QString historyFormName;   // "SKGCForm"
    QString historyCaption;    // "收款过程" ("还款过程" on the payables side)
    QVector<GridColumn> historyColumns;   // date and amount of each part payment
    QVector<GridColumn> ageingColumns;    // the ageing list
};

const AccountTexts& TextsOf(AccountSide side);

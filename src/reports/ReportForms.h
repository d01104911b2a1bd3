#pragma once

#include "ReportLayout.h"
#include "ReportPageSetup.h"

#include <QVector>

// The report forms of the system: the nineteen forms, the receipt slip and the customer's
// statement.
enum class ReportForm {
    XSDJ,        // sales or sales-return document
    CGDJ,        // purchase or purchase-return document
    CXXS,        // sales document list with lines
    CXCG,        // purchase document list with lines
    CXKC,        // stock list
    CXXSLR_XSD,  // profit by sales document, with lines
    CXXSLR_SP,   // profit by goods item
    CXXSLR_PP,   // profit by brand
    CXXSLR_CP,   // profit by product
    CXXSLR_GG,   // profit by spec
    CXXSLR_KH,   // profit by customer
    YGYJ,        // employee performance
    XSYSK,       // receivables, with lines
    CGYFK,       // payables, with lines
    CXKH,        // customer list
    CXGYS,       // supplier list
    CXYG,        // employee list
    CXSZ,        // income and expense list
    JieQun,      // monthly closing rows
    XSXP,        // receipt slip of a sale or sales return on a till roll
    KHDZD        // statement of one customer: open documents, receipts, balance
};

QVector<ReportForm> AllReportForms();

// The layout of a form; its name is the form's name ("TBB_XSDJForm").
const ReportLayout& ReportFormLayout(ReportForm form);

// The forms laid out as documents with lines (a master dataset and the lines of each row).
bool IsMasterDetailForm(ReportForm form);

// The memo of the sales document's page footer (the enterprise profile).
inline constexpr const char* ProfileMemo = "QRMemo1";

// The page of the receipt slip: a roll 80 or 58 mm wide (any other width counts as 80), as long
// as the slip with its number of lines when no text needs more than one line (BandedReport::
// layOutOnRoll gives the length the texts need).
ReportPageSetup ReceiptPageSetup(int rollWidthMm, int lineCount);

#pragma once

#include "ReportLayout.h"

// Descriptions of the report forms, built once by ReportFormLayout().

ReportLayout SalesDocumentLayout();
// The same with the document's number as a barcode at the right under the title.
ReportLayout SalesDocumentLayoutWithNumberBarcode();
ReportLayout PurchaseDocumentLayout();

ReportLayout SalesListLayout();
ReportLayout PurchaseListLayout();
ReportLayout ProfitByDocumentLayout();
ReportLayout ReceivablesLayout();
ReportLayout PayablesLayout();

ReportLayout StockListLayout();
ReportLayout ProfitByGoodsLayout();
ReportLayout ProfitByBrandLayout();
ReportLayout ProfitByProductLayout();
ReportLayout ProfitBySpecLayout();
ReportLayout ProfitByCustomerLayout();
ReportLayout EmployeePerformanceLayout();
ReportLayout CustomerListLayout();
ReportLayout SupplierListLayout();
ReportLayout EmployeeListLayout();
ReportLayout IncomeExpenseListLayout();
ReportLayout MonthlyClosingLayout();
ReportLayout ReceiptLayout();
ReportLayout StatementLayout();
// A goods item's price label: the fields PinPai, ChanPin, GuiGe, priceText and, as a barcode
// taking the rest of the label, barcode.
ReportLayout GoodsLabelLayout();

// Summary of the profit reports: cost, amount, profit and margin.
LayoutBand ProfitTotals();

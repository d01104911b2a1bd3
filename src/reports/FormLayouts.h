#pragma once

#include "ReportLayout.h"

// Descriptions of the report forms, built once by ReportFormLayout().

ReportLayout SalesDocumentLayout();
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

// Summary of the profit reports: cost, amount, profit and margin.
LayoutBand ProfitTotals();

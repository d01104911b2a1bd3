#pragma once

#include "PageModel.h"
#include "TableFile.h"

#include <QDialog>
#include <functional>

class PageView;
class QLabel;
class QToolBar;

// The modal preview of a laid-out report: page navigation, zoom, printing and export to PDF.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // failure is told the text of a failed export or print (the caller shows it).
    ReportPreviewDialog(PageModel model, std::function<void(const QString&)> failure,
                        QWidget* parent = nullptr);
    ~ReportPreviewDialog() override;

    const PageModel& model() const { return m_model; }
    PageView* previewWidget() const { return m_preview; }

    // Writes the report to the file; tells the failure callback when it cannot.
    bool exportPdf(const QString& path);

    // Offers the report's rows for export ("导出Excel…", "导出CSV…" on the tool bar and in the
    // context menu); they are made when they are exported.
    void offerRows(std::function<ExportTable()> rows);
    ExportTable rows() const { return m_rows ? m_rows() : ExportTable(); }

    // A page opens fitting the window's width, but never shown larger than this many times its
    // size on paper: a narrow till roll fitted to the width would show only a few of its lines.
    static constexpr double LargestOpeningZoom = 1.25;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void printReport();
    void choosePdfFile();
    void updatePageLabel();

    PageModel m_model;
    std::function<void(const QString&)> m_failure;
    PageView* m_preview = nullptr;
    QLabel* m_pageLabel = nullptr;
    QToolBar* m_bar = nullptr;
    QAction* m_pdfAction = nullptr;
    std::function<ExportTable()> m_rows;
    bool m_zoomChosen = false;
};

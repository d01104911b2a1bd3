#include "ReportPreviewDialog.h"

#include "PagePainter.h"
#include "PageView.h"
#include "ReportPrinting.h"
#include "TableExport.h"

#include <QFileDialog>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

ReportPreviewDialog::ReportPreviewDialog(PageModel model, std::function<void(const QString&)> failure,
                                         QWidget* parent)
    : QDialog(parent), m_model(std::move(model)), m_failure(std::move(failure))
{
    setWindowTitle(QStringLiteral("打印预览"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 760);

    m_preview = new PageView(m_model, this);
    connect(m_preview, &PageView::previewChanged, this, &ReportPreviewDialog::updatePageLabel);

    auto* bar = m_bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(QStringLiteral("打印"), this, &ReportPreviewDialog::printReport);
    m_pdfAction = bar->addAction(QStringLiteral("导出PDF"), this, &ReportPreviewDialog::choosePdfFile);
    bar->addSeparator();
    bar->addAction(QStringLiteral("首页"), this, [this] { m_preview->setCurrentPage(1); updatePageLabel(); });
    bar->addAction(QStringLiteral("上一页"), this, [this] {
        m_preview->setCurrentPage(m_preview->currentPage() - 1);
        updatePageLabel();
    });
    bar->addAction(QStringLiteral("下一页"), this, [this] {
        m_preview->setCurrentPage(m_preview->currentPage() + 1);
        updatePageLabel();
    });
    bar->addAction(QStringLiteral("末页"), this, [this] {
        m_preview->setCurrentPage(m_preview->pageCount());
        updatePageLabel();
    });
    m_pageLabel = new QLabel(bar);
    bar->addWidget(m_pageLabel);
    bar->addSeparator();
    bar->addAction(QStringLiteral("放大"), m_preview, [this] { m_preview->zoomIn(); });
    bar->addAction(QStringLiteral("缩小"), m_preview, [this] { m_preview->zoomOut(); });
    bar->addAction(QStringLiteral("适合宽度"), m_preview, &PageView::fitToWidth);
    bar->addAction(QStringLiteral("整页"), m_preview, &PageView::fitInView);
    bar->addSeparator();
    bar->addAction(QStringLiteral("关闭"), this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_preview, 1);
    m_preview->fitToWidth();
}

void ReportPreviewDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_zoomChosen)
        return;
    // The pages and the window's size are known once it shows.
    m_zoomChosen = true;
    m_preview->fitToWidth();
    if (m_preview->zoomFactor() > LargestOpeningZoom)
        m_preview->setZoomFactor(LargestOpeningZoom);
}

ReportPreviewDialog::~ReportPreviewDialog() = default;

void ReportPreviewDialog::offerRows(std::function<ExportTable()> rows)
{
    m_rows = std::move(rows);
    const QList<QAction*> actions = AddExportActions(this, [this] { return this->rows(); }, m_failure);
    const QList<QAction*> all = m_bar->actions();
    QAction* after = all.value(all.indexOf(m_pdfAction) + 1);
    m_bar->insertActions(after, actions);
}

void ReportPreviewDialog::updatePageLabel()
{
    m_pageLabel->setText(QStringLiteral(" 第 %1 页 / 共 %2 页 ")
                             .arg(m_preview->currentPage())
                             .arg(m_preview->pageCount()));
}

void ReportPreviewDialog::printReport()
{
    PrintWithDialog(m_model, this);
}

void ReportPreviewDialog::choosePdfFile()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出PDF"), QString(),
                                                QStringLiteral("PDF文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    exportPdf(path);
}

bool ReportPreviewDialog::exportPdf(const QString& path)
{
    QString error;
    if (WritePdf(m_model, path, &error))
        return true;
    if (m_failure)
        m_failure(QStringLiteral("导出PDF失败：") + error);
    return false;
}

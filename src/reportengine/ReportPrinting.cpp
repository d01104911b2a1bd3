#include "ReportPrinting.h"

#include "PagePainter.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

void SetUpPrinter(QPrinter& printer, const PageModel& model)
{
    printer.setFullPage(true);
    printer.setPageLayout(model.setup.pageLayout());
    printer.setFromTo(0, 0);
}

PageRange PrinterRange(const QPrinter& printer)
{
    PageRange range;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        range.first = printer.fromPage();
        range.last = printer.toPage();
    }
    // A printer that makes its copies itself is sent the pages once.
    range.copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    return range;
}

bool PrintPages(QPrinter& printer, const PageModel& model, QWidget* parent)
{
    const PageRange range = PrinterRange(printer);
    QProgressDialog progress(QStringLiteral("正在打印..."), QStringLiteral("取消"), 0,
                             model.pageCount(), parent);
    progress.setWindowTitle(QStringLiteral("打印"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const bool done = PaintPages(printer, model, [&](int page) {
        progress.setLabelText(QStringLiteral("正在打印第 %1 页，共 %2 页").arg(page).arg(model.pageCount()));
        progress.setValue(qMin(page - 1, model.pageCount()));
        QApplication::processEvents();
        if (progress.wasCanceled()) {
            printer.abort();
            return false;
        }
        return true;
    }, range);
    progress.setValue(model.pageCount());
    return done;
}

bool PrintWithDialog(const PageModel& model, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, model);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    dialog.setMinMax(1, model.pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintPages(printer, model, parent);
}

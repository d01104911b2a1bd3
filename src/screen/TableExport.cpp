#include "TableExport.h"

#include <QAction>
#include <QFileDialog>
#include <QHeaderView>

namespace {

ExportFailureReport& FailureReport()
{
    static ExportFailureReport report;
    return report;
}

void ReportFailure(QWidget* window, const QString& error)
{
    const QString text = QStringLiteral("导出失败: ") + error;
    if (FailureReport())
        FailureReport()(window, text);
    else
        qWarning("%s", qPrintable(text));
}

}  // namespace

void SetExportFailureReport(ExportFailureReport report)
{
    FailureReport() = std::move(report);
}

ExportTable GridExportTable(const StringGrid& grid)
{
    ExportTable t;
    QVector<int> cols;
    for (int c = 0; c < grid.colCount(); ++c) {
        const bool shown = c < grid.fixedCols() ? !grid.verticalHeader()->isHidden()
                                                : !grid.isColumnHidden(c - grid.fixedCols());
        if (!shown)
            continue;
        cols << c;
        t.header << grid.cell(c, 0);
        t.formats << grid.columnFormat(c);
        t.widths << (c < grid.fixedCols() ? grid.verticalHeader()->width() : grid.columnWidth(c - grid.fixedCols()));
    }
    for (int r = 1; r < grid.rowCount(); ++r) {
        QStringList row;
        bool any = false;
        for (int c : cols) {
            row << grid.cell(c, r);
            any = any || !row.last().isEmpty();
        }
        if (any)
            t.rows.append(std::move(row));
    }
    return t;
}

QList<QAction*> AddExportActions(QWidget* view, std::function<ExportTable()> table)
{
    QList<QAction*> actions;
    struct Kind {
        const char* caption;
        QKeySequence keys;
        const char* filter;
        const char* suffix;
        bool (*write)(const ExportTable&, const QString&, QString*);
    };
    const Kind kinds[] = {
        {"导出Excel…", QKeySequence(Qt::CTRL | Qt::Key_E), "Excel 工作簿 (*.xlsx)", ".xlsx", &WriteXlsx},
        {"导出CSV…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), "CSV 文件 (*.csv)", ".csv", &WriteCsv},
    };
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const Kind& k : kinds) {
        auto* action = new QAction(QString::fromUtf8(k.caption), view);
        action->setObjectName(k.write == &WriteXlsx ? QStringLiteral("ExportXlsxAction")
                                                    : QStringLiteral("ExportCsvAction"));
        action->setShortcut(k.keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view->addAction(action);
        actions << action;
        const QString filter = QString::fromUtf8(k.filter);
        const QString suffix = QLatin1String(k.suffix);
        QObject::connect(action, &QAction::triggered, view, [view, table, filter, suffix, write = k.write] {
            QString path = QFileDialog::getSaveFileName(view, QStringLiteral("导出"), QString(), filter, nullptr,
                                                        QFileDialog::DontUseNativeDialog);
            if (path.isEmpty())
                return;
            if (!path.endsWith(suffix, Qt::CaseInsensitive))
                path += suffix;
            QString error;
            if (!write(table(), path, &error))
                ReportFailure(view->window(), error);
        });
    }
    return actions;
}

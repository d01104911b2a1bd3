#include "ProfitTrendChart.h"

#include "SafeFile.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor AmountColor(0x3d, 0x7e, 0xc2);
const QColor ProfitColor(0xe0, 0x8a, 0x1e);
const QColor ValueColor(0x33, 0x33, 0x33);  // values beside the bars, on the chart's white

QChart* NewChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setMargins(QMargins(6, 6, 6, 6));
    return chart;
}

QChartView* NewView(QChart* chart, QWidget* parent, const char* name)
{
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

// Drops the series and axes of a chart before it is drawn again.
void Clear(QChart* chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// A value axis from the lowest to the highest figure, with 0 always in range.
QValueAxis* MoneyAxis(double low, double high)
{
    auto* axis = new QValueAxis;
    axis->setRange(std::min(0.0, low), std::max(high, 1.0));
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

QBarSet* NewSet(const QString& label, const QColor& color)
{
    auto* set = new QBarSet(label);
    set->setColor(color);
    set->setBorderColor(color.darker(120));
    return set;
}

}  // namespace

ProfitTrendChart::ProfitTrendChart(QWidget* parent) : QWidget(parent)
{
    m_months = NewChart(QStringLiteral("每月销售金额与利润"));
    m_top = NewChart(QString());
    MonthChartView = NewView(m_months, this, "MonthChartView");
    TopChartView = NewView(m_top, this, "TopChartView");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // Half the height each: the ten names need a line each beside their bars.
    layout->addWidget(MonthChartView, 1);
    layout->addWidget(TopChartView, 1);
}

void ProfitTrendChart::setFigures(const QVector<MonthProfit>& months, const QVector<RankedProfit>& top,
                                  const QString& rankingWord)
{
    m_hasFigures = !months.isEmpty();
    Clear(m_months);
    auto* amount = NewSet(QStringLiteral("销售金额"), AmountColor);
    auto* profit = NewSet(QStringLiteral("利润"), ProfitColor);
    QStringList categories;
    double low = 0, high = 0;
    for (const MonthProfit& m : months) {
        categories << m.month.toString(QStringLiteral("yyyy-MM"));
        *amount << m.amount;
        *profit << m.profit;
        low = std::min({low, m.amount, m.profit});
        high = std::max({high, m.amount, m.profit});
    }
    auto* series = new QBarSeries;
    series->append(amount);
    series->append(profit);
    m_months->addSeries(series);
    auto* monthAxis = new QBarCategoryAxis;
    monthAxis->append(categories);
    if (categories.size() > 12)
        monthAxis->setLabelsAngle(-90);
    m_months->addAxis(monthAxis, Qt::AlignBottom);
    QValueAxis* moneyAxis = MoneyAxis(low, high);
    m_months->addAxis(moneyAxis, Qt::AlignLeft);
    series->attachAxis(monthAxis);
    series->attachAxis(moneyAxis);

    // The highest profit at the top: a horizontal bar chart lists its categories from below.
    Clear(m_top);
    m_top->setTitle(QStringLiteral("利润前十的") + rankingWord);
    auto* ranked = NewSet(QStringLiteral("利润"), ProfitColor);
    ranked->setLabelColor(ValueColor);
    QStringList names;
    low = high = 0;
    for (auto it = top.crbegin(); it != top.crend(); ++it) {
        names << it->name;
        *ranked << it->profit;
        low = std::min(low, it->profit);
        high = std::max(high, it->profit);
    }
    // Each value beside the end of its bar, the axis long enough to leave it room; the names
    // beside the bars whole.
    auto* bars = new QHorizontalBarSeries;
    bars->append(ranked);
    bars->setLabelsVisible(true);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    bars->setLabelsFormat(QStringLiteral("@value"));
    m_top->addSeries(bars);
    m_top->legend()->hide();
    auto* nameAxis = new QBarCategoryAxis;
    nameAxis->append(names);
    nameAxis->setTruncateLabels(false);
    m_top->addAxis(nameAxis, Qt::AlignLeft);
    const double room = (high - low) * 0.2;
    QValueAxis* profitAxis = MoneyAxis(low < 0 ? low - room : low, high > 0 ? high + room : high);
    m_top->addAxis(profitAxis, Qt::AlignBottom);
    bars->attachAxis(nameAxis);
    bars->attachAxis(profitAxis);
}

void ProfitTrendChart::paint(QPainter& painter, const QRectF& area) const
{
    const qreal split = area.height() / 2;
    MonthChartView->render(&painter, QRectF(area.topLeft(), QSizeF(area.width(), split)));
    TopChartView->render(&painter, QRectF(area.left(), area.top() + split, area.width(), area.height() - split));
}

QImage ProfitTrendChart::picture(const QSize& size) const
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

bool ProfitTrendChart::exportPng(const QString& path, QString* error) const
{
    SafeFile file(path);
    if (file.open() && !picture().save(&file, "PNG"))
        file.fail(QStringLiteral("无法生成图片"));
    if (file.commit())
        return true;
    if (error)
        *error = file.errorText();
    return false;
}

namespace {

void SetUpChartPrinter(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

void PrintOn(const ProfitTrendChart& chart, QPrinter& printer)
{
    // The painter's origin is the corner of the printable area inside the margins.
    QPainter painter(&printer);
    chart.paint(painter, QRectF(QPointF(0, 0), QSizeF(printer.pageLayout().paintRectPixels(printer.resolution()).size())));
}

}  // namespace

bool ProfitTrendChart::print(QWidget* parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpChartPrinter(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    PrintOn(*this, printer);
    return printer.printerState() != QPrinter::Error;
}

void ProfitTrendChart::preview(QWidget* parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpChartPrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this](QPrinter* p) { PrintOn(*this, *p); });
    dialog.exec();
}

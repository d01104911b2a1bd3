#pragma once

#include "ProfitTrend.h"

#include <QWidget>

class QChart;
class QChartView;
class QPainter;

// The trend page's two charts: sales amount and profit per month, above the ten brands (or
// products) with the highest profit. The charts export as a picture and print on one
// landscape page.
class ProfitTrendChart : public QWidget {
    Q_OBJECT
public:
    explicit ProfitTrendChart(QWidget* parent = nullptr);

    // rankingWord names what the second chart ranks: "品牌" or "产品".
    void setFigures(const QVector<MonthProfit>& months, const QVector<RankedProfit>& top, const QString& rankingWord);

    // True once figures of at least one month are shown.
    bool hasFigures() const { return m_hasFigures; }

    // Both charts drawn into area, the month chart above.
    void paint(QPainter& painter, const QRectF& area) const;
    // Both charts as a picture of the given size on white.
    QImage picture(const QSize& size = {1600, 1200}) const;
    // Writes the picture as a PNG file (SafeFile: no partial file is left). False, with the reason
    // in *error, when it cannot be written.
    bool exportPng(const QString& path, QString* error = nullptr) const;
    // The print dialog, then the charts on one landscape page; false when cancelled or failed.
    bool print(QWidget* parent) const;
    // The print preview of that page (modal).
    void preview(QWidget* parent) const;

    QChartView* MonthChartView = nullptr;
    QChartView* TopChartView = nullptr;

private:
    QChart* m_months = nullptr;
    QChart* m_top = nullptr;
    bool m_hasFigures = false;
};

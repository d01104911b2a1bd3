#pragma once

#include "PageModel.h"

#include <QAbstractScrollArea>

// The pages of a report one below the other, as the preview shows them. Only the pages in view
// are painted, each time they come into view, straight from the page model: a report of
// thousands of pages opens as fast as one of a single page. The pages are painted as on paper
// (at a printer's resolution, scaled to the zoom), so the preview shows what is printed.
class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The model is not copied: it must outlive the view.
    explicit PageView(const PageModel& model, QWidget* parent = nullptr);

    int pageCount() const { return m_model.pageCount(); }
    // The page taking up most of the view, or the one last gone to (numbered from 1; 0 without
    // pages).
    int currentPage() const { return m_current; }
    // Scrolls the page (clamped to the pages there are) to the top of the view, as far as it goes.
    void setCurrentPage(int page);

    // 1 shows the paper at its size on the screen.
    double zoomFactor() const { return m_zoom; }
    void setZoomFactor(double zoom);
    void zoomIn(double factor = 1.1) { setZoomFactor(m_zoom * factor); }
    void zoomOut(double factor = 1.1) { setZoomFactor(m_zoom / factor); }
    // The page's width across the view, kept so as the view is resized until the zoom is set.
    void fitToWidth();
    // A whole page in view, kept so as the view is resized until the zoom is set.
    void fitInView();

    // Where a page (numbered from 1) is shown, in the coordinates of the viewport.
    QRect pageRect(int page) const;

    // The room around each page, in pixels, and the bounds of the zoom.
    static constexpr int Gap = 10;
    static constexpr double SmallestZoom = 0.05, LargestZoom = 10;

signals:
    // The current page or the zoom changed.
    void previewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class Fit { Width, View, None };
    QSize pageSize() const;
    void applyZoom(double zoom);
    void refit();
    void updateScrollBars();
    int pageMostInView() const;
    void noteCurrentPage(int page);

    const PageModel& m_model;
    double m_zoom = 1;
    Fit m_fit = Fit::Width;
    int m_current = 0;
};

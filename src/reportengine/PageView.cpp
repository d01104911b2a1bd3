#include "PageView.h"

#include "PagePainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {

// The resolution the pages are painted at before they are scaled to the zoom: a printer's, so
// that texts are fitted to their cells as on paper.
constexpr double PaintedPixelsPerMm = 600 / 25.4;

}  // namespace

PageView::PageView(const PageModel& model, QWidget* parent) : QAbstractScrollArea(parent), m_model(model)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    m_current = pageCount() > 0 ? 1 : 0;
    refit();
}

QSize PageView::pageSize() const
{
    const double pixelsPerMm = m_zoom * logicalDpiY() / 25.4;
    const QSizeF mm = m_model.setup.pageSizeMm();
    return QSize(std::max(1, qRound(mm.width() * pixelsPerMm)), std::max(1, qRound(mm.height() * pixelsPerMm)));
}

QRect PageView::pageRect(int page) const
{
    const QSize size = pageSize();
    const int contentWidth = size.width() + 2 * Gap;
    const int left = contentWidth < viewport()->width() ? (viewport()->width() - size.width()) / 2
                                                        : Gap - horizontalScrollBar()->value();
    const qint64 top = Gap + qint64(page - 1) * (size.height() + Gap) - verticalScrollBar()->value();
    return QRect(QPoint(left, int(top)), size);
}

int PageView::pageMostInView() const
{
    // The page with the largest part in view, the first of equals.
    const QRect view = viewport()->rect();
    const int step = pageSize().height() + Gap;
    const int first = std::clamp(verticalScrollBar()->value() / step + 1, 1, std::max(1, pageCount()));
    int best = pageCount() > 0 ? first : 0, bestArea = -1;
    for (int p = first; p <= pageCount(); ++p) {
        const QRect shown = pageRect(p) & view;
        if (pageRect(p).top() > view.bottom())
            break;
        const int area = shown.isEmpty() ? 0 : shown.width() * shown.height();
        if (area > bestArea) {
            bestArea = area;
            best = p;
        }
    }
    return best;
}

void PageView::setCurrentPage(int page)
{
    if (pageCount() == 0)
        return;
    page = std::clamp(page, 1, pageCount());
    verticalScrollBar()->setValue((page - 1) * (pageSize().height() + Gap));
    noteCurrentPage(page);
}

void PageView::setZoomFactor(double zoom)
{
    m_fit = Fit::None;
    applyZoom(zoom);
}

void PageView::fitToWidth()
{
    m_fit = Fit::Width;
    refit();
}

void PageView::fitInView()
{
    m_fit = Fit::View;
    refit();
}

void PageView::refit()
{
    const QSizeF mm = m_model.setup.pageSizeMm();
    const double perZoom = logicalDpiY() / 25.4;  // pixels per millimetre at zoom 1
    const QSize room = viewport()->size() - QSize(2 * Gap, 2 * Gap);
    double zoom = m_zoom;
    if (m_fit == Fit::Width || m_fit == Fit::View)
        zoom = room.width() / (mm.width() * perZoom);
    if (m_fit == Fit::View)
        zoom = std::min(zoom, room.height() / (mm.height() * perZoom));
    applyZoom(zoom);
}

void PageView::applyZoom(double zoom)
{
    zoom = std::clamp(zoom, SmallestZoom, LargestZoom);
    // The page at the top of the view stays there, as far down it as before.
    const int oldStep = pageSize().height() + Gap;
    const double within = double(verticalScrollBar()->value()) / oldStep;
    m_zoom = zoom;
    updateScrollBars();
    verticalScrollBar()->setValue(int(std::lround(within * (pageSize().height() + Gap))));
    viewport()->update();
    emit previewChanged();
}

void PageView::updateScrollBars()
{
    const QSize size = pageSize();
    const QSize view = viewport()->size();
    const qint64 height = Gap + qint64(pageCount()) * (size.height() + Gap);
    verticalScrollBar()->setRange(0, int(std::clamp<qint64>(height - view.height(), 0, INT_MAX)));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(std::max(1, size.height() / 20));
    horizontalScrollBar()->setRange(0, std::max(0, size.width() + 2 * Gap - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(std::max(1, size.width() / 20));
}

void PageView::noteCurrentPage(int page)
{
    if (page == m_current)
        return;
    m_current = page;
    emit previewChanged();
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_fit == Fit::None)
        updateScrollBars();
    else
        refit();
}

void PageView::scrollContentsBy(int, int)
{
    viewport()->update();
    noteCurrentPage(pageMostInView());
}

void PageView::paintEvent(QPaintEvent* event)
{
    if (pageCount() == 0)
        return;
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    const int step = pageSize().height() + Gap;
    const int first = std::max(1, verticalScrollBar()->value() / step);
    const double scale = m_zoom * logicalDpiY() / 25.4 / PaintedPixelsPerMm;
    for (int p = first; p <= pageCount(); ++p) {
        const QRect page = pageRect(p);
        if (page.top() > dirty.bottom())
            break;
        if (!page.adjusted(0, 0, 3, 3).intersects(dirty))
            continue;
        painter.fillRect(page.translated(3, 3), palette().shadow());
        painter.fillRect(page, Qt::white);
        painter.save();
        painter.setClipRect(page & dirty);
        painter.translate(page.topLeft());
        painter.scale(scale, scale);
        PaintPage(painter, m_model.pages[p - 1], PaintedPixelsPerMm);
        painter.restore();
    }
}

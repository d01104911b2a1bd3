// Draws the background picture of the main window: a bright appliance showroom with a
// refrigerator, a washing machine, a television, an air conditioner, a microwave oven and a
// tower fan on a polished floor. Usage: make_background OUTPUT.jpg
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int W = 1600;
constexpr int H = 1000;
constexpr int Floor = 760;

QLinearGradient Vertical(qreal y0, qreal y1, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QLinearGradient Horizontal(qreal x0, qreal x1, const QColor& a, const QColor& b)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, a);
    g.setColorAt(0.5, b);
    g.setColorAt(1, a);
    return g;
}

void Body(QPainter& p, const QRectF& r, const QBrush& fill, qreal radius = 12)
{
    p.setPen(QPen(QColor(120, 135, 150), 2));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void Room(QPainter& p)
{
    p.fillRect(0, 0, W, Floor, Vertical(0, Floor, QColor(236, 244, 252), QColor(200, 220, 240)));
    // light falling in from the windows
    for (int i = 0; i < 4; ++i) {
        QPainterPath beam;
        const qreal x = 120 + i * 380;
        beam.moveTo(x, 0);
        beam.lineTo(x + 150, 0);
        beam.lineTo(x + 420, Floor);
        beam.lineTo(x + 200, Floor);
        p.fillPath(beam, QColor(255, 255, 255, 40));
    }
    // wall rail
    p.fillRect(0, Floor - 230, W, 6, QColor(170, 190, 212));
    p.fillRect(0, Floor, W, H - Floor, Vertical(Floor, H, QColor(222, 214, 202), QColor(186, 175, 160)));
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    for (int x = -400; x < W + 400; x += 160)
        p.drawLine(QPointF(x, Floor), QPointF(x + (x - W / 2) * 0.6, H));
    p.drawLine(0, Floor + 80, W, Floor + 80);
    p.drawLine(0, Floor + 180, W, Floor + 180);
}

void Refrigerator(QPainter& p, qreal x)
{
    const QRectF r(x, Floor - 480, 240, 480);
    Body(p, r, Horizontal(r.left(), r.right(), QColor(190, 198, 208), QColor(245, 248, 252)), 16);
    p.setPen(QPen(QColor(120, 135, 150), 2));
    p.drawLine(QPointF(r.center().x(), r.top() + 4), QPointF(r.center().x(), r.bottom() - 24));
    p.drawLine(QPointF(r.left(), r.bottom() - 24), QPointF(r.right(), r.bottom() - 24));
    p.setBrush(QColor(150, 160, 172));
    p.drawRoundedRect(QRectF(r.center().x() - 16, r.top() + 150, 8, 140), 4, 4);
    p.drawRoundedRect(QRectF(r.center().x() + 8, r.top() + 150, 8, 140), 4, 4);
    // display
    p.setBrush(QColor(40, 80, 120));
    p.drawRoundedRect(QRectF(r.left() + 30, r.top() + 60, 60, 34), 5, 5);
    p.setPen(QColor(120, 220, 255));
    p.drawLine(QPointF(r.left() + 40, r.top() + 77), QPointF(r.left() + 80, r.top() + 77));
}

void Washer(QPainter& p, qreal x)
{
    const QRectF r(x, Floor - 250, 220, 250);
    Body(p, r, Vertical(r.top(), r.bottom(), QColor(252, 253, 255), QColor(214, 222, 232)));
    p.setPen(QPen(QColor(120, 135, 150), 2));
    p.drawLine(QPointF(r.left(), r.top() + 46), QPointF(r.right(), r.top() + 46));
    p.setBrush(QColor(60, 110, 170));
    p.drawEllipse(QPointF(r.right() - 36, r.top() + 23), 13, 13);
    p.setBrush(QColor(90, 200, 240));
    p.drawRoundedRect(QRectF(r.left() + 20, r.top() + 14, 70, 18), 4, 4);
    const QPointF c(r.center().x(), r.top() + 146);
    p.setBrush(QColor(180, 190, 202));
    p.drawEllipse(c, 82, 82);
    QRadialGradient glass(c - QPointF(20, 24), 90);
    glass.setColorAt(0, QColor(190, 230, 250));
    glass.setColorAt(1, QColor(40, 100, 160));
    p.setBrush(glass);
    p.drawEllipse(c, 64, 64);
    p.setPen(QPen(QColor(255, 255, 255, 150), 5));
    p.drawArc(QRectF(c.x() - 48, c.y() - 48, 96, 96), 100 * 16, 60 * 16);
}

void Television(QPainter& p, qreal x)
{
    const QRectF cabinet(x, Floor - 100, 470, 100);
    Body(p, cabinet, Vertical(cabinet.top(), cabinet.bottom(), QColor(176, 128, 84), QColor(130, 90, 56)), 6);
    p.setPen(QPen(QColor(96, 64, 38), 2));
    p.drawLine(QPointF(cabinet.center().x(), cabinet.top() + 12), QPointF(cabinet.center().x(), cabinet.bottom() - 12));
    const QRectF stand(x + 205, Floor - 128, 60, 28);
    p.setBrush(QColor(60, 64, 72));
    p.drawRect(stand);
    const QRectF tv(x + 15, Floor - 410, 440, 285);
    p.setPen(QPen(QColor(30, 32, 38), 2));
    p.setBrush(QColor(34, 36, 42));
    p.drawRoundedRect(tv, 8, 8);
    const QRectF screen = tv.adjusted(12, 12, -12, -22);
    QLinearGradient g(screen.topLeft(), screen.bottomRight());
    g.setColorAt(0, QColor(30, 120, 200));
    g.setColorAt(0.55, QColor(60, 190, 210));
    g.setColorAt(1, QColor(250, 200, 120));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRect(screen);
    // hills on the screen
    QPainterPath hills;
    hills.moveTo(screen.bottomLeft());
    hills.cubicTo(screen.left() + 120, screen.bottom() - 120, screen.left() + 220, screen.bottom() - 20,
                  screen.left() + 300, screen.bottom() - 90);
    hills.cubicTo(screen.left() + 350, screen.bottom() - 130, screen.right() - 20, screen.bottom() - 60,
                  screen.right(), screen.bottom() - 80);
    hills.lineTo(screen.bottomRight());
    hills.closeSubpath();
    p.fillPath(hills, QColor(30, 110, 90, 200));
    QPainterPath shine;
    shine.moveTo(screen.topLeft());
    shine.lineTo(screen.left() + 180, screen.top());
    shine.lineTo(screen.left(), screen.top() + 140);
    shine.closeSubpath();
    p.fillPath(shine, QColor(255, 255, 255, 45));
}

void AirConditioner(QPainter& p, qreal x, qreal y)
{
    const QRectF r(x, y, 400, 116);
    Body(p, r, Vertical(r.top(), r.bottom(), QColor(255, 255, 255), QColor(222, 230, 238)), 22);
    p.setPen(QPen(QColor(150, 165, 180), 2));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(r.left() + 30, r.bottom() - 30 + i * 6), QPointF(r.right() - 30, r.bottom() - 30 + i * 6));
    p.setBrush(QColor(70, 200, 120));
    p.drawEllipse(QPointF(r.right() - 40, r.top() + 30), 5, 5);
    // cool air
    p.setPen(QPen(QColor(110, 170, 230, 160), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave;
        const qreal wx = r.left() + 90 + i * 110;
        wave.moveTo(wx, r.bottom() + 12);
        wave.cubicTo(wx - 18, r.bottom() + 26, wx + 18, r.bottom() + 42, wx, r.bottom() + 56);
        p.drawPath(wave);
    }
}

void Microwave(QPainter& p, qreal x)
{
    const QRectF table(x - 20, Floor - 150, 300, 150);
    p.setPen(QPen(QColor(120, 120, 120), 2));
    p.setBrush(QColor(236, 232, 226));
    p.drawRect(QRectF(table.left(), table.top(), table.width(), 18));
    p.drawRect(QRectF(table.left() + 14, table.top() + 18, 14, table.height() - 18));
    p.drawRect(QRectF(table.right() - 28, table.top() + 18, 14, table.height() - 18));
    const QRectF r(x, table.top() - 150, 260, 150);
    Body(p, r, Vertical(r.top(), r.bottom(), QColor(70, 74, 82), QColor(40, 42, 48)), 10);
    const QRectF door = r.adjusted(16, 16, -80, -16);
    QLinearGradient g(door.topLeft(), door.bottomRight());
    g.setColorAt(0, QColor(90, 100, 112));
    g.setColorAt(1, QColor(20, 22, 26));
    p.setBrush(g);
    p.drawRoundedRect(door, 6, 6);
    p.setBrush(QColor(90, 200, 240));
    p.drawRoundedRect(QRectF(r.right() - 64, r.top() + 20, 48, 18), 3, 3);
    p.setBrush(QColor(200, 205, 212));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(r.right() - 40, r.top() + 62 + i * 26), 9, 9);
}

void TowerFan(QPainter& p, qreal x)
{
    const QRectF r(x, Floor - 440, 110, 420);
    Body(p, r, Horizontal(r.left(), r.right(), QColor(200, 208, 218), QColor(252, 252, 255)), 50);
    p.setPen(QPen(QColor(150, 165, 180), 2));
    for (int y = int(r.top()) + 70; y < r.bottom() - 60; y += 14)
        p.drawLine(QPointF(r.left() + 28, y), QPointF(r.right() - 28, y));
    p.setBrush(QColor(110, 120, 134));
    p.drawEllipse(QRectF(r.left() - 20, Floor - 26, r.width() + 40, 26));
}

// A faded mirror image of the area above the floor, as on a polished showroom floor.
void Reflection(QImage& img)
{
    const int depth = 170;
    QImage above = img.copy(0, Floor - depth, W, depth).mirrored(false, true);
    QPainter p(&img);
    QImage mask(above.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter m(&mask);
        m.drawImage(0, 0, above);
        m.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        m.fillRect(mask.rect(), Vertical(0, depth, QColor(0, 0, 0, 70), QColor(0, 0, 0, 0)));
    }
    p.drawImage(0, Floor, mask);
}

void Wordmark(QPainter& p)
{
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(54);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(29, 78, 137, 70));
    p.drawText(QRectF(60, 40, 900, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("晴岚家电"));
    f.setPixelSize(26);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(64, 112, 900, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("品质家电 · 用心服务"));
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QImage img(W, H, QImage::Format_RGB32);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        Room(p);
        Wordmark(p);
        AirConditioner(p, 640, 170);
        Refrigerator(p, 150);
        Washer(p, 420);
        Television(p, 690);
        Microwave(p, 1210);
        TowerFan(p, 1500 - 40);
    }
    Reflection(img);
    return img.save(QString::fromLocal8Bit(argv[1]), "JPG", 88) ? 0 : 1;
}

// Draws the pictures of the picture buttons into resources/buttons/*.png. Run once when a picture
// changes; the build uses the committed files. Each picture is 32 x 32 on a solid key colour: the key is
// the picture's transparent colour and the colour of the 2-pixel frame around a button face.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

const QColor Key(64, 96, 160);
const QColor Blend(212, 208, 200); // half-covered edge pixels are laid on a neutral face colour

using Drawer = std::function<void(QPainter &)>;

QImage Render(const Drawer &draw)
{
    QImage art(32, 32, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    QImage out(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor c = art.pixelColor(x, y);
            if (c.alpha() < 100) {
                out.setPixelColor(x, y, Key);
                continue;
            }
            const double a = c.alphaF();
            out.setPixelColor(x, y,
                              QColor(int(c.red() * a + Blend.red() * (1 - a)),
                                     int(c.green() * a + Blend.green() * (1 - a)),
                                     int(c.blue() * a + Blend.blue() * (1 - a))));
        }
    }
    return out;
}

void Folder(QPainter &p, bool open)
{
    p.setPen(QPen(QColor(120, 80, 0), 1.5));
    p.setBrush(QColor(240, 200, 60));
    p.drawRect(QRectF(3, 8, 24, 19));
    p.drawRect(QRectF(3, 5, 10, 4));
    if (open) {
        QPainterPath flap;
        flap.moveTo(7, 13);
        flap.lineTo(30, 13);
        flap.lineTo(26, 27);
        flap.lineTo(3, 27);
        flap.closeSubpath();
        p.setBrush(QColor(255, 225, 110));
        p.drawPath(flap);
    }
}

void Document(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(20, 3);
    page.lineTo(26, 9);
    page.lineTo(26, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.drawPath(page);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int y = 12; y <= 24; y += 4)
        p.drawLine(10, y, 23, y);
}

void ArrowRight(QPainter &p, const QColor &colour, qreal dx, qreal dy, qreal scale)
{
    QPainterPath arrow;
    arrow.moveTo(dx + 0 * scale, dy + 5 * scale);
    arrow.lineTo(dx + 10 * scale, dy + 5 * scale);
    arrow.lineTo(dx + 10 * scale, dy + 0 * scale);
    arrow.lineTo(dx + 18 * scale, dy + 9 * scale);
    arrow.lineTo(dx + 10 * scale, dy + 18 * scale);
    arrow.lineTo(dx + 10 * scale, dy + 13 * scale);
    arrow.lineTo(dx + 0 * scale, dy + 13 * scale);
    arrow.closeSubpath();
    p.setPen(QPen(colour.darker(160), 1.2));
    p.setBrush(colour);
    p.drawPath(arrow);
}

void Cross(QPainter &p)
{
    p.setPen(QPen(QColor(200, 20, 20), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(7, 7, 25, 25);
    p.drawLine(25, 7, 7, 25);
}

void Check(QPainter &p)
{
    p.setPen(QPen(QColor(20, 150, 30), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(5, 17), QPointF(13, 25), QPointF(27, 7)}));
}

void Printer(QPainter &p)
{
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 10));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(11, 23, 21, 23);
    p.drawLine(11, 26, 21, 26);
    p.setBrush(QColor(40, 200, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(24, 14, 3, 3));
}

void Card(QPainter &p)
{
    QPainterPath card;
    card.moveTo(14, 10);
    card.lineTo(24, 10);
    card.lineTo(29, 15);
    card.lineTo(29, 30);
    card.lineTo(14, 30);
    card.closeSubpath();
    p.setPen(QPen(QColor(30, 30, 60), 1.5));
    p.setBrush(QColor(70, 70, 90));
    p.drawPath(card);
    p.setBrush(QColor(230, 190, 60));
    p.setPen(Qt::NoPen);
    for (int x = 17; x <= 26; x += 3)
        p.drawRect(QRectF(x, 12, 2, 4));
    ArrowRight(p, QColor(30, 170, 40), 1, 13, 0.8);
}

void Floppy(QPainter &p)
{
    p.setPen(QPen(QColor(20, 30, 70), 1.5));
    p.setBrush(QColor(50, 80, 170));
    QPainterPath body;
    body.moveTo(3, 3);
    body.lineTo(25, 3);
    body.lineTo(29, 7);
    body.lineTo(29, 29);
    body.lineTo(3, 29);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(8, 3, 15, 9));
    p.setBrush(QColor(50, 80, 170));
    p.drawRect(QRectF(18, 5, 3, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 17, 18, 12));
}

void Antenna(QPainter &p)
{
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(80, 80, 90));
    p.drawRoundedRect(QRectF(10, 12, 12, 18), 2, 2);
    p.drawLine(19, 12, 19, 3);
    p.setPen(QPen(QColor(220, 120, 0), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(21, 1, 8, 8), -60 * 16, 120 * 16);
    p.drawArc(QRectF(21, -2, 12, 14), -60 * 16, 120 * 16);
}

void Reset(QPainter &p)
{
    p.setPen(QPen(QColor(20, 110, 200), 4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 100 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 110, 200));
    p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(18, 7), QPointF(9, 13)}));
}

void Gear(QPainter &p)
{
    QPainterPath gear;
    const QPointF c(16, 16);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(i * 45);
        gear.addPolygon(
            t.map(QPolygonF({QPointF(-3, -14), QPointF(3, -14), QPointF(4, -8), QPointF(-4, -8)})));
    }
    gear.addEllipse(c, 10, 10);
    gear.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(60, 60, 70), 1.2));
    p.setBrush(QColor(150, 155, 170));
    p.drawPath(gear.simplified());
    p.setBrush(Qt::white);
    p.drawEllipse(c, 4, 4);
}

void Pencil(QPainter &p)
{
    p.translate(16, 16);
    p.rotate(45);
    p.setPen(QPen(QColor(60, 40, 10), 1.2));
    p.setBrush(QColor(240, 190, 40));
    p.drawRect(QRectF(-4, -14, 8, 20));
    p.setBrush(QColor(240, 150, 150));
    p.drawRect(QRectF(-4, -16, 8, 3));
    p.setBrush(QColor(240, 220, 180));
    p.drawPolygon(QPolygonF({QPointF(-4, 6), QPointF(4, 6), QPointF(0, 14)}));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources/buttons");
    QDir().mkpath(folder);
    const QList<QPair<QString, Drawer>> pictures = {
        {QStringLiteral("open"), [](QPainter &p) { Folder(p, true); }},
        {QStringLiteral("print"), Printer},
        {QStringLiteral("device"), Card},
        {QStringLiteral("save"), Floppy},
        {QStringLiteral("link"), Antenna},
        {QStringLiteral("default"), Reset},
        {QStringLiteral("config"), Gear},
        {QStringLiteral("cancel"), Cross},
        {QStringLiteral("open_file"),
         [](QPainter &p) {
             Document(p);
             ArrowRight(p, QColor(30, 170, 40), 12, 14, 0.95);
         }},
        {QStringLiteral("open_manual"),
         [](QPainter &p) {
             Folder(p, false);
             p.scale(0.75, 0.75);
             p.translate(12, 10);
             Pencil(p);
         }},
        {QStringLiteral("apply"), Check},
        {QStringLiteral("continue"), [](QPainter &p) { ArrowRight(p, QColor(30, 170, 40), 3, 5, 1.4); }},
        {QStringLiteral("fix"), Pencil},
    };
    for (const auto &[name, draw] : pictures) {
        if (!Render(draw).save(folder + u'/' + name + QStringLiteral(".png")))
            return 1;
    }
    return 0;
}

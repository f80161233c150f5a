// Draws the pictures that illustrate the loop and relay modes into <folder>/*.jpg (Qt's JPEG writer).
// Each is a schematic 320 x 240 drawing: the panel on the left, the wiring to what the mode is about on
// the right, and the mode's name at the bottom. Run once when a picture changes; the build copies the
// committed files.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr int Width = 320;
constexpr int Height = 240;
const QColor Ink(40, 40, 60);
const QColor Guard(30, 90, 170);
const QColor Fire(200, 50, 30);
const QColor Relay(40, 120, 60);

using Device = std::function<void(QPainter &, const QRectF &)>;

void panel(QPainter &p)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(225, 228, 235));
    p.drawRoundedRect(QRectF(16, 40, 80, 110), 6, 6);
    p.setBrush(QColor(60, 160, 80));
    p.drawEllipse(QPointF(36, 60), 5, 5);
    p.setBrush(QColor(220, 60, 50));
    p.drawEllipse(QPointF(52, 60), 5, 5);
    p.setPen(QPen(Ink, 1));
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 9, QFont::Bold));
    p.drawText(QRectF(16, 118, 80, 20), Qt::AlignCenter, QStringLiteral("Orva"));
}

void wire(QPainter &p, bool dashed)
{
    QPen pen(Ink, 2);
    if (dashed)
        pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.drawLine(QPointF(96, 80), QPointF(190, 80));
    p.drawLine(QPointF(96, 110), QPointF(190, 110));
}

void caption(QPainter &p, const QString &text, const QColor &colour)
{
    p.setPen(colour);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 13, QFont::Bold));
    p.drawText(QRectF(8, 168, Width - 16, 64), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void door(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Guard, 2));
    p.setBrush(QColor(200, 215, 240));
    p.drawRect(r.adjusted(20, 0, -20, 0));
    p.setBrush(Guard);
    p.drawEllipse(QPointF(r.right() - 32, r.center().y()), 4, 4);
}

void stopwatch(QPainter &p, const QPointF &c, const QString &label)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 18, 18);
    p.drawLine(c, c + QPointF(0, -13));
    p.drawLine(c, c + QPointF(9, 4));
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 8, QFont::Bold));
    p.drawText(QRectF(c.x() - 30, c.y() + 18, 60, 14), Qt::AlignCenter, label);
}

void split(QPainter &p)
{
    p.setPen(QPen(Guard, 2));
    p.drawLine(QPointF(150, 80), QPointF(150, 140));
    p.drawLine(QPointF(150, 140), QPointF(120, 140));
    p.drawText(QRectF(100, 142, 60, 14), Qt::AlignCenter, QStringLiteral("2 x"));
}

void walker(QPainter &p, const QPointF &at)
{
    p.setPen(QPen(Guard, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Guard);
    p.drawEllipse(at, 6, 6);
    p.drawLine(at + QPointF(0, 6), at + QPointF(0, 30));
    p.drawLine(at + QPointF(0, 30), at + QPointF(-9, 48));
    p.drawLine(at + QPointF(0, 30), at + QPointF(10, 48));
    p.drawLine(at + QPointF(0, 14), at + QPointF(-11, 24));
    p.drawLine(at + QPointF(0, 14), at + QPointF(12, 20));
}

void panicButton(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(230, 230, 230));
    p.drawRoundedRect(r.adjusted(20, 10, -20, -10), 8, 8);
    p.setBrush(QColor(210, 40, 40));
    p.drawEllipse(r.center(), 20, 20);
}

void smokeDetector(QPainter &p, const QRectF &r, bool smoke, bool heat)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(r.center(), 34, 14);
    if (smoke) {
        p.setPen(QPen(QColor(130, 130, 130), 3));
        for (int i = 0; i < 3; ++i) {
            QPainterPath path(QPointF(r.center().x() - 20 + 20 * i, r.top()));
            path.cubicTo(QPointF(r.center().x() - 30 + 20 * i, r.top() - 14),
                         QPointF(r.center().x() - 10 + 20 * i, r.top() - 20),
                         QPointF(r.center().x() - 20 + 20 * i, r.top() - 34));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
    }
    if (heat) {
        p.setPen(QPen(Fire, 3));
        p.drawLine(QPointF(r.center().x(), r.center().y() - 10),
                   QPointF(r.center().x(), r.center().y() + 10));
        p.setBrush(Fire);
        p.drawEllipse(QPointF(r.center().x(), r.center().y() + 10), 5, 5);
    }
}

void resetArrow(QPainter &p, const QPointF &c)
{
    p.setPen(QPen(Fire, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 14, c.y() - 14, 28, 28), 30 * 16, 280 * 16);
    p.setBrush(Fire);
    QPolygonF head({c + QPointF(12, -12), c + QPointF(16, -2), c + QPointF(6, -4)});
    p.drawPolygon(head);
}

void patrol(QPainter &p, const QRectF &r)
{
    walker(p, QPointF(r.center().x() - 10, r.top() + 4));
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPointF(r.center().x() + 28, r.center().y()), 9, 9);
    p.drawLine(QPointF(r.center().x() + 37, r.center().y()), QPointF(r.center().x() + 55, r.center().y()));
}

void keySwitch(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPointF(r.left() + 40, r.center().y()), 14, 14);
    p.drawLine(QPointF(r.left() + 54, r.center().y()), QPointF(r.right() - 10, r.center().y()));
    p.drawLine(QPointF(r.right() - 24, r.center().y()), QPointF(r.right() - 24, r.center().y() + 10));
    p.drawLine(QPointF(r.right() - 14, r.center().y()), QPointF(r.right() - 14, r.center().y() + 10));
}

void unused(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(170, 170, 170), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft() + QPointF(25, 10), r.bottomRight() - QPointF(25, 10));
    p.drawLine(r.bottomLeft() + QPointF(25, -10), r.topRight() + QPointF(-25, 10));
}

void phone(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(r.center().x() - 18, r.top(), 36, r.height()), 6, 6);
    p.setBrush(QColor(150, 220, 160));
    p.drawRect(QRectF(r.center().x() - 13, r.top() + 8, 26, 22));
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 8, QFont::Bold));
    p.drawText(QRectF(r.center().x() - 13, r.top() + 8, 26, 22), Qt::AlignCenter, QStringLiteral("SMS"));
}

void station(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(235, 235, 240));
    p.drawRect(r.adjusted(10, 10, -10, -4));
    p.setBrush(colour);
    QPolygonF roof({QPointF(r.left() + 4, r.top() + 12), QPointF(r.center().x(), r.top() - 12),
                    QPointF(r.right() - 4, r.top() + 12)});
    p.drawPolygon(roof);
    p.setPen(colour);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 11, QFont::Bold));
    p.drawText(r.adjusted(10, 14, -10, -4), Qt::AlignCenter, QStringLiteral("ПЦН"));
}

void lightBoard(QPainter &p, const QRectF &r, const QColor &colour, const QString &text)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(colour);
    p.drawRect(r.adjusted(0, 14, 0, -14));
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 11, QFont::Bold));
    p.drawText(r.adjusted(0, 14, 0, -14), Qt::AlignCenter, text);
}

void lamp(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(255, 230, 90));
    p.drawEllipse(QPointF(r.center().x(), r.center().y() - 6), 22, 22);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(r.center().x() - 10, r.center().y() + 14, 20, 14));
}

void siren(QPainter &p, const QRectF &r, const QColor &colour, int number)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(colour);
    QPolygonF horn({QPointF(r.left() + 20, r.center().y() - 10), QPointF(r.left() + 40, r.center().y() - 10),
                    QPointF(r.left() + 70, r.center().y() - 30), QPointF(r.left() + 70, r.center().y() + 30),
                    QPointF(r.left() + 40, r.center().y() + 10),
                    QPointF(r.left() + 20, r.center().y() + 10)});
    p.drawPolygon(horn);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 2; ++i)
        p.drawArc(QRectF(r.left() + 60 + 8 * i, r.center().y() - 16 - 6 * i, 20, 32 + 12 * i), -50 * 16,
                  100 * 16);
    p.setPen(Ink);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 12, QFont::Bold));
    p.drawText(QRectF(r.left(), r.bottom() - 10, 40, 20), Qt::AlignCenter, QString::number(number));
}

void lock(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Ink, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(r.center().x() - 18, r.top(), 36, 40), 0, 180 * 16);
    p.drawLine(QPointF(r.center().x() - 18, r.top() + 20), QPointF(r.center().x() - 18, r.top() + 30));
    p.drawLine(QPointF(r.center().x() + 18, r.top() + 20), QPointF(r.center().x() + 18, r.top() + 30));
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(200, 160, 40));
    p.drawRoundedRect(QRectF(r.center().x() - 26, r.top() + 28, 52, 40), 5, 5);
}

void flame(QPainter &p, const QPointF &at)
{
    QPainterPath path(at + QPointF(0, 16));
    path.cubicTo(at + QPointF(-16, 8), at + QPointF(-6, -10), at + QPointF(0, -18));
    path.cubicTo(at + QPointF(4, -6), at + QPointF(16, 2), at + QPointF(0, 16));
    p.setPen(QPen(Fire, 1));
    p.setBrush(QColor(240, 120, 30));
    p.drawPath(path);
}

struct Picture
{
    const char *file;
    QString caption;
    QColor colour;
    bool dashed;
    Device device;
};

QImage render(const Picture &picture)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(250, 250, 246));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(picture.colour, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, Width - 3, Height - 3));
    panel(p);
    wire(p, picture.dashed);
    picture.device(p, QRectF(190, 40, 110, 110));
    caption(p, picture.caption, picture.colour);
    return image;
}

QList<Picture> pictures()
{
    const auto withStopwatch = [](const QString &label) {
        return [label](QPainter &p, const QRectF &r) {
            door(p, r);
            stopwatch(p, QPointF(150, 140), label);
        };
    };
    const auto fire = [](bool smoke, bool heat, bool reset) {
        return [=](QPainter &p, const QRectF &r) {
            smokeDetector(p, r, smoke, heat);
            flame(p, QPointF(r.center().x() + 40, r.top() + 10));
            if (reset)
                resetArrow(p, QPointF(150, 140));
        };
    };
    const auto relay = [](const Device &device) {
        return [device](QPainter &p, const QRectF &r) {
            p.setPen(QPen(Relay, 2));
            p.setBrush(QColor(220, 240, 225));
            p.drawRect(QRectF(130, 70, 30, 50));
            p.drawLine(QPointF(135, 110), QPointF(155, 80));
            device(p, r);
        };
    };
    return {
        {"GuardDelay.jpg", QStringLiteral("Охранный с задержкой"), Guard, false,
         withStopwatch(QStringLiteral("N сек."))},
        {"Guard.jpg", QStringLiteral("Охранный без задержки"), Guard, false, door},
        {"GuardDrop.jpg", QStringLiteral("Охранный без задержки, расщепленный"), Guard, false,
         [](QPainter &p, const QRectF &r) {
             door(p, r);
             split(p);
         }},
        {"GuardWalk.jpg", QStringLiteral("Охранный проходной"), Guard, false,
         [](QPainter &p, const QRectF &r) {
             door(p, r);
             walker(p, QPointF(r.left() + 10, r.top() + 40));
         }},
        {"GuardWalkDrop.jpg", QStringLiteral("Охранный проходной, расщепленный"), Guard, false,
         [](QPainter &p, const QRectF &r) {
             door(p, r);
             walker(p, QPointF(r.left() + 10, r.top() + 40));
             split(p);
         }},
        {"GuardKTS.jpg", QStringLiteral("Охранный КТС (тревожная кнопка)"), Guard, false, panicButton},
        {"Fire1.jpg", QStringLiteral("Пожарный тип 1: дымовые извещатели"), Fire, false,
         fire(true, false, false)},
        {"Fire2.jpg", QStringLiteral("Пожарный тип 2: дымовые и тепловые"), Fire, false,
         fire(true, true, false)},
        {"Fire3.jpg", QStringLiteral("Пожарный тип 3: тепловые извещатели"), Fire, false,
         fire(false, true, false)},
        {"Fire4.jpg", QStringLiteral("Пожарный тип 1 с контрольным сбросом"), Fire, false,
         fire(true, false, true)},
        {"Fire5.jpg", QStringLiteral("Пожарный тип 2 с контрольным сбросом"), Fire, false,
         fire(true, true, true)},
        {"Patrol.jpg", QStringLiteral("Патруль"), Guard, false, patrol},
        {"Rule.jpg", QStringLiteral("Управление постановкой и снятием"), Ink, false, keySwitch},
        {"GuardFixed.jpg", QStringLiteral("Охранный с фиксированной задержкой"), Guard, false,
         withStopwatch(QStringLiteral("фикс."))},
        {"NoGuard.jpg", QStringLiteral("Шлейф не используется"), QColor(120, 120, 120), true, unused},
        {"SMS.jpg", QStringLiteral("Реле: управление по SMS"), Relay, false, relay(phone)},
        {"PCNGuard.jpg", QStringLiteral("Реле: ПЦН (охрана)"), Guard, false,
         relay([](QPainter &p, const QRectF &r) { station(p, r, Guard); })},
        {"TranspGuard.jpg", QStringLiteral("Реле: транспарант (охрана)"), Guard, false,
         relay([](QPainter &p, const QRectF &r) { lightBoard(p, r, Guard, QStringLiteral("ОХРАНА")); })},
        {"Lamp.jpg", QStringLiteral("Реле: лампа (охрана)"), Guard, false, relay(lamp)},
        {"Sirena1.jpg", QStringLiteral("Реле: сирена 1 (охрана)"), Guard, false,
         relay([](QPainter &p, const QRectF &r) { siren(p, r, QColor(120, 160, 220), 1); })},
        {"Sirena2.jpg", QStringLiteral("Реле: сирена 2 (охрана)"), Guard, false,
         relay([](QPainter &p, const QRectF &r) { siren(p, r, QColor(120, 160, 220), 2); })},
        {"PCNFire.jpg", QStringLiteral("Реле: ПЦН (пожар)"), Fire, false,
         relay([](QPainter &p, const QRectF &r) { station(p, r, Fire); })},
        {"TranspFire.jpg", QStringLiteral("Реле: транспарант (пожар)"), Fire, false,
         relay([](QPainter &p, const QRectF &r) { lightBoard(p, r, Fire, QStringLiteral("ПОЖАР")); })},
        {"Sirena1Fire.jpg", QStringLiteral("Реле: сирена 1 (пожар)"), Fire, false,
         relay([](QPainter &p, const QRectF &r) { siren(p, r, QColor(240, 140, 110), 1); })},
        {"Sirena2Fire.jpg", QStringLiteral("Реле: сирена 2 (пожар)"), Fire, false,
         relay([](QPainter &p, const QRectF &r) { siren(p, r, QColor(240, 140, 110), 2); })},
        {"Locker.jpg", QStringLiteral("Реле: замок"), Relay, false, relay(lock)},
    };
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: draw_mode_pictures FOLDER");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const Picture &picture : pictures()) {
        if (!render(picture).save(folder.filePath(QString::fromLatin1(picture.file)), "JPG", 90)) {
            qWarning("cannot write %s", picture.file);
            return 1;
        }
    }
    return 0;
}

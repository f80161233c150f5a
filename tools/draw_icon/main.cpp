// Draws the program's icon into data/icons: the scalable SVG and the PNG sizes of the hicolor theme,
// all from one list of shapes on a 256 x 256 grid, so the two forms cannot drift apart. Run once when
// the icon changes; the build installs the committed files.
// The picture: the panel's housing with a configuration sheet on its display and three indicator lamps.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

constexpr int Grid = 256;
constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
const QString IconName = QStringLiteral("ru.norvek.OrvaConfigurator");

struct Shape
{
    enum Kind { RoundedRect, Circle } kind;
    QRectF rect; // a circle's bounding square
    double radius = 0;
    QColor fill;
    QColor stroke = Qt::transparent;
    double strokeWidth = 0;
};

std::vector<Shape> IconShapes()
{
    const QColor housing(58, 110, 165);
    const QColor housingEdge(31, 63, 102);
    const QColor sheet(244, 246, 248);
    const QColor ink(110, 126, 142);
    return {
        {Shape::RoundedRect, QRectF(20, 26, 216, 204), 28, housing, housingEdge, 8},
        {Shape::RoundedRect, QRectF(48, 56, 160, 100), 10, sheet},
        {Shape::RoundedRect, QRectF(66, 76, 96, 14), 4, ink},
        {Shape::RoundedRect, QRectF(66, 100, 124, 14), 4, ink},
        {Shape::RoundedRect, QRectF(66, 124, 72, 14), 4, ink},
        {Shape::Circle, QRectF(62, 176, 32, 32), 0, QColor(60, 176, 67), Qt::white, 4},
        {Shape::Circle, QRectF(112, 176, 32, 32), 0, QColor(242, 180, 40), Qt::white, 4},
        {Shape::Circle, QRectF(162, 176, 32, 32), 0, QColor(224, 60, 49), Qt::white, 4},
    };
}

QString SvgColour(const QColor &colour)
{
    return colour.alpha() == 0 ? QStringLiteral("none") : colour.name(QColor::HexRgb);
}

QString Svg(const std::vector<Shape> &shapes)
{
    QString text;
    QTextStream out(&text);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Grid << "\" height=\"" << Grid
        << "\" viewBox=\"0 0 " << Grid << ' ' << Grid << "\">\n";
    for (const Shape &s : shapes) {
        const QString paint = QStringLiteral(" fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                                  .arg(SvgColour(s.fill), SvgColour(s.stroke))
                                  .arg(s.strokeWidth);
        if (s.kind == Shape::Circle) {
            out << "  <circle cx=\"" << s.rect.center().x() << "\" cy=\"" << s.rect.center().y() << "\" r=\""
                << s.rect.width() / 2 << '"' << paint << "/>\n";
        } else {
            out << "  <rect x=\"" << s.rect.x() << "\" y=\"" << s.rect.y() << "\" width=\"" << s.rect.width()
                << "\" height=\"" << s.rect.height() << "\" rx=\"" << s.radius << '"' << paint << "/>\n";
        }
    }
    out << "</svg>\n";
    return text;
}

QImage Png(const std::vector<Shape> &shapes, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / Grid, double(size) / Grid);
    for (const Shape &s : shapes) {
        // SVG strokes are centred on the outline, as QPainter's are.
        p.setPen(s.stroke.alpha() == 0 ? QPen(Qt::NoPen) : QPen(s.stroke, s.strokeWidth));
        p.setBrush(s.fill);
        if (s.kind == Shape::Circle)
            p.drawEllipse(s.rect);
        else
            p.drawRoundedRect(s.rect, s.radius, s.radius);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_icon OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const auto shapes = IconShapes();

    QFile svg(folder.filePath(IconName + QStringLiteral(".svg")));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    svg.write(Svg(shapes).toUtf8());

    for (const int size : Sizes) {
        const QString name = QStringLiteral("%1-%2.png").arg(IconName).arg(size);
        if (!Png(shapes, size).save(folder.filePath(name)))
            return 1;
    }
    return 0;
}

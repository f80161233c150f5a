#include "frame/file_list_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace orva {
namespace {

constexpr int Size = 16;

QPixmap document(bool locked)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 10, 13));
    p.setPen(QPen(QColor(120, 120, 140), 1));
    for (int y = 4; y <= 10; y += 2)
        p.drawLine(QPointF(4.5, y + 0.5), QPointF(10.5, y + 0.5));
    if (locked) {
        p.setPen(QPen(QColor(120, 80, 0), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8, 6, 6, 6), 0, 180 * 16);
        p.setPen(QPen(QColor(120, 80, 0), 1));
        p.setBrush(QColor(230, 180, 40));
        p.drawRect(QRectF(7.5, 9.5, 8, 6));
    }
    return pixmap;
}

QPixmap sortMark(int direction)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(direction == 0 ? QColor(170, 170, 170) : QColor(40, 60, 120));
    if (direction == 0) {
        p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
        return pixmap;
    }
    const qreal tip = direction > 0 ? 4 : 12;
    const qreal base = direction > 0 ? 11 : 5;
    p.drawPolygon(QPolygonF({QPointF(8, tip), QPointF(3, base), QPointF(13, base)}));
    return pixmap;
}

} // namespace

QIcon FileListPicture(ListPicture picture)
{
    // In the order of ListPicture.
    static const std::array<QIcon, 5> pictures = {
        QIcon(document(false)), QIcon(document(true)), QIcon(sortMark(0)),
        QIcon(sortMark(1)),     QIcon(sortMark(-1)),
    };
    return pictures[std::size_t(picture)];
}

ListPicture TypePicture(ListFileType type)
{
    return type == ListFileType::Container ? ListPicture::Container : ListPicture::PlainFile;
}

} // namespace orva

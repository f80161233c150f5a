#include "dialogs/folder_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStorageInfo>

#include <functional>

namespace orva {
namespace {

constexpr int Size = 16;

QPixmap Draw(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

QPixmap FolderPicture(bool open)
{
    return Draw([open](QPainter &p) {
        p.setPen(QPen(QColor(120, 80, 0), 1));
        p.setBrush(QColor(240, 200, 60));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 2.5, 5, 2));
        if (open) {
            QPainterPath flap;
            flap.moveTo(3.5, 7.5);
            flap.lineTo(15.5, 7.5);
            flap.lineTo(13.5, 13.5);
            flap.lineTo(1.5, 13.5);
            flap.closeSubpath();
            p.setBrush(QColor(255, 230, 120));
            p.drawPath(flap);
        }
    });
}

// A drive: a box with a coloured front and a light.
QPixmap DrivePicture(const QColor &front, bool disc)
{
    return Draw([front, disc](QPainter &p) {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        if (disc) {
            p.setBrush(front);
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(6, 6, 4, 4));
            return;
        }
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(0.5, 5.5, 15, 7));
        p.setBrush(front);
        p.drawRect(QRectF(2.5, 7.5, 8, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 200, 0));
        p.drawEllipse(QRectF(12, 8, 2.5, 2.5));
    });
}

QIcon FolderIcon()
{
    // Closed; open while selected, as the chooser's pictures 0 and 1.
    QIcon icon(FolderPicture(false));
    icon.addPixmap(FolderPicture(true), QIcon::Selected);
    return icon;
}

} // namespace

FolderPictures::FolderPictures()
    : m_folder(FolderIcon()), m_fixed(DrivePicture(QColor(90, 90, 90), false)),
      m_removable(DrivePicture(QColor(230, 120, 40), false)),
      m_network(DrivePicture(QColor(60, 120, 200), false)),
      m_optical(DrivePicture(QColor(180, 180, 220), true))
{}

QIcon FolderPictures::icon(IconType type) const
{
    switch (type) {
    case Computer:
    case Drive:
        return m_fixed;
    case Network:
        return m_network;
    case Folder:
    case Desktop:
    case Trashcan:
        return m_folder;
    case File:
        break;
    }
    return {};
}

QIcon FolderPictures::icon(const QFileInfo &info) const
{
    if (!QDir(info.absoluteFilePath()).isRoot())
        return info.isDir() ? m_folder : QIcon();
    // A drive by its kind: removable, fixed, network, optical.
    const QByteArray type = QStorageInfo(info.absoluteFilePath()).fileSystemType().toLower();
    if (type == "iso9660" || type == "udf" || type == "cdfs")
        return m_optical;
    if (type.startsWith("nfs") || type == "cifs" || type == "smbfs" || type.startsWith("fuse.sshfs"))
        return m_network;
    if (type == "vfat" || type == "fat" || type == "exfat" || type == "fat32")
        return m_removable;
    return m_fixed;
}

} // namespace orva

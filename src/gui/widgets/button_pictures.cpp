#include "widgets/button_pictures.h"

namespace orva {

QPixmap ButtonPicture(const QString &name)
{
    return QPixmap(QStringLiteral(":/buttons/") + name + QStringLiteral(".png"));
}

ImageList MakeImageList(const QStringList &names)
{
    ImageList images;
    for (const QString &name : names)
        images.append(ButtonPicture(name));
    return images;
}

} // namespace orva

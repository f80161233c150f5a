#include "widgets/mode_picture.h"

#include "device_model/vocabularies.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLoggingCategory>
#include <QPixmap>

namespace orva {
namespace {

// Which picture file each showing loaded or missed, for whoever installs or packages the program:
// quiet unless enabled (QT_LOGGING_RULES="orva.pictures.info=true").
Q_LOGGING_CATEGORY(lcPictures, "orva.pictures", QtWarningMsg)

constexpr int LabelHeight = 20;

QLabel *CentredLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    label->hide();
    return label;
}

} // namespace

ModePicture::ModePicture(QWidget *parent, const QRect &area, const Names &names)
{
    m_image = new QLabel(parent);
    m_image->setObjectName(names.image);
    m_image->setGeometry(area);
    m_image->setScaledContents(true);
    m_image->hide();

    // The three lines of the fallback stand in the middle of the picture's area.
    const int top = area.center().y() - LabelHeight * 3 / 2;
    const auto line = [&](int n) {
        return QRect(area.left(), top + n * LabelHeight, area.width(), LabelHeight);
    };
    m_caption1 = CentredLabel(parent, names.caption1, QStringLiteral("Файл с изображением"), line(0));
    m_fileName = CentredLabel(parent, names.fileName, QString(), line(1));
    m_caption2 = CentredLabel(parent, names.caption2, QStringLiteral("не найден"), line(2));
}

bool ModePicture::Show(const QString &programFolder, const QString &pictureName)
{
    const QString path = PicturePath(programFolder, pictureName);
    QImage picture;
    // A file that exists but does not decode is treated as missing: the user sees which file it is.
    const bool shown = !pictureName.isEmpty() && QFileInfo(path).isFile() && picture.load(path);
    if (shown) {
        qCInfo(lcPictures, "picture loaded: %s", qUtf8Printable(path));
        m_image->setPixmap(QPixmap::fromImage(picture));
    } else {
        qCInfo(lcPictures, "picture not shown: %s", qUtf8Printable(path));
        m_image->clear();
        m_fileName->setText(pictureName);
    }
    m_image->setVisible(shown);
    m_caption1->setVisible(!shown);
    m_fileName->setVisible(!shown);
    m_caption2->setVisible(!shown);
    return shown;
}

} // namespace orva

#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace orva {

// The picture of a loop or relay mode and, in its place when the picture file is missing, the three
// labels "Файл с изображением", the file's relative name and "не найден".
class ModePicture
{
public:
    struct Names
    {
        QString image;    // the picture
        QString caption1; // "Файл с изображением"
        QString fileName; // the missing file's relative name
        QString caption2; // "не найден"
    };

    // Builds the picture and the labels on `parent`, all four hidden; the picture is stretched to `area`.
    ModePicture(QWidget *parent, const QRect &area, const Names &names);

    // Shows the picture `pictureName` ("Image\GuardDelay.jpg") of the program folder, or the labels with
    // that name when the file does not exist or cannot be decoded. Returns whether the picture is shown.
    bool Show(const QString &programFolder, const QString &pictureName);

private:
    QLabel *m_image;
    QLabel *m_caption1;
    QLabel *m_fileName;
    QLabel *m_caption2;
};

} // namespace orva

#include "frame/bottom_buttons.h"

#include "widgets/button_pictures.h"
#include "widgets/control_builders.h"

namespace orva {
namespace {

constexpr int RowTop = 486;
constexpr int RowHeight = 67;

struct ButtonRow
{
    const char16_t *name;
    MainButton tag;
    int left;
    int width;
    const char16_t *hint;
    PictureButton *BottomButtons::*slot;
};

const ButtonRow Rows[] = {
    {u"B_Open", MainButton::Open, 10, 100, u"Открыть файл конфигурации", &BottomButtons::open},
    {u"B_Print", MainButton::Print, 115, 100, u"Печать формуляра конфигурации устройства",
     &BottomButtons::print},
    {u"B_SaveToDevice", MainButton::SaveToDevice, 220, 130, u"Запись конфигурации в устройство",
     &BottomButtons::saveToDevice},
    {u"B_Save", MainButton::Save, 355, 100, u"Сохранить конфигурацию в файл", &BottomButtons::save},
    {u"B_Default", MainButton::Default, 565, 120, u"Сброс конфигурации \"по-умолчанию\"",
     &BottomButtons::defaults},
    {u"B_Config", MainButton::Config, 690, 100, u"Настройки параметров работы программы",
     &BottomButtons::config},
};

} // namespace

BottomButtons CreateBottomButtons(QWidget *window)
{
    BottomButtons buttons;
    for (const ButtonRow &row : Rows) {
        PictureButton *button = MakePictureButton(window, row.name, TagOf(row.tag), GlyphLayout::Top,
                                                  QRect(row.left, RowTop, row.width, RowHeight));
        button->setToolTip(QString::fromUtf16(row.hint));
        button->setText(CaptionOf(ButtonCaptions(), TagOf(row.tag)));
        buttons.*row.slot = button;
    }
    return buttons;
}

const CaptionTable &ButtonCaptions()
{
    static const CaptionTable captions{
        QString(),
        QStringLiteral("Открыть"),
        QStringLiteral("Печать"),
        QStringLiteral("В устройство..."),
        QStringLiteral("Сохранить"),
        QStringLiteral("Связь"),
        QStringLiteral("По-умолчанию"),
        QStringLiteral("Настройки"),
        QStringLiteral("Отменить"),
        QStringLiteral("Открыть файл"),
        QStringLiteral("Выбрать файл \"в ручную\""),
        QStringLiteral("Генерация ключа"),
        QStringLiteral("Очистка ключа"),
    };
    return captions;
}

ImageList MainButtonImages()
{
    return MakeImageList({
        QStringLiteral("open"),
        QStringLiteral("print"),
        QStringLiteral("device"),
        QStringLiteral("save"),
        QStringLiteral("link"),
        QStringLiteral("default"),
        QStringLiteral("config"),
        QStringLiteral("cancel"),
        QStringLiteral("open_file"),
        QStringLiteral("open_manual"),
    });
}

} // namespace orva

#pragma once

#include "widgets/picture_button.h"

namespace orva {

// The editor-mode buttons at the bottom of the main window.
struct BottomButtons
{
    PictureButton *open = nullptr;         // B_Open "Открыть"
    PictureButton *print = nullptr;        // B_Print "Печать"
    PictureButton *saveToDevice = nullptr; // B_SaveToDevice "В устройство..."
    PictureButton *save = nullptr;         // B_Save "Сохранить"
    PictureButton *defaults = nullptr;     // B_Default "По-умолчанию"
    PictureButton *config = nullptr;       // B_Config "Настройки"
};

// Builds the row of buttons (top 486, 67 high, picture above the caption) with their hints.
BottomButtons CreateBottomButtons(QWidget *window);

// The captions of the main window's picture buttons by |tag|: 1 "Открыть" .. 12 "Очистка ключа".
const CaptionTable &ButtonCaptions();
// The main window's button pictures (IL_Buttons), for tags 1..10.
ImageList MainButtonImages();

} // namespace orva

#pragma once

#include "widgets/picture_button.h"

namespace orva {

// The tags of the main window's picture buttons: a button shows picture tag - 1 of MainButtonImages()
// and caption tag of ButtonCaptions(). The GPRS page's key buttons take the negative of theirs, so they
// show their caption without a picture.
enum class MainButton : int {
    Open = 1,
    Print = 2,
    SaveToDevice = 3,
    Save = 4,
    Link = 5,
    Default = 6,
    Config = 7,
    CancelOpenList = 8,
    OpenFromList = 9,
    OpenDirectly = 10,
    KeyGenerate = 11,
    KeyClear = 12,
};

constexpr int TagOf(MainButton button)
{
    return int(button);
}

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

// The captions of the main window's picture buttons by |tag| (MainButton): 1 "Открыть" .. 12 "Очистка
// ключа".
const CaptionTable &ButtonCaptions();
// The main window's button pictures (IL_Buttons), for tags 1..10.
ImageList MainButtonImages();

} // namespace orva

#pragma once

namespace orva {

// Modal results of every dialog of the program.
namespace ModalResult {
constexpr int None = 0;
constexpr int Ok = 1; // "Продолжить", "Применить", "Выбрать", "Установить \"по-умолчанию\""
constexpr int Cancel = 2; // "Отказаться", or the window closed
constexpr int Retry = 4;  // "Исправить"
} // namespace ModalResult

} // namespace orva

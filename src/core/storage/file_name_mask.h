#pragma once

#include <QString>

#include <array>

namespace orva {

// What one element of the file-name mask contributes.
enum class MaskElementKind : int {
    Empty = 0,      // "Пусто": nothing
    Prefix = 1,     // "Префикс": the mask prefix
    DeviceName = 2, // "Псевдоним": the device name (oa parameter 1)
    Ident = 3,      // "Идентификатор": the identifier (gi parameter 1, as stored)
    Suffix = 4,     // "Постфикс": the mask suffix
};

constexpr int MaskElementCount = 4;
constexpr int MaskKindCount = 5;

// The kind an element takes when its stored kind is not one of 0..4: element 1 the prefix, 2 the device
// name, 3 the identifier, 4 the suffix. `element` is 1..4.
int DefaultMaskKind(int element);
// `kind` when it is one of 0..4, otherwise the element's default.
int EffectiveMaskKind(int element, int kind);

struct FileNameMask
{
    std::array<int, MaskElementCount> kinds{1, 2, 3, 4};
    QString prefix;
    std::array<QString, MaskElementCount - 1> delimiters;
    QString suffix;

    friend bool operator==(const FileNameMask &, const FileNameMask &) = default;
};

// True for a character that can stand in a file name: not one of " * / : < > ? \ | and not a control
// character. The settings dialog refuses the others in the mask's texts.
bool IsFileNameCharacter(QChar c);

// The proposed file name: the non-empty element texts joined by the delimiter that follows the last
// non-empty element before them (delimiter k after element k), never a delimiter at the start or the
// end, then ".ini". All elements empty give ".ini". A character that cannot stand in a file name (a
// device name "A/B:C" from a file, say) becomes "_", so the name never points into another folder. A
// name longer than a file system allows (`FileNameFits`) has its device name shortened from the end,
// so that the identifier and the suffix stay.
QString FormFileNameByMask(const FileNameMask &mask, const QString &deviceName, const QString &ident);

// True when a file system takes the name: at most 255 bytes in the file names' encoding (UTF-8 on
// Linux), 255 UTF-16 units on Windows.
bool FileNameFits(const QString &name);

} // namespace orva

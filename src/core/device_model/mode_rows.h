#pragma once

#include "modes.h"

#include <QString>
#include <QStringView>

#include <span>

namespace orva {

// Everything the program says about a loop mode or a relay mode, one row per mode: the caption of its
// button, its text in the list of loops or relays, its printed text, its picture, the objectName of its
// button and whether it carries a delay (a time). The rows run in the order of the mode buttons on the
// page, top to bottom. A text that carries the delay or time holds "%1" where the seconds go.
//
// Where the page's button, the list and the printed record word a mode differently, each column keeps
// its own wording; they are not derived from one another.

struct LoopModeRow
{
    LoopMode mode;
    QStringView caption; // the button's caption, and the mode's choice text
    QStringView text;    // the loop list's text
    QStringView printed; // the printed record's text; empty for an empty cell
    QStringView picture; // the picture's name under the program folder (see PicturePath)
    QStringView button;  // the button's objectName; empty for the mode without a button (Unused)
    bool withDelay;      // the loop keeps a delay; `text` and `printed` show it
    int saveRank;        // of the ticked buttons, the one of the highest rank is stored; -1: no button

    // `text` and `printed` with the delay in place.
    QString textWith(qint32 delay) const;
    QString printedWith(qint32 delay) const;
};

struct RelayModeRow
{
    RelayMode mode;
    QStringView caption; // the button's caption, also the mode's words in the relay list's rows
    QStringView text;    // the mode in words with its time, as the vocabulary gives it
    QStringView printed; // the printed record's text (the time has a column of its own)
    QStringView picture; // the picture's name under the program folder (see PicturePath)
    QStringView button;  // the button's objectName
    bool withTime;       // the relay keeps an on-time; `text` shows it
    int saveRank;        // of the ticked buttons, the one of the highest rank is stored

    // `text` with the time in place.
    QString textWith(qint32 time) const;
};

// The loop modes: the fourteen buttons of " Тип шлейфа ", then Unused (no button), which also stands for
// every number without a row of its own (None, the unnamed 13).
std::span<const LoopModeRow> LoopModeRows();
// The relay modes: the eleven buttons of "Режим работы реле". RelayMode::None has no row.
std::span<const RelayModeRow> RelayModeRows();

// The row of `mode`, or nullptr when the mode has none.
const LoopModeRow *LoopModeRowOf(LoopMode mode);
const RelayModeRow *RelayModeRowOf(RelayMode mode);

// Of the rows with a button for which `ticked(mode)` holds, the one of the highest save rank; nullptr
// when none is ticked.
template <typename Row, typename Ticked> const Row *SavedModeRow(std::span<const Row> rows, Ticked ticked)
{
    const Row *saved = nullptr;
    for (const Row &row : rows) {
        if (!row.button.isEmpty() && (!saved || row.saveRank > saved->saveRank) && ticked(row.mode))
            saved = &row;
    }
    return saved;
}

} // namespace orva

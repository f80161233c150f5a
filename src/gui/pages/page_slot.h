#pragma once

namespace orva {

// The page groups of the main window, in the order of their LastFocused slots. CID is the spare slot
// that no page uses.
enum class PageSlot : int {
    Common,
    Mode,
    Indic,
    Shleifs,
    Rele,
    Keys,
    Zone,
    SMS,
    SMSK,
    GSM,
    GPRS,
    CID,
    Count
};

constexpr int PageSlotCount = static_cast<int>(PageSlot::Count);

} // namespace orva

#pragma once

#include "device.h"

namespace orva {

// What opening a configuration in the editor and saving it without an edit does to the model: the
// forms in which the pages store what they show. The pages apply these as the user works; this function
// gives the command line the same result.
//  - GPRS: `sm` 1 when above 0, else 0; `ci` 0 while GPRS is off; `gi` as 12 and each `gk` as 16
//    upper-case hexadecimal digits; `gs` addresses as four three-digit groups joined by ","; APNs with
//    "," in place of ".";
//  - dial phones: the protocol and delivery limits, then the phones sorted by the rank of their mode;
//  - keys: a typed key's alias cut to its mark and 9 characters.
void ApplyStoreForm(T_Command_DEVICE &model);

// The steps one by one, for the pages that apply them as they redraw and store.
QString StoredGprsIdentifier(const QString &text);
QString StoredGprsKeyPart(const QString &text);
QString StoredServerAddress(const QString &text);
// True for a text the address field may hold: empty, up to twelve digits without separators (split into
// four groups of three), or up to four groups of one to three decimal digits separated by "." or ",". A
// longer group among separated ones, a port (":10001") or a prefix length ("/8") is not one: no address
// form of it keeps what was typed.
bool IsServerAddressText(QStringView text);
QString StoredApn(const QString &shown);

// The forms the GPRS page shows (and the printed record prints): an address as four three-digit groups
// joined by "." whichever separator it is stored with, an APN with "." where it is stored with ",".
QString ShownServerAddress(const QString &stored);
QString ShownApn(const QString &stored);
void ApplyDialDeliveryLimits(T_Command_DEVICE &model);
void SortDialPhones(T_Command_DEVICE &model);
int DialPhoneSortRank(qint32 mode);

} // namespace orva

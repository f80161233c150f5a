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

// How many hexadecimal digits the GPRS identifier and each part of the GPRS key hold.
inline constexpr int GprsIdentifierDigits = 12;
inline constexpr int GprsKeyPartDigits = 16;

// The GPRS identifier and a key part as the page and `orva-config show` show them: 12 (16) upper-case
// hexadecimal digits in groups of four (two) joined by "-", a short text filled with "0" on the left.
QString ShownGprsIdentifier(const QString &stored);
QString ShownGprsKeyPart(const QString &stored);
// The same as the page completes them when the user leaves the field: groups the user wrote are filled
// with "0" on the right, then the digits on the right. "12AB" becomes 12AB-0000-0000.
QString CompletedGprsIdentifier(const QString &typed);
QString CompletedGprsKeyPart(const QString &typed);
// The same as the file list and the printed record show them: in groups, filled on the right, the
// letters as stored; an empty text reads "0000-0000-0000" ("00-00-00-00-00-00-00-00").
QString PrintedGprsIdentifier(const QString &stored);
QString PrintedGprsKeyPart(const QString &stored);

// The forms the GPRS page shows (and the printed record prints): an address as four three-digit groups
// joined by "." whichever separator it is stored with, an APN with "." where it is stored with ",".
QString ShownServerAddress(const QString &stored);
QString ShownApn(const QString &stored);
void ApplyDialDeliveryLimits(T_Command_DEVICE &model);
void SortDialPhones(T_Command_DEVICE &model);
int DialPhoneSortRank(qint32 mode);

} // namespace orva

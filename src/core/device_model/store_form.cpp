#include "store_form.h"

#include "digit_groups.h"
#include "vocabularies.h"

#include <algorithm>
#include <array>

namespace orva {
namespace {

constexpr int TypedKeyAliasLength = 10; // the mark and 9 characters
constexpr qint32 HighestProtocol = 4;   // "v.110"
constexpr qint32 HighestDelivery = 2;

constexpr int IdentifierGroup = 4;
constexpr int KeyPartGroup = 2;

// Hexadecimal digits in groups joined by "-", filled with "0" on the left (a negative width) or on the
// right (a positive one), upper case.
QString hexGroups(const QString &text, int groupWidth, int totalWidth)
{
    QString shown = text;
    FormatDigitGroups(shown, HexDigits, u'-', u'0', groupWidth, totalWidth, true);
    return shown.toUpper();
}

// The page shows the text grouped (filled on the left, upper case in its masked edit) and stores the
// digits without separators.
QString storedHex(const QString &text, int groupWidth, int totalWidth)
{
    QString stored = hexGroups(text, groupWidth, totalWidth);
    FormatDigitGroups(stored, HexDigits, u'-', u'0', groupWidth, totalWidth, false);
    return stored;
}

// The record prints an empty text as all zeros, and fills a short one on the right as it stands.
QString printedHex(const QString &text, int groupWidth, int totalWidth)
{
    QString printed = text.isEmpty() ? QString(totalWidth, u'0') : text;
    FormatDigitGroups(printed, HexDigits, u'-', u'0', groupWidth, totalWidth, true);
    return printed;
}

void applyGprsForm(T_Command_DEVICE &model)
{
    T_Command &mode = model.record(Cmd::sm);
    mode.set(Gprs::Active, mode.get(Gprs::Active) > 0 ? 1 : 0);
    if (mode.get(Gprs::Active) == 0)
        model.set(Panel::LockWithoutGprs, 0);

    T_Command &ident = model.record(Cmd::gi);
    ident.set(Gprs::Identifier, StoredGprsIdentifier(ident.get(Gprs::Identifier)));
    for (int part = 1; part <= T_Command_DEVICE::GprsKeyPartCount; ++part) {
        T_Command &key = model.record(Cmd::gk, part);
        key.set(Gprs::KeyPart, StoredGprsKeyPart(key.get(Gprs::KeyPart)));
    }
    for (int sim = 1; sim <= T_Command_DEVICE::SimCount; ++sim) {
        T_Command &apn = model.record(Cmd::ga, sim);
        apn.set(Gprs::Apn, StoredApn(apn.get(Gprs::Apn)));
    }
    for (int server = 1; server <= T_Command_DEVICE::ServerCount; ++server) {
        T_Command &s = model.record(Cmd::gs, server);
        s.set(Gprs::ServerAddress, StoredServerAddress(s.get(Gprs::ServerAddress)));
    }
}

void applyDialForm(T_Command_DEVICE &model)
{
    T_Command &protocol = model.record(Cmd::dp);
    if (protocol.get(Dialing::Protocol) > HighestProtocol || protocol.get(Dialing::Protocol) < 0) {
        protocol.set(Dialing::Protocol, HighestProtocol);
        protocol.set(Dialing::Transparency, 1);
    } else {
        protocol.set(Dialing::Transparency, protocol.get(Dialing::Transparency) == 0 ? 0 : 1);
    }
    T_Command &delivery = model.record(Cmd::ds);
    if (delivery.get(Dialing::Delivery) > HighestDelivery || delivery.get(Dialing::Delivery) < 0)
        delivery.set(Dialing::Delivery, 0);
    ApplyDialDeliveryLimits(model);
    SortDialPhones(model);
}

void applyKeyForm(T_Command_DEVICE &model)
{
    for (int key = 1; key <= T_Command_DEVICE::KeyCount; ++key) {
        T_Command &r = model.record(Cmd::ua, key);
        if (KeyTypeOfAlias(r.get(Key::Alias)) != 0)
            r.set(Key::Alias, r.get(Key::Alias).left(TypedKeyAliasLength));
    }
}

} // namespace

QString StoredGprsIdentifier(const QString &text)
{
    return storedHex(text, IdentifierGroup, -GprsIdentifierDigits);
}

QString StoredGprsKeyPart(const QString &text)
{
    return storedHex(text, KeyPartGroup, -GprsKeyPartDigits);
}

QString ShownGprsIdentifier(const QString &stored)
{
    return hexGroups(stored, IdentifierGroup, -GprsIdentifierDigits);
}

QString ShownGprsKeyPart(const QString &stored)
{
    return hexGroups(stored, KeyPartGroup, -GprsKeyPartDigits);
}

QString CompletedGprsIdentifier(const QString &typed)
{
    return hexGroups(typed, IdentifierGroup, GprsIdentifierDigits);
}

QString CompletedGprsKeyPart(const QString &typed)
{
    return hexGroups(typed, KeyPartGroup, GprsKeyPartDigits);
}

QString PrintedGprsIdentifier(const QString &stored)
{
    return printedHex(stored, IdentifierGroup, GprsIdentifierDigits);
}

QString PrintedGprsKeyPart(const QString &stored)
{
    return printedHex(stored, KeyPartGroup, GprsKeyPartDigits);
}

bool IsServerAddressText(QStringView text)
{
    if (text.isEmpty())
        return true;
    const bool separated = text.contains(u'.') || text.contains(u',');
    const int longestGroup = separated ? 3 : 12;
    int groups = 1;
    int digits = 0;
    for (const QChar c : text) {
        if (c == u'.' || c == u',') {
            if (++groups > 4)
                return false;
            digits = 0;
        } else if (c >= u'0' && c <= u'9') {
            if (++digits > longestGroup)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

QString StoredServerAddress(const QString &text)
{
    QString stored = ShownServerAddress(text);
    FormatDigitGroups(stored, DecimalDigits, u',', u'0', 3, -12, true);
    return stored;
}

QString StoredApn(const QString &shown)
{
    return QString(shown).replace(u'.', u',');
}

QString ShownServerAddress(const QString &stored)
{
    QString shown = stored;
    FormatDigitGroups(shown, DecimalDigits, u'.', u'0', 3, -12, true);
    return shown;
}

QString ShownApn(const QString &stored)
{
    return QString(stored).replace(u',', u'.');
}

// With a call without connection first, a connected phone may only receive alarms (and, for the call
// then connection, service messages).
void ApplyDialDeliveryLimits(T_Command_DEVICE &model)
{
    const qint32 delivery = model.get(Dialing::Delivery);
    if (delivery != 1 && delivery != 2)
        return;
    for (int phone = 1; phone <= T_Command_DEVICE::PhoneCount; ++phone) {
        T_Command &r = model.record(Cmd::dn, phone);
        const qint32 mode = r.get(DialPhone::Mode);
        if (mode == 3 || mode == 4 || (mode == 2 && delivery == 2))
            r.set(DialPhone::Mode, 1);
    }
}

int DialPhoneSortRank(qint32 mode)
{
    // Duty, disarming, arming, then the connected phones by message set; unused phones last.
    static constexpr std::array<int, 8> Ranks = {9, 4, 5, 6, 7, 3, 2, 1};
    return mode >= 1 && mode <= 7 ? Ranks[mode] : 9;
}

// A stable sort by rank that moves whole records: each phone keeps its own number and only the order
// of the slots changes.
void SortDialPhones(T_Command_DEVICE &model)
{
    std::array<T_Command, T_Command_DEVICE::PhoneCount> slots;
    for (int i = 0; i < T_Command_DEVICE::PhoneCount; ++i)
        slots[i] = model.record(Cmd::dn, i + 1);
    for (int q = 0; q < T_Command_DEVICE::PhoneCount - 1; ++q) {
        int lowest = q;
        for (int s = q + 1; s < T_Command_DEVICE::PhoneCount; ++s) {
            if (DialPhoneSortRank(slots[s].get(DialPhone::Mode)) <
                DialPhoneSortRank(slots[lowest].get(DialPhone::Mode)))
                lowest = s;
        }
        if (lowest != q)
            std::rotate(slots.begin() + q, slots.begin() + lowest, slots.begin() + lowest + 1);
    }
    for (int i = 0; i < T_Command_DEVICE::PhoneCount; ++i)
        model.record(Cmd::dn, i + 1).CopyFrom(slots[i]);
}

void ApplyStoreForm(T_Command_DEVICE &model)
{
    applyGprsForm(model);
    applyDialForm(model);
    applyKeyForm(model);
}

} // namespace orva

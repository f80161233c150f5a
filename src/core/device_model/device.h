#pragma once

#include "command.h"
#include "command_table.h"
#include "params.h"

#include <QList>

#include <array>

namespace orva {

// The in-memory configuration of one panel: one record per instance of every command table row, the
// factory defaults and the three zone relations (loops of a zone, zones of a relay, zones of a key).
class T_Command_DEVICE
{
public:
    // How many of each numbered thing the panel has: the instance counts of their command table rows
    // (loops `la`/`lm`, relays `rm`, keys `ua`, zones `zn`, phones `sn`/`su`/`dn`, servers `gs`, SIM
    // cards `ph`/`ga`/`cb`, parts of the GPRS key `gk`). Every page, check and record block counts by
    // these.
    static constexpr int LoopCount = 4;
    static constexpr int RelayCount = 4;
    static constexpr int KeyCount = 15;
    static constexpr int ZoneCount = 4;
    static constexpr int PhoneCount = 9;
    static constexpr int ServerCount = 6;
    static constexpr int SimCount = 2;
    static constexpr int GprsKeyPartCount = 4;
    // SIM card n uses servers (n - 1) * ServersPerSim + 1 .. n * ServersPerSim.
    static constexpr int ServersPerSim = ServerCount / SimCount;

    // Every record with its row's defaults; the factory defaults need ResetToDefaults().
    T_Command_DEVICE();

    // The record of instance `instance` of row `code` (0 for single-instance rows). An instance outside
    // the row's range is a programming error: it asserts, and in a release build yields a scratch record
    // so that nothing of the model is touched.
    T_Command &record(quint8 code, int instance = 0)
    {
        const qsizetype index = indexOf(code, instance);
        return index >= 0 ? m_rows[code][index] : outOfRange();
    }
    const T_Command &record(quint8 code, int instance = 0) const
    {
        const qsizetype index = indexOf(code, instance);
        return index >= 0 ? m_rows[code].at(index) : const_cast<T_Command_DEVICE *>(this)->outOfRange();
    }
    // All records of a row, in instance order.
    const QList<T_Command> &records(quint8 code) const;

    // A named parameter (params.h) of instance `instance` of its command.
    template <typename T> T get(NumberParam<T> param, int instance = 0) const
    {
        return record(param.code, instance).get(param);
    }
    QString get(TextParam param, int instance = 0) const { return record(param.code, instance).get(param); }
    template <typename T> void set(NumberParam<T> param, int instance, std::type_identity_t<T> value)
    {
        record(param.code, instance).set(param, value);
    }
    void set(TextParam param, int instance, const QString &text)
    {
        record(param.code, instance).set(param, text);
    }
    // The same for a single-instance command.
    template <typename T> void set(NumberParam<T> param, std::type_identity_t<T> value)
    {
        set(param, 0, value);
    }
    void set(TextParam param, const QString &text) { set(param, 0, text); }

    // The factory configuration, in every slot the record of a new model (own instance number, count 0).
    void ResetToDefaults();

    int ZoneOfLoop(int loop) const;
    void SetLoopZone(int loop, int zone);
    // Where a loop stands in the zone lists: for each zone, the item (1..5) that holds it, or 0.
    using LoopZonePlaces = std::array<int, ZoneCount>;
    LoopZonePlaces LoopZonePlacesOf(int loop) const;
    // Puts the loop back where `places` says, and nowhere else; where its own item has been taken
    // meanwhile, into the first free item of that zone.
    void RestoreLoopZonePlaces(int loop, const LoopZonePlaces &places);
    bool RelayHasZone(int relay, int zone) const;
    void SetRelayZone(int relay, int zone, bool on);
    bool KeyHasZone(int key, int zone) const;
    void SetKeyZone(int key, int zone, bool on);
    int IndicatorZone() const;
    void SetIndicatorZone(int zone);

private:
    // The index of the record in its row's list, or -1 for an instance outside the row's range.
    qsizetype indexOf(quint8 code, int instance) const
    {
        if (code < 1 || code > CommandRowCount)
            return -1;
        const qsizetype index = qsizetype(instance) - CommandRowOf(code).firstInstance;
        return index >= 0 && index < m_rows[code].size() ? index : -1;
    }
    T_Command &outOfRange();
    bool listHas(quint8 code, int instance, int value) const;
    void setInList(quint8 code, int instance, int value, bool on);

    // Index = row number; element 0 stays empty.
    std::array<QList<T_Command>, CommandRowCount + 1> m_rows;
    T_Command m_outOfRange;
};

// True when every field of the two records is equal (tests and round-trip checks use it).
bool SameRecord(const T_Command &a, const T_Command &b);
// True when every record of the two models is equal.
bool SameModel(const T_Command_DEVICE &a, const T_Command_DEVICE &b);

} // namespace orva

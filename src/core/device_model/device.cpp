#include "device.h"

namespace orva {

namespace {
constexpr std::array<LoopMode, T_Command_DEVICE::LoopCount> DefaultLoopModes = {
    LoopMode::GuardDelay, LoopMode::GuardWalk, LoopMode::Guard, LoopMode::Fire5};
constexpr std::array<RelayMode, T_Command_DEVICE::RelayCount> DefaultRelayModes = {
    RelayMode::Sirena1, RelayMode::TranspGuard, RelayMode::Sms, RelayMode::Sms};
const char16_t DefaultVersionText[] = u"Config Orva soft v.3.0";
} // namespace

T_Command_DEVICE::T_Command_DEVICE()
{
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const CommandRow &row = CommandRowOf(code);
        QList<T_Command> &records = m_rows[code];
        records.reserve(row.instanceCount());
        for (int n = row.firstInstance; n <= row.lastInstance; ++n)
            records.append(T_Command(code, n));
    }
}

T_Command &T_Command_DEVICE::outOfRange()
{
    Q_ASSERT_X(false, "T_Command_DEVICE::record", "instance outside the row's range");
    m_outOfRange = T_Command();
    return m_outOfRange;
}

const QList<T_Command> &T_Command_DEVICE::records(quint8 code) const
{
    Q_ASSERT(code >= 1 && code <= CommandRowCount);
    return m_rows[code <= CommandRowCount ? code : 0];
}

void T_Command_DEVICE::ResetToDefaults()
{
    // Each slot becomes the record a new model has there: its own row and instance number (sorting the
    // dial phones moves whole records between slots), count 0 and the row's defaults. A load therefore
    // never depends on what an earlier file, sort or edit left behind.
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const int first = CommandRowOf(code).firstInstance;
        T_Command *const records = m_rows[code].data();
        for (qsizetype i = 0; i < m_rows[code].size(); ++i)
            records[i].ResetAs(code, first + int(i));
    }
    static const QString version = QString::fromUtf16(DefaultVersionText);
    set(Panel::Version, version);
    for (int n = 1; n <= LoopCount; ++n)
        set(Loop::Mode, n, DefaultLoopModes[n - 1]);
    for (int n = 1; n <= RelayCount; ++n)
        set(Relay::Mode, n, DefaultRelayModes[n - 1]);
    // Every loop, the indicator, every relay and every key in zone 1. The reset emptied the zone lists:
    // each takes its place without a search.
    for (int loop = 1; loop <= LoopCount; ++loop)
        record(Cmd::zn, 1).setItem(loop, loop);
    SetIndicatorZone(1);
    for (int relay = 1; relay <= RelayCount; ++relay)
        record(Cmd::rz, relay).setItem(1, 1);
    for (int key = 1; key <= KeyCount; ++key)
        record(Cmd::uz, key).setItem(1, 1);
}

int T_Command_DEVICE::ZoneOfLoop(int loop) const
{
    for (int zone = 1; zone <= ZoneCount; ++zone) {
        if (listHas(Cmd::zn, zone, loop))
            return zone;
    }
    return 0;
}

void T_Command_DEVICE::SetLoopZone(int loop, int zone)
{
    for (int z = 1; z <= ZoneCount; ++z)
        setInList(Cmd::zn, z, loop, false);
    if (zone >= 1 && zone <= ZoneCount)
        setInList(Cmd::zn, zone, loop, true);
}

T_Command_DEVICE::LoopZonePlaces T_Command_DEVICE::LoopZonePlacesOf(int loop) const
{
    LoopZonePlaces places{};
    for (int zone = 1; zone <= ZoneCount; ++zone) {
        const T_Command &list = record(Cmd::zn, zone);
        for (int i = 1; i <= T_Command::ItemCount && places[zone - 1] == 0; ++i) {
            if (list.item(i) == loop)
                places[zone - 1] = i;
        }
    }
    return places;
}

void T_Command_DEVICE::RestoreLoopZonePlaces(int loop, const LoopZonePlaces &places)
{
    for (int zone = 1; zone <= ZoneCount; ++zone) {
        setInList(Cmd::zn, zone, loop, false);
        const int place = places[zone - 1];
        if (place == 0)
            continue;
        T_Command &list = record(Cmd::zn, zone);
        if (list.item(place) == 0)
            list.setItem(place, loop);
        else
            setInList(Cmd::zn, zone, loop, true);
    }
}

bool T_Command_DEVICE::RelayHasZone(int relay, int zone) const
{
    return listHas(Cmd::rz, relay, zone);
}

void T_Command_DEVICE::SetRelayZone(int relay, int zone, bool on)
{
    setInList(Cmd::rz, relay, zone, false);
    if (on)
        setInList(Cmd::rz, relay, zone, true);
}

bool T_Command_DEVICE::KeyHasZone(int key, int zone) const
{
    return listHas(Cmd::uz, key, zone);
}

void T_Command_DEVICE::SetKeyZone(int key, int zone, bool on)
{
    setInList(Cmd::uz, key, zone, false);
    if (on)
        setInList(Cmd::uz, key, zone, true);
}

int T_Command_DEVICE::IndicatorZone() const
{
    return get(Indication::IndicatorZone);
}

void T_Command_DEVICE::SetIndicatorZone(int zone)
{
    set(Indication::IndicatorZone, zone);
}

bool T_Command_DEVICE::listHas(quint8 code, int instance, int value) const
{
    const T_Command &r = record(code, instance);
    for (int i = 1; i <= T_Command::ItemCount; ++i) {
        if (r.item(i) == value)
            return true;
    }
    return false;
}

// Off: clears every item equal to value. On: puts value into the first empty item, if there is one.
void T_Command_DEVICE::setInList(quint8 code, int instance, int value, bool on)
{
    T_Command &r = record(code, instance);
    for (int i = 1; i <= T_Command::ItemCount; ++i) {
        if (!on && r.item(i) == value) {
            r.setItem(i, 0);
        } else if (on && r.item(i) == 0) {
            r.setItem(i, value);
            return;
        }
    }
}

bool SameRecord(const T_Command &a, const T_Command &b)
{
    if (a.code() != b.code() || a.number() != b.number() || a.count() != b.count())
        return false;
    for (int i = 1; i <= 2; ++i) {
        if (a.value(i) != b.value(i) || a.text(i) != b.text(i))
            return false;
    }
    for (int i = 1; i <= T_Command::ItemCount; ++i) {
        if (a.item(i) != b.item(i))
            return false;
    }
    return true;
}

bool SameModel(const T_Command_DEVICE &a, const T_Command_DEVICE &b)
{
    for (quint8 code = 1; code <= CommandRowCount; ++code) {
        const QList<T_Command> &ra = a.records(code);
        const QList<T_Command> &rb = b.records(code);
        for (qsizetype i = 0; i < ra.size(); ++i) {
            if (!SameRecord(ra[i], rb[i]))
                return false;
        }
    }
    return true;
}

} // namespace orva

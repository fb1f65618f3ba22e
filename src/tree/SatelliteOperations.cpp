#include "SatelliteOperations.h"

#include "BitFields.h"
#include "OptionNames.h"

#include <algorithm>
#include <bitset>
#include <cstring>

namespace {

constexpr char kNewSatelliteName[] = "New SAT";

bool ValidIndex(const Database& db, int index) { return index >= 0 && index < SatelliteCount(db); }

// Rewrites the satellite index of every satellite transponder through renumber.
template <typename Renumber>
void RenumberSatTransponders(Database& db, Renumber renumber)
{
    for (int i = 0, n = TransponderCount(db); i < n; ++i) {
        TransponderRecord& tp = db.TransponderTable[size_t(i)];
        if (TpKind(tp) == kTpSatellite)
            SetTpSatIndex(tp, renumber(TpSatIndex(tp)));
    }
}

// Drops the channels of a table whose transponder id is in ids, keeping the
// order of the others.
int RemoveChannelsOfIds(std::array<ChannelRecord, kMaxChannels>& table, int16_t& count,
                        const std::bitset<kTpIdCount>& ids)
{
    const int n = std::clamp<int>(count, 0, kMaxChannels);
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        const uint16_t id = table[size_t(i)].usTpId;
        if (id < ids.size() && ids.test(id))
            continue;
        if (kept != i)
            table[size_t(kept)] = table[size_t(i)];
        ++kept;
    }
    const int removed = n - kept;
    count = int16_t(count - removed);
    return removed;
}

} // namespace

SatelliteRecord DefaultSatellite()
{
    SatelliteRecord sat{};
    std::memcpy(sat.acSatName, kNewSatelliteName, sizeof kNewSatelliteName);
    sat.usLnbLow = 9750;
    sat.usLnbHigh = 10600;
    SetSatKuBand(sat, 1);
    return sat;
}

int LnbTypeOfSatellite(const SatelliteRecord& sat)
{
    const unsigned low = sat.usLnbLow, high = sat.usLnbHigh;
    if (SatKuBand(sat)) {
        if (low != high)
            return high == 10600 ? 0 : high == 10700 ? 2 : high == 10750 ? 1 : -1;
        for (int type = 3; type <= 9; ++type)
            if (low == kLnbTypes[size_t(type)].usLnbLow)
                return type;
        return -1;
    }
    if (low != high)
        return 12;
    return low == 5150 ? 10 : low == 5700 ? 13 : low == 5750 ? 11 : -1;
}

void ClearNewSatelliteBits(SatelliteRecord& sat) { SetBits(sat.ulSatPos, 25, 3, 0); }

int AddSatellite(Database& db, const SatelliteRecord& sat)
{
    const int index = db.header.sSatNumber;
    if (index < 0 || index >= kMaxSatellites)
        return kSatFull;
    db.SatelliteTable[size_t(index)] = sat;
    ++db.header.sSatNumber;
    return index;
}

int ReplaceSatellite(Database& db, int index, const SatelliteRecord& sat)
{
    if (!ValidIndex(db, index))
        return kSatOutOfRange;
    db.SatelliteTable[size_t(index)] = sat;
    return kSatDone;
}

int MoveSatellite(Database& db, int from, int to)
{
    if (!ValidIndex(db, from) || !ValidIndex(db, to))
        return kSatOutOfRange;
    auto& table = db.SatelliteTable;
    if (from < to)
        std::rotate(table.begin() + from, table.begin() + from + 1, table.begin() + to + 1);
    else if (from > to)
        std::rotate(table.begin() + to, table.begin() + from, table.begin() + from + 1);
    const uint32_t f = uint32_t(from), t = uint32_t(to);
    RenumberSatTransponders(db, [f, t](uint32_t s) {
        if (s == f)
            return t;
        if (f < t && s > f && s <= t)
            return s - 1;
        if (f > t && s >= t && s < f)
            return s + 1;
        return s;
    });
    return kSatDone;
}

int SwapSatellites(Database& db, int a, int b)
{
    if (!ValidIndex(db, a) || !ValidIndex(db, b))
        return kSatOutOfRange;
    std::swap(db.SatelliteTable[size_t(a)], db.SatelliteTable[size_t(b)]);
    const uint32_t ua = uint32_t(a), ub = uint32_t(b);
    RenumberSatTransponders(db, [ua, ub](uint32_t s) { return s == ua ? ub : s == ub ? ua : s; });
    return kSatDone;
}

int DeleteSatellite(Database& db, int index)
{
    if (!ValidIndex(db, index))
        return kSatOutOfRange;
    // One pass over each table does what removing the transponders one by one
    // (each with its channels) would do: the ids of the satellite's
    // transponders, then the channels of those ids, then the transponders.
    const uint32_t sat = uint32_t(index);
    const auto ofSatellite = [sat](const TransponderRecord& tp) {
        return TpKind(tp) == kTpSatellite && TpSatIndex(tp) == sat;
    };
    const int tpCount = TransponderCount(db);
    auto* tps = db.TransponderTable.data();
    std::bitset<kTpIdCount> ids;
    for (int i = 0; i < tpCount; ++i)
        if (ofSatellite(tps[i]))
            ids.set(TpId(tps[i]));
    if (ids.any()) {
        RemoveChannelsOfIds(db.TvChannelTable, db.header.sTVNumber, ids);
        RemoveChannelsOfIds(db.RadioChannelTable, db.header.sRadioNumber, ids);
    }
    const int kept = int(std::remove_if(tps, tps + tpCount, ofSatellite) - tps); // keeps the order
    const int tpRemoved = tpCount - kept;
    db.header.sTpNumber = int16_t(db.header.sTpNumber - tpRemoved);

    const int satCount = SatelliteCount(db);
    std::copy(db.SatelliteTable.begin() + index + 1, db.SatelliteTable.begin() + satCount,
              db.SatelliteTable.begin() + index);
    db.header.sSatNumber = int16_t(db.header.sSatNumber - 1);
    RenumberSatTransponders(db, [sat](uint32_t s) { return s > sat ? s - 1 : s; });
    return tpRemoved;
}

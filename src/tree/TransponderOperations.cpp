#include "TransponderOperations.h"

#include "BandPlans.h"
#include "BitFields.h"
#include "ModelOperations.h"

#include <algorithm>

namespace {

// Whether two records describe the same transponder for the kind of a.
bool SameTransponder(const TransponderRecord& a, const TransponderRecord& b, bool edit)
{
    switch (TpKind(a)) {
    case kTpSatellite:
        return TpSatIndex(a) == TpSatIndex(b) && a.usFreq == b.usFreq && a.usSymRate == b.usSymRate &&
               TpPolarisation(a) == TpPolarisation(b) && (!edit || TpFec(a) == TpFec(b));
    case kTpCable: return a.usFreq == b.usFreq && a.usSymRate == b.usSymRate && TpQam(a) == TpQam(b);
    default: return TpUlFreq(a) == TpUlFreq(b) && TpBandwidth(a) == TpBandwidth(b);
    }
}

} // namespace

TransponderRecord DefaultSatelliteTp(int satIndex)
{
    TransponderRecord tp{};
    tp.usFreq = 11747;
    tp.usSymRate = 27500;
    SetTpKind(tp, kTpSatellite);
    SetTpPolarisation(tp, 1);
    SetTpFec(tp, 3);
    SetTpSatIndex(tp, uint32_t(satIndex));
    return tp;
}

TransponderRecord DefaultCableTp()
{
    TransponderRecord tp{};
    tp.usFreq = 474;
    tp.usSymRate = 27500;
    SetTpKind(tp, kTpCable);
    SetTpQam(tp, 4);
    return tp;
}

TransponderRecord DefaultTerrestrialTp(uint32_t kind, uint8_t ucChanTable)
{
    TransponderRecord tp{};
    SetTpUlFreq(tp, 474000);
    SetTpKind(tp, kind);
    SetTpBandwidth(tp, 2);
    SetTpModulation(tp, 4);
    SetTerrestrialChannel(tp, ucChanTable);
    return tp;
}

void SetTerrestrialChannel(TransponderRecord& tp, uint8_t ucChanTable)
{
    SetTpChannelNumber(tp, uint32_t(ChannelFromFrequency(TpUlFreq(tp), ucChanTable)) & 0x7F);
}

int LowestFreeTpId(const Database& db) { return FreeTpIds(db).Take(); }

int FindDuplicateTransponder(const Database& db, const TransponderRecord& tp, bool edit, int skipIndex)
{
    for (int i = 0, n = TransponderCount(db); i < n; ++i)
        if (i != skipIndex && SameTransponder(tp, db.TransponderTable[size_t(i)], edit))
            return i;
    return -1;
}

int AddTransponder(Database& db, const TransponderRecord& tp)
{
    const int index = db.header.sTpNumber;
    if (index < 0 || index >= kMaxTransponders)
        return kTpFull;
    if (FindDuplicateTransponder(db, tp, false, -1) >= 0)
        return kTpExists;
    const int id = LowestFreeTpId(db);
    if (id < 0)
        return kTpFull;
    TransponderRecord& slot = db.TransponderTable[size_t(index)];
    slot = tp;
    SetTpId(slot, uint32_t(id));
    ++db.header.sTpNumber;
    return index;
}

bool ValidateEditedTransponder(const Database& db, const TransponderRecord& tp, int index)
{
    return FindDuplicateTransponder(db, tp, true, index) < 0;
}

int DeleteTransponder(Database& db, int index)
{
    if (index < 0 || index >= TransponderCount(db))
        return kTpBadIndex;
    const int removed = RemoveChannelsOfTp(db, uint16_t(TpId(db.TransponderTable[size_t(index)])));
    RemoveTransponder(db, index);
    return removed;
}

std::vector<int> SatelliteTransponders(const Database& db, int sat)
{
    std::vector<int> records;
    for (int i = 0, n = TransponderCount(db); i < n; ++i) {
        const TransponderRecord& tp = db.TransponderTable[size_t(i)];
        if (TpKind(tp) == kTpSatellite && int(TpSatIndex(tp)) == sat)
            records.push_back(i);
    }
    return records;
}

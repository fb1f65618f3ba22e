// The fixes of the database check. Each runs on what the check finds at its
// turn, so that a fix also covers what the fixes before it left (a
// transponder emptied by removed duplicates, entries of removed channels).
#include "DatabaseCheck.h"

#include "BitFields.h"
#include "FavGroupNames.h"
#include "ModelOperations.h"

#include <unordered_map>
#include <unordered_set>

namespace {

uint32_t KeyWithTpId(uint32_t key, uint32_t tpId) { return (key & 0xFFFF) | (tpId << 16); }

// Removes the transponders of records. A removed one that is its satellite's
// chosen transponder hands the choice to the slot in its iValue when kept
// says so (an earlier one of that satellite, which stays); every other choice
// follows the removal.
template <typename Kept>
int RemoveTransponders(Database& db, const std::vector<CheckRecord>& records, Kept kept)
{
    // Each slot's place in its satellite's list; -1 for a transponder of no satellite.
    const int count = TransponderCount(db);
    std::vector<int> place(size_t(count), -1);
    std::vector<int> listed(size_t(SatelliteCount(db)), 0);
    for (int slot = 0; slot < count; ++slot) {
        const TransponderRecord& tp = db.TransponderTable[size_t(slot)];
        if (TpKind(tp) == kTpSatellite && TpSatIndex(tp) < listed.size())
            place[size_t(slot)] = listed[TpSatIndex(tp)]++;
    }
    std::vector<bool> drop(size_t(count), false);
    for (const CheckRecord& record : records) {
        if (!record.bFixable)
            continue;
        drop[size_t(record.iIndex)] = true;
        const int keeper = kept(record);
        if (place[size_t(record.iIndex)] < 0 || keeper < 0)
            continue;
        SatelliteRecord& sat = db.SatelliteTable[TpSatIndex(db.TransponderTable[size_t(record.iIndex)])];
        if (int(SatChosenTp(sat)) == place[size_t(record.iIndex)])
            SetSatChosenTp(sat, uint32_t(place[size_t(keeper)]));
    }
    return RemoveTransponderSlots(db, drop);
}

// Rewrites every stored group's list of one table through rewrite(list).
template <typename Rewrite>
void RewriteFavLists(Database& db, bool radio, Rewrite rewrite)
{
    for (int g = 0; g < FavGroupCount(db); ++g) {
        FavGroup& group = db.FavGroupTable[size_t(g)];
        std::array<std::vector<uint32_t>, 2> lists = FavGroupLists(group);
        lists[radio ? 1 : 0] = rewrite(g, lists[radio ? 1 : 0]);
        StoreFavGroupLists(group, lists);
    }
}

int MergeDuplicateTransponders(Database& db, const std::vector<CheckRecord>& records)
{
    std::vector<int> newId(kTpIdCount, -1);
    for (const CheckRecord& record : records) { // in table order: the first later one with a value gives it
        TransponderRecord& kept = db.TransponderTable[size_t(record.iValue)];
        const TransponderRecord& later = db.TransponderTable[size_t(record.iIndex)];
        if (TpKind(kept) == kTpSatellite || TpKind(kept) == kTpCable) {
            if (kept.usSymRate == 0)
                kept.usSymRate = later.usSymRate;
        }
        if (TpKind(kept) == kTpSatellite && TpFec(kept) == 0)
            SetTpFec(kept, TpFec(later));
        newId[TpId(later)] = int(TpId(kept));
    }
    const auto moved = [&](uint32_t tpId) { return tpId < kTpIdCount && newId[tpId] >= 0; };
    for (const bool radio : {false, true}) {
        auto& table = ChannelTable(db, radio);
        for (int i = 0, n = UsedChannels(db, radio); i < n; ++i)
            if (moved(table[size_t(i)].usTpId))
                table[size_t(i)].usTpId = uint16_t(newId[table[size_t(i)].usTpId]);
        RewriteFavLists(db, radio, [&](int, std::vector<uint32_t> list) {
            for (uint32_t& key : list)
                if (moved(key >> 16))
                    key = KeyWithTpId(key, uint32_t(newId[key >> 16]));
            return list;
        });
    }
    return RemoveTransponders(db, records, [](const CheckRecord& r) { return r.iValue; });
}

int MergeDuplicateChannels(Database& db, const std::vector<CheckRecord>& records)
{
    for (const bool radio : {false, true}) {
        auto& table = ChannelTable(db, radio);
        std::vector<bool> drop(size_t(UsedChannels(db, radio)), false);
        std::unordered_map<uint32_t, uint32_t> keptKey; // the key of each duplicate's channel -> the kept one's
        for (const CheckRecord& record : records) {
            if (record.bRadio != radio)
                continue;
            ChannelRecord& kept = table[size_t(record.iValue)];
            const ChannelRecord& gone = table[size_t(record.iIndex)];
            kept.usFavBits = uint16_t(kept.usFavBits | (gone.usFavBits & kFavGroupBits));
            if (ChLocked(gone))
                SetChLocked(kept, 1);
            keptKey[ChannelKey(gone)] = ChannelKey(kept);
            keptKey[ChannelKey(kept)] = ChannelKey(kept);
            drop[size_t(record.iIndex)] = true;
        }
        // In each group a duplicate set keeps one entry: the kept channel's
        // own, else the first one of a removed channel, which the kept one takes.
        RewriteFavLists(db, radio, [&](int, const std::vector<uint32_t>& list) {
            std::unordered_set<uint32_t> listed, placed;
            for (uint32_t key : list)
                if (const auto it = keptKey.find(key); it != keptKey.end() && it->second == key)
                    listed.insert(key);
            std::vector<uint32_t> kept;
            for (uint32_t key : list) {
                const auto it = keptKey.find(key);
                if (it == keptKey.end()) {
                    kept.push_back(key);
                    continue;
                }
                const uint32_t keeper = it->second;
                if (placed.count(keeper) || (listed.count(keeper) && key != keeper))
                    continue;
                kept.push_back(keeper);
                placed.insert(keeper);
            }
            return kept;
        });
        RemoveChannelSlots(db, radio, drop);
    }
    return int(records.size());
}

// Every channel of a missing transponder is a record of its own, so the
// records' slots are all the channels of those transponders.
int RemoveOrphanChannels(Database& db, const std::vector<CheckRecord>& records)
{
    int removed = 0;
    for (const bool radio : {false, true}) {
        std::vector<bool> drop(size_t(UsedChannels(db, radio)), false);
        for (const CheckRecord& record : records)
            if (record.bRadio == radio)
                drop[size_t(record.iIndex)] = true;
        removed += RemoveChannelSlots(db, radio, drop);
    }
    return removed;
}

// Drops the stale entries and rewrites the groups with a damaged count.
void CleanFavGroups(Database& db, const DatabaseFindings& findings, FixReport& report)
{
    for (const bool radio : {false, true})
        RewriteFavLists(db, radio, [&](int g, const std::vector<uint32_t>& list) {
            std::vector<bool> stale(list.size(), false);
            for (const CheckRecord& record : findings.Of(CheckKind::StaleFavourites))
                if (record.bRadio == radio && record.iIndex == g)
                    stale[size_t(record.iValue)] = true;
            std::vector<uint32_t> kept;
            for (size_t p = 0; p < list.size(); ++p)
                if (!stale[p])
                    kept.push_back(list[p]);
            return kept;
        });
    report.aiFixed[size_t(CheckKind::StaleFavourites)] = findings.Count(CheckKind::StaleFavourites);
    report.aiFixed[size_t(CheckKind::DamagedCounts)] = findings.Count(CheckKind::DamagedCounts);
}

int ResetChosenTransponders(Database& db, const std::vector<CheckRecord>& records)
{
    for (const CheckRecord& record : records)
        SetSatChosenTp(db.SatelliteTable[size_t(record.iIndex)], kNoChosenTp);
    return int(records.size());
}

} // namespace

FixReport FixDatabase(Database& db, const FixSelection& selection)
{
    FixReport report;
    const auto step = [&](CheckKind kind, auto fix) {
        if (!Selected(selection, kind))
            return;
        fix(CheckDatabase(db), report.aiFixed[size_t(kind)]);
    };
    const auto noKept = [](const CheckRecord&) { return -1; };
    step(CheckKind::DuplicateTransponders, [&](const DatabaseFindings& f, int& fixed) {
        fixed = MergeDuplicateTransponders(db, f.Of(CheckKind::DuplicateTransponders));
    });
    step(CheckKind::DuplicateChannels, [&](const DatabaseFindings& f, int& fixed) {
        fixed = MergeDuplicateChannels(db, f.Of(CheckKind::DuplicateChannels));
    });
    step(CheckKind::OrphanChannels, [&](const DatabaseFindings& f, int& fixed) {
        fixed = RemoveOrphanChannels(db, f.Of(CheckKind::OrphanChannels));
    });
    step(CheckKind::StaleFavourites, [&](const DatabaseFindings& f, int&) { CleanFavGroups(db, f, report); });
    step(CheckKind::OrphanTransponders, [&](const DatabaseFindings& f, int& fixed) {
        fixed = RemoveTransponders(db, f.Of(CheckKind::OrphanTransponders), noKept);
    });
    step(CheckKind::EmptyTransponders, [&](const DatabaseFindings& f, int& fixed) {
        fixed = RemoveTransponders(db, f.Of(CheckKind::EmptyTransponders), noKept);
    });
    step(CheckKind::ChosenTransponders, [&](const DatabaseFindings& f, int& fixed) {
        fixed = ResetChosenTransponders(db, f.Of(CheckKind::ChosenTransponders));
    });
    return report;
}

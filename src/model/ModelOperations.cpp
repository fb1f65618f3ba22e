#include "ModelOperations.h"

#include "BitFields.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

constexpr char kDefaultFavName[] = "MyFav";
constexpr char kDefaultPin[] = "3917";
constexpr char kNewMagic[] = "SDX";

void ClearFavGroup(FavGroup& group)
{
    std::memset(&group, 0, sizeof group);
    std::fill(std::begin(group.aulFavKey), std::end(group.aulFavKey), kFreeFavSlot);
}

bool ValidGroup(int group) { return group >= 0 && group < kMaxFavGroups; }

// Compacts table slots 0..count-1, dropping the slots for which drop(slot) is true.
template <typename Drop>
int CompactChannels(std::array<ChannelRecord, kMaxChannels>& table, int16_t& count, Drop drop)
{
    int removed = 0;
    for (int i = 0; i < count; ++i) {
        if (drop(i))
            ++removed;
        else if (removed > 0)
            table[i - removed] = table[i];
    }
    count = int16_t(count - removed);
    return removed;
}

int TpSlotOfChannel(const Database& db, int channel, int tvFlag)
{
    const bool radio = (tvFlag & 0xFF) == 0;
    if (channel < 0 || channel >= kMaxChannels)
        return -1;
    const uint16_t tpId = ChannelTable(db, radio)[channel].usTpId;
    for (int i = 0; i < db.header.sTpNumber; ++i)
        if (TpId(db.TransponderTable[i]) == tpId)
            return i;
    return -1;
}

} // namespace

void ResetDatabase(Database& db)
{
    std::memset(&db.header, 0, sizeof db.header);
    std::memcpy(db.header.acMagic, kNewMagic, sizeof kNewMagic);
    db.header.sSatSize = sizeof(SatelliteRecord);
    db.header.sTpSize = sizeof(TransponderRecord);
    db.header.sChannelSize = sizeof(ChannelRecord);
    db.header.sSettingsLen = kSettingsSize;
    db.header.sReservedLen = kReservedSize;
    db.header.sFavNumber = kMaxFavGroups;
    db.header.sFavSize = sizeof(FavGroup);

    db.SettingsBlock.fill(0);
    std::memcpy(db.SettingsBlock.data() + kFavNamePos, kDefaultFavName, sizeof kDefaultFavName);
    db.SettingsBlock[4] = 2;
    db.SettingsBlock[5] = 20;
    db.SettingsBlock[8] = 38;
    db.SettingsBlock[9] = 1;
    std::memcpy(db.SettingsBlock.data() + kPinPos, kDefaultPin, sizeof kDefaultPin);

    std::memset(db.SatelliteTable.data(), 0, sizeof db.SatelliteTable);
    std::memset(db.TransponderTable.data(), 0, sizeof db.TransponderTable);
    std::memset(db.TvChannelTable.data(), 0, sizeof db.TvChannelTable);
    std::memset(db.RadioChannelTable.data(), 0, sizeof db.RadioChannelTable);
    db.ReservedWord.fill(0);
    for (FavGroup& group : db.FavGroupTable)
        ClearFavGroup(group);

    db.bHasTerrestrial = db.bHasCable = db.bHasIsdbt = 0;
}

void NoteDelivery(Database& db, const ChannelRecord& channel)
{
    switch (ChDelivery(channel)) {
    case kChTerrestrial: db.bHasTerrestrial = 1; break;
    case kChCable: db.bHasCable = 1; break;
    case kChIsdbt: db.bHasIsdbt = 1; break;
    default: break;
    }
}

void SetChannelName(ChannelRecord& channel, std::string_view name)
{
    name = name.substr(0, std::min(name.find('\0'), sizeof channel.acName));
    std::memset(channel.acName, 0, sizeof channel.acName);
    std::memcpy(channel.acName, name.data(), name.size());
    channel.ucNameLen = uint8_t(std::min(name.size(), sizeof channel.acName - 1));
}

int RemoveChannelsOfTp(Database& db, uint16_t tpId)
{
    if (db.header.sTVNumber <= 0 && db.header.sRadioNumber <= 0)
        return 0;
    const int tv = CompactChannels(db.TvChannelTable, db.header.sTVNumber,
                                   [&](int i) { return db.TvChannelTable[i].usTpId == tpId; });
    const int radio = CompactChannels(db.RadioChannelTable, db.header.sRadioNumber,
                                      [&](int i) { return db.RadioChannelTable[i].usTpId == tpId; });
    return tv + radio;
}

int RemoveChannelSlots(Database& db, bool radio, const std::vector<bool>& drop)
{
    return CompactChannels(ChannelTable(db, radio), ChannelCount(db, radio),
                           [&](int i) { return size_t(i) < drop.size() && drop[size_t(i)]; });
}

int RemoveTransponderSlots(Database& db, const std::vector<bool>& drop)
{
    const int count = TransponderCount(db);
    FollowChosenTransponders(std::span(db.SatelliteTable).first(size_t(SatelliteCount(db))),
                             std::span(db.TransponderTable).first(size_t(count)), drop);
    int kept = 0;
    for (int i = 0; i < count; ++i)
        if (size_t(i) >= drop.size() || !drop[size_t(i)])
            db.TransponderTable[size_t(kept++)] = db.TransponderTable[size_t(i)];
    const int removed = count - kept;
    db.header.sTpNumber = int16_t(db.header.sTpNumber - removed);
    return removed;
}

int RemoveTransponder(Database& db, int index)
{
    if (index >= 0 && index < TransponderCount(db)) {
        std::vector<bool> drop(size_t(index) + 1, false);
        drop[size_t(index)] = true;
        RemoveTransponderSlots(db, drop);
    }
    return 1;
}

void FollowChosenTransponders(std::span<SatelliteRecord> satellites, std::span<const TransponderRecord> transponders,
                              const std::vector<bool>& drop)
{
    // Per satellite: its transponders counted so far, those that stay, and
    // the new choice once its chosen one has been passed.
    struct Count {
        uint32_t listed = 0, staying = 0;
        std::optional<uint32_t> choice;
    };
    std::vector<Count> counts(satellites.size());
    for (size_t i = 0; i < transponders.size(); ++i) {
        const TransponderRecord& tp = transponders[i];
        if (TpKind(tp) != kTpSatellite || TpSatIndex(tp) >= satellites.size())
            continue;
        Count& count = counts[TpSatIndex(tp)];
        const bool dropped = i < drop.size() && drop[i];
        const uint32_t chosen = SatChosenTp(satellites[TpSatIndex(tp)]);
        if (chosen != kNoChosenTp && count.listed == chosen)
            count.choice = dropped ? kNoChosenTp : count.staying;
        ++count.listed;
        count.staying += dropped ? 0 : 1;
    }
    for (size_t s = 0; s < satellites.size(); ++s)
        if (counts[s].choice)
            SetSatChosenTp(satellites[s], *counts[s].choice);
}

int FindSatOfChannel(const Database& db, int channel, int tvFlag)
{
    const int slot = TpSlotOfChannel(db, channel, tvFlag);
    return slot < 0 ? -1 : int(TpSatIndex(db.TransponderTable[slot]));
}

int FindTpOfChannel(const Database& db, int channel, int tvFlag) { return TpSlotOfChannel(db, channel, tvFlag); }

FavCounts ClampedFavCounts(const FavGroup& group)
{
    const int tv = std::clamp<int>(group.sTvFavNum, 0, kFavSlots);
    const int radio = std::clamp<int>(group.sRadioFavNum, 0, kFavSlots - tv);
    return {tv, radio};
}

std::array<std::vector<uint32_t>, 2> FavGroupLists(const FavGroup& group)
{
    const FavCounts n = ClampedFavCounts(group);
    std::array<std::vector<uint32_t>, 2> lists;
    lists[0].assign(group.aulFavKey, group.aulFavKey + n.tv);
    for (int p = 0; p < n.radio; ++p)
        lists[1].push_back(group.aulFavKey[kFavSlots - 1 - p]);
    return lists;
}

bool StoreFavGroupLists(FavGroup& group, const std::array<std::vector<uint32_t>, 2>& lists)
{
    const FavGroup before = group;
    const FavCounts old = ClampedFavCounts(group);
    const int tv = std::min<int>(int(lists[0].size()), kFavSlots);
    const int radio = std::min<int>(int(lists[1].size()), kFavSlots - tv);
    for (int p = tv; p < old.tv; ++p)
        group.aulFavKey[p] = kFreeFavSlot;
    for (int p = radio; p < old.radio; ++p)
        group.aulFavKey[kFavSlots - 1 - p] = kFreeFavSlot;
    std::copy_n(lists[0].begin(), tv, group.aulFavKey);
    for (int p = 0; p < radio; ++p)
        group.aulFavKey[kFavSlots - 1 - p] = lists[1][size_t(p)];
    group.sTvFavNum = int16_t(tv);
    group.sRadioFavNum = int16_t(radio);
    if (std::memcmp(&before, &group, sizeof group) == 0)
        return false;
    group.ucFavChanged = 1;
    return true;
}

int AddFavEntry(Database& db, int group, uint32_t key, int radio)
{
    if (!ValidGroup(group))
        return kFavBadGroup;
    FavGroup& g = db.FavGroupTable[group];
    const FavCounts n = ClampedFavCounts(g);
    if (n.tv + n.radio >= kFavSlots)
        return kFavFullOrMissing;
    if (radio) {
        g.aulFavKey[kFavSlots - 1 - n.radio] = key;
        g.sRadioFavNum = int16_t(n.radio + 1);
    } else {
        g.aulFavKey[n.tv] = key;
        g.sTvFavNum = int16_t(n.tv + 1);
    }
    g.ucFavChanged = 1;
    return kFavDone;
}

int FindFavEntry(const Database& db, int group, uint32_t key, int radio)
{
    if (!ValidGroup(group))
        return kFavBadGroup;
    const FavGroup& g = db.FavGroupTable[group];
    const FavCounts n = ClampedFavCounts(g);
    const int entries = radio ? n.radio : n.tv;
    for (int p = 0; p < entries; ++p) {
        const int slot = radio ? kFavSlots - 1 - p : p;
        if (g.aulFavKey[slot] == key)
            return p;
    }
    return kFavFullOrMissing;
}

int RemoveFavEntry(Database& db, int group, uint32_t key, int radio)
{
    if (!ValidGroup(group))
        return kFavBadGroup;
    const int p = FindFavEntry(db, group, key, radio);
    if (p < 0)
        return kFavFullOrMissing;
    FavGroup& g = db.FavGroupTable[group];
    const FavCounts n = ClampedFavCounts(g);
    if (radio) {
        for (int slot = kFavSlots - 2 - p; slot >= kFavSlots - n.radio; --slot)
            g.aulFavKey[slot + 1] = g.aulFavKey[slot];
        g.aulFavKey[kFavSlots - n.radio] = kFreeFavSlot;
        g.sRadioFavNum = int16_t(n.radio - 1);
    } else {
        for (int slot = p + 1; slot < n.tv; ++slot)
            g.aulFavKey[slot - 1] = g.aulFavKey[slot];
        g.aulFavKey[n.tv - 1] = kFreeFavSlot;
        g.sTvFavNum = int16_t(n.tv - 1);
    }
    g.ucFavChanged = 1;
    return kFavDone;
}

int PurgeFavGroup(Database& db, int group, int radio)
{
    if (!ValidGroup(group))
        return kFavBadGroup;
    FavGroup& g = db.FavGroupTable[group];
    const FavCounts n = ClampedFavCounts(g);
    if (n.tv + n.radio >= kFavSlots)
        return kFavFullOrMissing;
    const int entries = radio ? n.radio : n.tv;
    const auto slotOf = [radio](int p) { return radio ? kFavSlots - 1 - p : p; };

    // Sort the group's keys once, then mark those that a member channel
    // carries in a single pass over the table.
    std::array<uint32_t, kFavSlots> keys;
    for (int p = 0; p < entries; ++p)
        keys[p] = g.aulFavKey[slotOf(p)];
    std::sort(keys.begin(), keys.begin() + entries);
    const auto keysEnd = std::unique(keys.begin(), keys.begin() + entries);
    std::array<bool, kFavSlots> member{};
    const uint16_t bit = uint16_t(1u << group);
    const auto& table = ChannelTable(db, radio != 0);
    for (int i = 0; i < ChannelCount(db, radio != 0); ++i) {
        if (!(table[i].usFavBits & bit))
            continue;
        const auto it = std::lower_bound(keys.begin(), keysEnd, ChannelKey(table[i]));
        if (it != keysEnd && *it == ChannelKey(table[i]))
            member[size_t(it - keys.begin())] = true;
    }

    int removed = 0;
    for (int p = 0; p < entries; ++p) {
        const uint32_t key = g.aulFavKey[slotOf(p)];
        const auto it = std::lower_bound(keys.begin(), keysEnd, key);
        if (!member[size_t(it - keys.begin())])
            ++removed;
        else if (removed > 0)
            g.aulFavKey[slotOf(p - removed)] = key;
    }
    if (removed > 0) {
        if (radio)
            g.sRadioFavNum = int16_t(n.radio - removed);
        else
            g.sTvFavNum = int16_t(n.tv - removed);
        g.ucFavChanged = 1;
    }
    return removed;
}

FreeTpIds::FreeTpIds(std::span<const TransponderRecord> table)
{
    for (const TransponderRecord& tp : table)
        if (const uint32_t id = TpId(tp); id < kMaxTransponders)
            abUsed.set(id);
}

FreeTpIds::FreeTpIds(const Database& db)
    : FreeTpIds(std::span(db.TransponderTable).first(size_t(TransponderCount(db))))
{
}

int FreeTpIds::Take()
{
    while (iNext < kMaxTransponders && abUsed.test(size_t(iNext)))
        ++iNext;
    if (iNext == kMaxTransponders)
        return -1;
    abUsed.set(size_t(iNext));
    return iNext++;
}

#include "DatabaseCheck.h"

#include "BitFields.h"
#include "FavGroupNames.h"
#include "ModelOperations.h"
#include "ReferenceList.h"

#include <algorithm>
#include <bit>
#include <tuple>

namespace {

constexpr size_t kTpIdSpace = 65536; // every value of a channel's usTpId

// A transponder as the duplicate search compares it: everything but the
// frequency must be equal, the frequencies within the kind's tolerance.
struct TpEntry {
    uint32_t ulKind;
    uint32_t ulSatellite;
    uint32_t ulPolarisation;
    uint32_t ulFrequency;
    int iSlot;
    auto Group() const { return std::tie(ulKind, ulSatellite, ulPolarisation); }
    auto Tuple() const { return std::tie(ulKind, ulSatellite, ulPolarisation, ulFrequency, iSlot); }
};

// Runs of sorted entries in which each one is close enough to the one
// before: the connected groups of a one-dimensional tolerance, so that the
// result does not depend on the table order and whatever is kept of two
// groups never matches.
template <typename Entry, typename Linked, typename Visit>
void ForEachRun(const std::vector<Entry>& entries, Linked linked, Visit visit)
{
    size_t first = 0;
    for (size_t i = 1; i <= entries.size(); ++i) {
        if (i < entries.size() && linked(entries[i - 1], entries[i]))
            continue;
        if (i - first > 1)
            visit(first, i);
        first = i;
    }
}

// A channel as the duplicate search sorts it: by the identity's key, then
// its frequency, so that the channels that can match are side by side.
struct ChannelEntry {
    ChannelIdentity id;
    uint64_t ullKey;
    int iSlot;
    auto Tuple() const { return std::tie(ullKey, id.ulFrequency, iSlot); }
};

bool BadName(const ChannelRecord& channel, uint8_t& reason)
{
    const std::string_view name = FieldText(channel.acName);
    reason = name.empty() ? kEmptyName : kControlBytes;
    return name.empty() ||
           std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool OfNoSatellite(const Database& db, const TransponderRecord& tp)
{
    return TpKind(tp) == kTpSatellite && int(TpSatIndex(tp)) >= SatelliteCount(db);
}

std::vector<int> DuplicateTransponderKeepers(const Database& db)
{
    const int count = TransponderCount(db);
    std::vector<int> keepers(size_t(count), -1);
    std::vector<TpEntry> entries;
    for (int slot = 0; slot < count; ++slot) {
        const TransponderRecord& tp = db.TransponderTable[size_t(slot)];
        const uint32_t kind = TpKind(tp);
        if (OfNoSatellite(db, tp))
            continue;
        const bool satellite = kind == kTpSatellite;
        entries.push_back(
            {kind, satellite ? TpSatIndex(tp) : 0, satellite ? TpPolarisation(tp) : 0, TpFrequency(tp), slot});
    }
    std::sort(entries.begin(), entries.end(),
              [](const TpEntry& a, const TpEntry& b) { return a.Tuple() < b.Tuple(); });
    const auto linked = [](const TpEntry& a, const TpEntry& b) {
        return a.Group() == b.Group() && b.ulFrequency - a.ulFrequency <= TpFrequencyTolerance(a.ulKind);
    };
    ForEachRun(entries, linked, [&](size_t first, size_t end) {
        int keeper = entries[first].iSlot;
        for (size_t i = first; i < end; ++i)
            keeper = std::min(keeper, entries[i].iSlot);
        for (size_t i = first; i < end; ++i)
            if (entries[i].iSlot != keeper)
                keepers[size_t(entries[i].iSlot)] = keeper;
    });
    return keepers;
}

int FavouriteCount(const ChannelRecord& channel) { return std::popcount(unsigned(channel.usFavBits & kFavGroupBits)); }

std::vector<int> DuplicateChannelKeepers(const Database& db, bool radio, const std::vector<int>& tpKeepers)
{
    // Channels of a duplicate transponder are seen on the one it merges into.
    TpSlotIndex tps = IndexTransponders(db);
    for (size_t slot = 0; slot < tpKeepers.size(); ++slot) {
        const uint32_t id = TpId(db.TransponderTable[slot]);
        if (tpKeepers[slot] >= 0 && tps[id] == int16_t(slot))
            tps[id] = int16_t(tpKeepers[slot]);
    }
    const auto& table = ChannelTable(db, radio);
    const int count = UsedChannels(db, radio);
    std::vector<ChannelEntry> entries;
    entries.reserve(size_t(count));
    for (int slot = 0; slot < count; ++slot) {
        const ChannelIdentity id = IdentityOfChannel(db, tps, table[size_t(slot)]);
        if (id.kind != IdentityKind::None)
            entries.push_back({id, IdentityKey(id), slot});
    }
    std::sort(entries.begin(), entries.end(),
              [](const ChannelEntry& a, const ChannelEntry& b) { return a.Tuple() < b.Tuple(); });
    std::vector<int> keepers(size_t(count), -1);
    const auto linked = [](const ChannelEntry& a, const ChannelEntry& b) { return IdentitiesMatch(a.id, b.id); };
    ForEachRun(entries, linked, [&](size_t first, size_t end) {
        // The one in the most groups, then a locked one, then the first.
        const auto rank = [&](size_t i) {
            const ChannelRecord& c = table[size_t(entries[i].iSlot)];
            return std::make_tuple(FavouriteCount(c), ChLocked(c), -entries[i].iSlot);
        };
        size_t best = first;
        for (size_t i = first + 1; i < end; ++i)
            if (rank(i) > rank(best))
                best = i;
        for (size_t i = first; i < end; ++i)
            keepers[size_t(entries[i].iSlot)] = entries[best].iSlot;
    });
    return keepers;
}

std::vector<int> ChannelsPerTpId(const Database& db)
{
    std::vector<int> channels(size_t(kTpIdSpace), 0);
    for (const bool radio : {false, true})
        for (int i = 0, n = UsedChannels(db, radio); i < n; ++i)
            ++channels[ChannelTable(db, radio)[size_t(i)].usTpId];
    return channels;
}

// Entries that list no channel of their table, and those of a key listed
// more often than the table has channels with it (the first ones stay).
std::vector<CheckRecord> StaleFavEntries(const Database& db)
{
    std::vector<CheckRecord> stale;
    for (const bool radio : {false, true}) {
        std::vector<uint32_t> keys;
        const auto& table = ChannelTable(db, radio);
        for (int i = 0, n = UsedChannels(db, radio); i < n; ++i)
            keys.push_back(ChannelKey(table[size_t(i)]));
        std::sort(keys.begin(), keys.end());
        for (int g = 0; g < FavGroupCount(db); ++g) {
            const std::vector<uint32_t> list = FavGroupLists(db.FavGroupTable[size_t(g)])[radio ? 1 : 0];
            // Each entry with the number of entries of its key before it.
            std::vector<std::pair<uint32_t, int>> byKey;
            for (size_t p = 0; p < list.size(); ++p)
                byKey.emplace_back(list[p], int(p));
            std::sort(byKey.begin(), byKey.end());
            for (size_t i = 0, run = 0; i < byKey.size(); ++i) {
                run = i > 0 && byKey[i - 1].first == byKey[i].first ? run + 1 : 0;
                const auto range = std::equal_range(keys.begin(), keys.end(), byKey[i].first);
                const size_t channels = size_t(range.second - range.first);
                if (run >= channels)
                    stale.push_back({g, byKey[i].second, radio, channels == 0 ? kNoChannel : kRepeated});
            }
        }
    }
    std::sort(stale.begin(), stale.end(), [](const CheckRecord& a, const CheckRecord& b) {
        return std::tie(a.bRadio, a.iIndex, a.iValue) < std::tie(b.bRadio, b.iIndex, b.iValue);
    });
    return stale;
}

} // namespace

int DatabaseFindings::Fixable(CheckKind kind) const
{
    if (!HasFix(kind))
        return 0;
    const auto& records = Of(kind);
    return int(std::count_if(records.begin(), records.end(), [](const CheckRecord& r) { return r.bFixable; }));
}

bool DatabaseFindings::Empty() const
{
    return std::all_of(aRecords.begin(), aRecords.end(), [](const auto& records) { return records.empty(); });
}

DatabaseFindings CheckDatabase(const Database& db)
{
    DatabaseFindings findings;
    const auto add = [&](CheckKind kind, CheckRecord record) { findings.aRecords[size_t(kind)].push_back(record); };

    const std::vector<int> tpKeepers = DuplicateTransponderKeepers(db);
    const std::vector<int> perTpId = ChannelsPerTpId(db);
    std::vector<bool> tpIdUsed(size_t(kTpIdSpace), false);
    std::array<int, kMaxSatellites> satTransponders{};
    for (int slot = 0, n = TransponderCount(db); slot < n; ++slot) {
        const TransponderRecord& tp = db.TransponderTable[size_t(slot)];
        tpIdUsed[TpId(tp)] = true;
        const int channels = perTpId[TpId(tp)];
        if (OfNoSatellite(db, tp))
            add(CheckKind::OrphanTransponders, {slot, channels, false, 0, channels == 0});
        else if (tpKeepers[size_t(slot)] >= 0)
            add(CheckKind::DuplicateTransponders, {slot, tpKeepers[size_t(slot)]});
        else if (channels == 0)
            add(CheckKind::EmptyTransponders, {slot});
        if (TpKind(tp) == kTpSatellite && TpSatIndex(tp) < uint32_t(kMaxSatellites))
            ++satTransponders[TpSatIndex(tp)];
    }

    for (const bool radio : {false, true}) {
        const auto& table = ChannelTable(db, radio);
        const std::vector<int> keepers = DuplicateChannelKeepers(db, radio, tpKeepers);
        for (int slot = 0, n = UsedChannels(db, radio); slot < n; ++slot) {
            const ChannelRecord& channel = table[size_t(slot)];
            if (keepers[size_t(slot)] >= 0 && keepers[size_t(slot)] != slot)
                add(CheckKind::DuplicateChannels, {slot, keepers[size_t(slot)], radio});
            if (!tpIdUsed[channel.usTpId])
                add(CheckKind::OrphanChannels, {slot, channel.usTpId, radio});
            if (uint8_t reason; BadName(channel, reason))
                add(CheckKind::BadNames, {slot, 0, radio, reason});
        }
    }

    findings.aRecords[size_t(CheckKind::StaleFavourites)] = StaleFavEntries(db);

    for (int s = 0, n = SatelliteCount(db); s < n; ++s) {
        const uint32_t chosen = SatChosenTp(db.SatelliteTable[size_t(s)]);
        if (chosen != kNoChosenTp && chosen >= uint32_t(satTransponders[size_t(s)]))
            add(CheckKind::ChosenTransponders, {s, int(chosen)});
    }

    for (int g = 0; g < FavGroupCount(db); ++g) {
        const FavGroup& group = db.FavGroupTable[size_t(g)];
        const FavCounts n = ClampedFavCounts(group);
        if (group.sTvFavNum != n.tv)
            add(CheckKind::DamagedCounts, {g, group.sTvFavNum, false});
        if (group.sRadioFavNum != n.radio)
            add(CheckKind::DamagedCounts, {g, group.sRadioFavNum, true});
    }
    return findings;
}

FixSelection DefaultFixes()
{
    FixSelection selection;
    for (size_t k = 0; k < kCheckKinds.size(); ++k)
        selection.set(k, kCheckKinds[k].bFixByDefault);
    return selection;
}

FixSelection AllFixes()
{
    FixSelection selection;
    for (size_t k = 0; k < kCheckKinds.size(); ++k)
        selection.set(k, kCheckKinds[k].pszOption != nullptr);
    return selection;
}

bool FixReport::Changed() const
{
    return std::any_of(aiFixed.begin(), aiFixed.end(), [](int n) { return n > 0; });
}

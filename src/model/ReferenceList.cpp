#include "ReferenceList.h"

#include "BitFields.h"
#include "FavGroupNames.h"
#include "ModelOperations.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <tuple>

namespace {

constexpr int kFavBitCount = 8;

template <typename T>
T Distance(T a, T b)
{
    return a > b ? a - b : b - a;
}

// The first place of each key in the groups' stored lists of one table:
// TV entries from slot 0 up, radio entries from slot 199 down.
class FavPlaces {
public:
    FavPlaces(const Database& db, bool radio)
    {
        for (int g = 0; g < kMaxFavGroups; ++g) {
            const std::vector<uint32_t> list = FavGroupLists(db.FavGroupTable[size_t(g)])[radio ? 1 : 0];
            auto& places = aGroups[size_t(g)];
            for (size_t p = 0; p < list.size(); ++p)
                places.emplace_back(list[p], int16_t(p));
            std::sort(places.begin(), places.end());
        }
    }

    int16_t Place(int group, uint32_t key) const
    {
        const auto& places = aGroups[size_t(group)];
        const auto it = std::lower_bound(places.begin(), places.end(), std::pair<uint32_t, int16_t>(key, INT16_MIN));
        return it != places.end() && it->first == key ? it->second : kNoFavPlace;
    }

private:
    std::array<std::vector<std::pair<uint32_t, int16_t>>, kMaxFavGroups> aGroups;
};

// A channel as a reference list holds it, its places in the groups aside.
ReferenceChannel ReferenceOfChannel(const Database& db, const TpSlotIndex& tps, const ChannelRecord& channel)
{
    ReferenceChannel ref;
    ref.identity = IdentityOfChannel(db, tps, channel);
    ref.ulDelivery = ChDelivery(channel);
    std::memcpy(ref.acName, channel.acName, sizeof ref.acName);
    ref.ucLocked = uint8_t(ChLocked(channel));
    ref.ucFavBits = uint8_t(channel.usFavBits & kFavGroupBits);
    return ref;
}

// Current channels by identity: sorted by identity without the frequency,
// then frequency, then slot, so that the candidates of a reference channel
// are one run and its frequency window one stretch of it.
struct IdentityEntry {
    uint64_t ullKey;
    uint32_t ulFrequency;
    int iSlot;
    auto Tuple() const { return std::tie(ullKey, ulFrequency, iSlot); }
};

// Current channels by name: sorted by delivery system, name and slot; empty
// names are left out since they never match.
struct NameEntry {
    uint32_t ulDelivery;
    std::string_view name;
    int iSlot;
    auto Tuple() const { return std::tie(ulDelivery, name, iSlot); }
};

// Where a transponder is, for the nearness the match by name ranks: the
// identity without frequency and service id, plus the transponder kind.
uint64_t PlaceKey(const ChannelIdentity& id) { return IdentityKey(id) >> 16 << 16 | id.ucTpKind; }

// Frequencies of every kind compared in kHz.
uint64_t FrequencyKHz(const ChannelIdentity& id)
{
    return id.kind == IdentityKind::Terrestrial ? id.ulFrequency : uint64_t(id.ulFrequency) * 1000;
}

// The untaken channels of one name and delivery system as the match by name
// searches them: those with a transponder by place, frequency and slot, and
// by frequency and slot alone (place 0); all of them by slot.
struct NameRun {
    using Key = std::tuple<uint64_t, uint64_t, int>;
    std::set<Key> byPlace, byFrequency;
    std::set<int> slots;
};

// The key of a place nearest to a frequency, the lowest slot among equals.
std::optional<NameRun::Key> Nearest(const std::set<NameRun::Key>& keys, uint64_t place, uint64_t frequency)
{
    std::optional<NameRun::Key> best;
    const auto distance = [frequency](const NameRun::Key& key) { return Distance(std::get<1>(key), frequency); };
    const auto consider = [&](std::set<NameRun::Key>::const_iterator it) {
        if (it == keys.end() || std::get<0>(*it) != place)
            return;
        if (!best || std::pair(distance(*it), std::get<2>(*it)) < std::pair(distance(*best), std::get<2>(*best)))
            best = *it;
    };
    const auto above = keys.lower_bound({place, frequency, INT_MIN});
    consider(above);
    if (above != keys.begin() && std::get<0>(*std::prev(above)) == place)
        consider(keys.lower_bound({place, std::get<1>(*std::prev(above)), INT_MIN}));
    return best;
}

class TableMatcher {
public:
    TableMatcher(const Database& db, bool radio) : abMatched(size_t(UsedChannels(db, radio)))
    {
        const TpSlotIndex tps = IndexTransponders(db);
        const auto& table = ChannelTable(db, radio);
        const int count = int(abMatched.size());
        aIdentity.reserve(size_t(count));
        identities.reserve(size_t(count));
        for (int slot = 0; slot < count; ++slot) {
            const ChannelRecord& channel = table[size_t(slot)];
            const ChannelIdentity& id = aIdentity.emplace_back(IdentityOfChannel(db, tps, channel));
            if (id.kind != IdentityKind::None)
                identities.push_back({IdentityKey(id), id.ulFrequency, slot});
            const std::string_view name = FieldText(channel.acName);
            if (!name.empty())
                names.push_back({ChDelivery(channel), name, slot});
        }
        std::sort(identities.begin(), identities.end(),
                  [](const IdentityEntry& a, const IdentityEntry& b) { return a.Tuple() < b.Tuple(); });
        std::sort(names.begin(), names.end(),
                  [](const NameEntry& a, const NameEntry& b) { return a.Tuple() < b.Tuple(); });
    }

    // The untaken channel with a matching identity: nearest frequency, then
    // lowest slot; -1 for none.
    int TakeByIdentity(const ChannelIdentity& id)
    {
        if (id.kind == IdentityKind::None)
            return -1;
        const uint64_t key = IdentityKey(id);
        const uint32_t tolerance = FrequencyTolerance(id.kind);
        const uint32_t low = id.ulFrequency > tolerance ? id.ulFrequency - tolerance : 0;
        const uint32_t high = id.ulFrequency > UINT32_MAX - tolerance ? UINT32_MAX : id.ulFrequency + tolerance;
        auto it = std::lower_bound(identities.begin(), identities.end(), std::make_pair(key, low),
                                   [](const IdentityEntry& e, const std::pair<uint64_t, uint32_t>& v) {
                                       return std::tie(e.ullKey, e.ulFrequency) < std::tie(v.first, v.second);
                                   });
        int best = -1;
        uint32_t bestDistance = UINT32_MAX;
        for (; it != identities.end() && it->ullKey == key && it->ulFrequency <= high; ++it) {
            if (abMatched[size_t(it->iSlot)])
                continue;
            const uint32_t distance = Distance(it->ulFrequency, id.ulFrequency);
            if (distance < bestDistance || (distance == bestDistance && it->iSlot < best)) {
                best = it->iSlot;
                bestDistance = distance;
            }
        }
        if (best >= 0)
            abMatched[size_t(best)] = true;
        return best;
    }

    // The untaken channel of the same non-empty name and delivery system on
    // the transponder nearest to the reference channel's: the same place
    // first, then the smallest frequency difference, then the lowest slot;
    // channels without a transponder last. -1 for none.
    int TakeByName(const ReferenceChannel& ref)
    {
        const auto first = std::lower_bound(names.begin(), names.end(), std::make_pair(ref.ulDelivery, ref.Name()),
                                            [](const NameEntry& e, const std::pair<uint32_t, std::string_view>& v) {
                                                return std::tie(e.ulDelivery, e.name) < std::tie(v.first, v.second);
                                            });
        if (ref.Name().empty() || first == names.end() || first->ulDelivery != ref.ulDelivery ||
            first->name != ref.Name())
            return -1;
        NameRun& run = Run(first);
        std::optional<NameRun::Key> nearest;
        if (const ChannelIdentity& id = ref.identity; id.kind != IdentityKind::None) {
            nearest = Nearest(run.byPlace, PlaceKey(id), FrequencyKHz(id));
            if (!nearest)
                nearest = Nearest(run.byFrequency, 0, FrequencyKHz(id));
        }
        const int slot = nearest ? std::get<2>(*nearest) : run.slots.empty() ? -1 : *run.slots.begin();
        if (slot < 0)
            return -1;
        const ChannelIdentity& id = aIdentity[size_t(slot)];
        run.byPlace.erase({PlaceKey(id), FrequencyKHz(id), slot});
        run.byFrequency.erase({0, FrequencyKHz(id), slot});
        run.slots.erase(slot);
        abMatched[size_t(slot)] = true;
        return slot;
    }

private:
    // The run of names starting at first, built when the match by name first
    // needs it (after every match by identity), from the channels untaken then.
    NameRun& Run(std::vector<NameEntry>::const_iterator first)
    {
        const auto [it, added] = runs.try_emplace(size_t(first - names.cbegin()));
        NameRun& run = it->second;
        for (auto e = first;
             added && e != names.cend() && e->ulDelivery == first->ulDelivery && e->name == first->name; ++e) {
            if (abMatched[size_t(e->iSlot)])
                continue;
            const ChannelIdentity& id = aIdentity[size_t(e->iSlot)];
            if (id.kind != IdentityKind::None) {
                run.byPlace.insert({PlaceKey(id), FrequencyKHz(id), e->iSlot});
                run.byFrequency.insert({0, FrequencyKHz(id), e->iSlot});
            }
            run.slots.insert(e->iSlot);
        }
        return run;
    }

    std::vector<bool> abMatched;
    std::vector<ChannelIdentity> aIdentity; // by slot
    std::vector<IdentityEntry> identities;
    std::vector<NameEntry> names;
    std::map<size_t, NameRun> runs; // by the index of their first entry in names
};

// The favourite groups and settings as applying leaves them, built beside
// the old ones, and the summary.
struct Outcome {
    std::array<FavGroup, kMaxFavGroups> aGroups;
    std::array<uint8_t, kSettingsSize> settings;
    ReferenceSummary summary;
};

struct TablePlan {
    std::vector<int> aiOldSlot;   // new slot -> old slot
    std::vector<int> aiReference; // new slot -> partner's reference index, -1 for unmatched
};

TablePlan PlanTable(const Database& db, bool radio, const std::vector<ReferenceChannel>& reference,
                    TableSummary& summary)
{
    TablePlan plan;
    const TableMatch match = MatchTable(db, radio, reference);
    const auto& table = ChannelTable(db, radio);
    const TpSlotIndex tps = IndexTransponders(db);
    const int count = UsedChannels(db, radio);
    std::vector<bool> matched(static_cast<size_t>(count));
    for (size_t r = 0; r < reference.size(); ++r) {
        const int slot = match.aiPartner[r];
        switch (match.aHow[r]) {
        case MatchKind::Identity: ++summary.iByIdentity; break;
        case MatchKind::Name:
            summary.aByName.emplace_back(reference[r], ReferenceOfChannel(db, tps, table[size_t(slot)]));
            break;
        case MatchKind::None: summary.aNotFound.push_back(reference[r]); continue;
        }
        matched[size_t(slot)] = true;
        plan.aiOldSlot.push_back(slot);
        plan.aiReference.push_back(int(r));
    }
    for (int slot = 0; slot < count; ++slot) {
        if (matched[size_t(slot)])
            continue;
        summary.aUnmatched.push_back(ReferenceOfChannel(db, tps, table[size_t(slot)]));
        plan.aiOldSlot.push_back(slot);
        plan.aiReference.push_back(-1);
    }
    return plan;
}

// The key and the favourite bits 0-7 of each channel of one table after
// applying, by new slot: what the group rebuild reads, kept compact.
struct Members {
    std::vector<uint32_t> aulKey;
    std::vector<uint8_t> aucBits;
};

// A channel as applying leaves it: partner null for an unmatched one.
ChannelRecord ChannelAfter(ChannelRecord channel, const ReferenceChannel* pPartner, const ReferenceOptions& options)
{
    if (!pPartner)
        return channel;
    if (options.bLocks)
        SetChLocked(channel, pPartner->ucLocked);
    if (options.bFavourites)
        channel.usFavBits = uint16_t((channel.usFavBits & ~kFavGroupBits) | pPartner->ucFavBits);
    if (options.bNames)
        SetChannelName(channel, pPartner->Name());
    return channel;
}

const ReferenceChannel* PartnerAt(const TablePlan& plan, const std::vector<ReferenceChannel>& reference, size_t slot)
{
    const int r = plan.aiReference[slot];
    return r < 0 ? nullptr : &reference[size_t(r)];
}

Members MembersOf(const std::array<ChannelRecord, kMaxChannels>& table, const TablePlan& plan,
                  const std::vector<ReferenceChannel>& reference)
{
    Members members;
    for (size_t i = 0; i < plan.aiOldSlot.size(); ++i) {
        const ChannelRecord& channel = table[size_t(plan.aiOldSlot[i])];
        const ReferenceChannel* pPartner = PartnerAt(plan, reference, i);
        members.aulKey.push_back(ChannelKey(channel));
        members.aucBits.push_back(pPartner ? pPartner->ucFavBits : uint8_t(channel.usFavBits & kFavGroupBits));
    }
    return members;
}

// The channels of one table that group g lists after applying, in order:
// the matched ones by their partner's place (listed partners first), then
// the unmatched ones that were members, by their earlier place.
std::vector<uint32_t> GroupKeys(int g, const Members& members, const TablePlan& plan,
                                const std::vector<ReferenceChannel>& reference, const FavPlaces& oldPlaces)
{
    struct Member {
        int iPlace;
        int iOrder;
        uint32_t ulKey;
    };
    std::vector<Member> matched, unmatched;
    for (size_t i = 0; i < plan.aiOldSlot.size(); ++i) {
        if (!(members.aucBits[i] & (1u << g)))
            continue;
        const uint32_t key = members.aulKey[i];
        if (const int r = plan.aiReference[i]; r >= 0) {
            const int place = reference[size_t(r)].asFavPlace[size_t(g)];
            matched.push_back({place == kNoFavPlace ? INT_MAX : place, r, key});
        } else {
            const int place = oldPlaces.Place(g, key);
            unmatched.push_back({place == kNoFavPlace ? INT_MAX : place, plan.aiOldSlot[i], key});
        }
    }
    std::vector<uint32_t> keys;
    for (std::vector<Member>* pMembers : {&matched, &unmatched}) {
        std::stable_sort(pMembers->begin(), pMembers->end(), [](const Member& a, const Member& b) {
            return std::tie(a.iPlace, a.iOrder) < std::tie(b.iPlace, b.iOrder);
        });
        for (const Member& member : *pMembers)
            keys.push_back(member.ulKey);
    }
    return keys;
}

// Stores a group's lists (TV first, radio in the room that is left; a group
// the file does not store has no room at all); returns the entries left out
// of each table.
std::array<int, 2> RebuildGroup(FavGroup& group, bool stored, const std::array<std::vector<uint32_t>, 2>& keys)
{
    if (!stored)
        return {int(keys[0].size()), int(keys[1].size())};
    StoreFavGroupLists(group, keys);
    const FavCounts kept = ClampedFavCounts(group);
    return {int(keys[0].size()) - kept.tv, int(keys[1].size()) - kept.radio};
}

Outcome Plan(const Database& db, const ReferenceList& reference, const ReferenceOptions& options,
             std::array<TablePlan, 2>& plans)
{
    Outcome outcome;
    outcome.aGroups = db.FavGroupTable;
    outcome.settings = db.SettingsBlock;
    for (const bool radio : {false, true}) {
        const size_t t = radio ? 1 : 0;
        plans[t] = PlanTable(db, radio, reference.aTables[t], outcome.summary.aTables[t]);
    }
    if (!options.bFavourites)
        return outcome;

    const std::array<FavPlaces, 2> oldPlaces = {FavPlaces(db, false), FavPlaces(db, true)};
    const std::array<Members, 2> members = {MembersOf(db.TvChannelTable, plans[0], reference.aTables[0]),
                                            MembersOf(db.RadioChannelTable, plans[1], reference.aTables[1])};
    const int storedGroups = FavGroupCount(db);
    for (int g = 0; g < kFavBitCount; ++g) {
        std::array<std::vector<uint32_t>, 2> keys;
        for (const size_t t : {size_t(0), size_t(1)})
            keys[t] = GroupKeys(g, members[t], plans[t], reference.aTables[t], oldPlaces[t]);
        const auto leftOut = RebuildGroup(outcome.aGroups[size_t(g)], g < storedGroups, keys);
        for (const size_t t : {size_t(0), size_t(1)})
            outcome.summary.aTables[t].iFavLeftOut += leftOut[t];
        const auto& name = reference.aacFavName[size_t(g)];
        if (name[0] != 0)
            std::copy(name.begin(), name.end(), outcome.settings.begin() + kFavNamePos + kFavNameSize * g);
    }
    return outcome;
}

// Whether a table changes: a channel moves or takes something from its partner.
bool TableChanges(const std::array<ChannelRecord, kMaxChannels>& table, const TablePlan& plan,
                  const std::vector<ReferenceChannel>& reference, const ReferenceOptions& options)
{
    for (size_t i = 0; i < plan.aiOldSlot.size(); ++i) {
        if (plan.aiOldSlot[i] != int(i))
            return true;
        if (const ReferenceChannel* pPartner = PartnerAt(plan, reference, i)) {
            const ChannelRecord after = ChannelAfter(table[i], pPartner, options);
            if (std::memcmp(&after, &table[i], sizeof after) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

uint32_t FrequencyTolerance(IdentityKind kind)
{
    switch (kind) {
    case IdentityKind::Satellite: return 2;
    case IdentityKind::Cable: return 1;
    case IdentityKind::Terrestrial: return 1000;
    case IdentityKind::None: break;
    }
    return 0;
}

uint32_t TpFrequency(const TransponderRecord& tp)
{
    return IdentityKindOfTp(TpKind(tp)) == IdentityKind::Terrestrial ? TpUlFreq(tp) : tp.usFreq;
}

uint32_t TpFrequencyTolerance(uint32_t tpKind) { return FrequencyTolerance(IdentityKindOfTp(tpKind)); }

uint64_t IdentityKey(const ChannelIdentity& id)
{
    return (uint64_t(id.kind) << 40) | (uint64_t(id.usPosition) << 24) | (uint64_t(id.ucWest) << 23) |
           (uint64_t(id.ucPolarisation) << 16) | id.usServiceId;
}

bool IdentitiesMatch(const ChannelIdentity& a, const ChannelIdentity& b)
{
    return a.kind != IdentityKind::None && IdentityKey(a) == IdentityKey(b) &&
           Distance(a.ulFrequency, b.ulFrequency) <= FrequencyTolerance(a.kind);
}

IdentityKind IdentityKindOfTp(uint32_t tpKind)
{
    switch (tpKind) {
    case kTpSatellite: return IdentityKind::Satellite;
    case kTpCable: return IdentityKind::Cable;
    default: return IdentityKind::Terrestrial;
    }
}

TpSlotIndex IndexTransponders(const Database& db)
{
    TpSlotIndex index;
    index.fill(-1);
    for (int slot = TransponderCount(db) - 1; slot >= 0; --slot)
        index[TpId(db.TransponderTable[size_t(slot)])] = int16_t(slot);
    return index;
}

ChannelIdentity IdentityOfChannel(const Database& db, const TpSlotIndex& tps, const ChannelRecord& channel)
{
    ChannelIdentity id;
    id.usServiceId = channel.usServiceId;
    const int slot = channel.usTpId < tps.size() ? tps[channel.usTpId] : -1;
    if (slot < 0)
        return id;
    const TransponderRecord& tp = db.TransponderTable[size_t(slot)];
    const IdentityKind kind = IdentityKindOfTp(TpKind(tp));
    if (kind == IdentityKind::Satellite) {
        const uint32_t sat = TpSatIndex(tp);
        if (int(sat) >= SatelliteCount(db))
            return id;
        const SatelliteRecord& satellite = db.SatelliteTable[sat];
        id.usPosition = uint16_t(SatPosition(satellite));
        id.ucWest = uint8_t(SatDirection(satellite));
        id.ucPolarisation = uint8_t(TpPolarisation(tp));
    }
    id.kind = kind;
    id.ucTpKind = uint8_t(TpKind(tp));
    id.ulFrequency = TpFrequency(tp);
    return id;
}

ReferenceList ReferenceFromDatabase(const Database& db)
{
    ReferenceList list;
    const TpSlotIndex tps = IndexTransponders(db);
    for (const bool radio : {false, true}) {
        const FavPlaces places(db, radio);
        const auto& table = ChannelTable(db, radio);
        auto& channels = list.aTables[radio ? 1 : 0];
        channels.resize(size_t(UsedChannels(db, radio)));
        for (size_t i = 0; i < channels.size(); ++i) {
            const ChannelRecord& channel = table[i];
            ReferenceChannel& ref = channels[i] = ReferenceOfChannel(db, tps, channel);
            for (int g = 0; g < kFavBitCount; ++g)
                if (ref.ucFavBits & (1u << g))
                    ref.asFavPlace[size_t(g)] = places.Place(g, ChannelKey(channel));
        }
    }
    for (int g = 0; g < kMaxFavGroups; ++g)
        std::memcpy(list.aacFavName[size_t(g)].data(), db.SettingsBlock.data() + kFavNamePos + kFavNameSize * g,
                    kFavNameSize);
    return list;
}

TableMatch MatchTable(const Database& db, bool radio, const std::vector<ReferenceChannel>& reference)
{
    TableMatcher matcher(db, radio);
    TableMatch match;
    match.aiPartner.resize(reference.size(), -1);
    match.aHow.resize(reference.size(), MatchKind::None);
    for (size_t r = 0; r < reference.size(); ++r)
        if ((match.aiPartner[r] = matcher.TakeByIdentity(reference[r].identity)) >= 0)
            match.aHow[r] = MatchKind::Identity;
    for (size_t r = 0; r < reference.size(); ++r)
        if (match.aHow[r] == MatchKind::None && (match.aiPartner[r] = matcher.TakeByName(reference[r])) >= 0)
            match.aHow[r] = MatchKind::Name;
    return match;
}

ReferenceSummary SummariseReference(const Database& db, const ReferenceList& reference)
{
    std::array<TablePlan, 2> plans;
    return Plan(db, reference, ReferenceOptions{}, plans).summary;
}

ReferenceSummary ApplyReference(Database& db, const ReferenceList& reference, const ReferenceOptions& options)
{
    std::array<TablePlan, 2> plans;
    Outcome outcome = Plan(db, reference, options, plans);
    bool changed = std::memcmp(outcome.aGroups.data(), db.FavGroupTable.data(), sizeof db.FavGroupTable) != 0 ||
                   outcome.settings != db.SettingsBlock;
    for (const bool radio : {false, true})
        changed = changed || TableChanges(ChannelTable(db, radio), plans[radio ? 1 : 0],
                                          reference.aTables[radio ? 1 : 0], options);
    outcome.summary.bChanged = changed;
    if (!changed)
        return outcome.summary;
    for (const bool radio : {false, true}) {
        const TablePlan& plan = plans[radio ? 1 : 0];
        auto& table = ChannelTable(db, radio);
        const std::vector<ChannelRecord> old(table.begin(), table.begin() + ptrdiff_t(plan.aiOldSlot.size()));
        for (size_t i = 0; i < plan.aiOldSlot.size(); ++i)
            table[i] = ChannelAfter(old[size_t(plan.aiOldSlot[i])],
                                    PartnerAt(plan, reference.aTables[radio ? 1 : 0], i), options);
    }
    db.FavGroupTable = outcome.aGroups;
    db.SettingsBlock = outcome.settings;
    return outcome.summary;
}

#include "TransponderListOperations.h"

#include "BitFields.h"
#include "ModelOperations.h"
#include "ReferenceList.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"
#include "TreeLabels.h"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <set>
#include <tuple>

namespace {

bool InRange(int64_t value, int64_t low, int64_t high) { return value >= low && value <= high; }

// A value in thousandths, rounded half up: kHz to MHz, symbols per second
// to kS/s. -1 for a negative value.
int64_t Thousands(int64_t value) { return value < 0 ? -1 : value / 1000 + (value % 1000 >= 500 ? 1 : 0); }

// Orbital angles are tenths of a degree, 0 to 1800.
constexpr uint32_t kMaxListAngle = 1800;

// The FEC index of each fec_inner value from 0 to 10; the others are Auto.
constexpr std::array<uint32_t, 11> kFecOfList = {0, 1, 2, 3, 5, 7, 0, 0, 4, 0, 6};

enum class Skip { None, OutOfRange, NotStorable };

// The record a list transponder becomes (its TpId and, for satellites, its
// satellite slot still to be set), or why it is skipped. The ranges are
// those the transponder dialogs accept.
Skip MapTransponder(TransponderListKind kind, const ListTransponder& in, uint8_t ucChanTable, TransponderRecord& tp)
{
    tp = {};
    switch (kind) {
    case TransponderListKind::Satellites: {
        const int64_t freq = Thousands(in.iFrequency), rate = Thousands(in.iSymbolRate);
        if (!InRange(freq, 1, 20000) || !InRange(rate, 2000, 45000))
            return Skip::OutOfRange;
        if (!InRange(in.iPolarisation, 0, 3))
            return Skip::NotStorable;
        tp.usFreq = uint16_t(freq);
        tp.usSymRate = uint16_t(rate);
        SetTpKind(tp, kTpSatellite);
        // Horizontal and circular left are "HOR", vertical and circular right "VER".
        SetTpPolarisation(tp, uint32_t(in.iPolarisation % 2));
        SetTpFec(tp, InRange(in.iFec, 0, 10) ? kFecOfList[size_t(in.iFec)] : 0);
        return Skip::None;
    }
    case TransponderListKind::Cables: {
        const int64_t freq = Thousands(in.iFrequency), rate = Thousands(in.iSymbolRate);
        if (!InRange(freq, 1, 858) || !InRange(rate, 1, 65535))
            return Skip::OutOfRange;
        if (!InRange(in.iModulation, 1, 5))
            return Skip::NotStorable;
        tp.usFreq = uint16_t(freq);
        tp.usSymRate = uint16_t(rate);
        SetTpKind(tp, kTpCable);
        SetTpQam(tp, uint32_t(in.iModulation - 1));
        return Skip::None;
    }
    case TransponderListKind::Terrestrial: {
        const int64_t kHz = in.iFrequency < 0 ? -1 : in.iFrequency / 1000;
        if (!InRange(kHz, 1, 900000))
            return Skip::OutOfRange;
        // 8, 7 and 6 MHz; Auto, 5, 1.712 and 10 MHz have no place in the record.
        if (!InRange(in.iBandwidth, 0, 2))
            return Skip::NotStorable;
        SetTpUlFreq(tp, uint32_t(kHz));
        SetTpKind(tp, kTpTerrestrial);
        SetTpBandwidth(tp, uint32_t(2 - in.iBandwidth));
        // 16-QAM, 64-QAM and 256-QAM as they are; QPSK, Auto and the rest as 64-QAM.
        SetTpModulation(tp, in.iModulation == 1 ? 0u : in.iModulation == 4 ? 4u : 2u);
        SetTerrestrialChannel(tp, ucChanTable);
        return Skip::None;
    }
    }
    return Skip::NotStorable;
}

// The kind of the records a list's transponders become.
uint32_t TpKindOfList(TransponderListKind kind)
{
    switch (kind) {
    case TransponderListKind::Satellites: return kTpSatellite;
    case TransponderListKind::Cables: return kTpCable;
    case TransponderListKind::Terrestrial: return kTpTerrestrial;
    }
    return kTpTerrestrial;
}

// Transponders match only within one group: satellites by polarisation.
uint32_t GroupOf(TransponderListKind kind, const TransponderRecord& tp)
{
    return kind == TransponderListKind::Satellites ? TpPolarisation(tp) : 0;
}

// Whether a table record is one an entry's transponders are matched with.
bool InScope(TransponderListKind kind, const TransponderRecord& tp, int satSlot)
{
    return TpKind(tp) == TpKindOfList(kind) &&
           (kind != TransponderListKind::Satellites || int(TpSatIndex(tp)) == satSlot);
}

// A matched record takes what the list says of it; its TpId, frequency
// (cable, terrestrial), text slots and other bits stay.
void Update(TransponderListKind kind, TransponderRecord& tp, const TransponderRecord& from)
{
    switch (kind) {
    case TransponderListKind::Satellites:
        tp.usFreq = from.usFreq;
        tp.usSymRate = from.usSymRate;
        SetTpFec(tp, TpFec(from));
        break;
    case TransponderListKind::Cables:
        tp.usSymRate = from.usSymRate;
        SetTpQam(tp, TpQam(from));
        break;
    case TransponderListKind::Terrestrial:
        SetTpBandwidth(tp, TpBandwidth(from));
        SetTpModulation(tp, TpModulation(from));
        break;
    }
}

// The planning state: the tables as they grow, and what never changes.
struct Planner {
    TransponderListKind kind;
    uint8_t ucChanTable;
    bool bRemoveUnused;
    std::bitset<kTpIdCount> abCarried; // TpIds that a TV or radio channel refers to
    FreeTpIds ids;
    int iIdsMissing = 0;
    ListPlan& plan;

    void TakeEntry(const ListEntry& entry, EntryReport& report);
};

void Planner::TakeEntry(const ListEntry& entry, EntryReport& report)
{
    std::vector<TransponderRecord>& table = plan.aTransponders;
    const uint32_t tolerance = TpFrequencyTolerance(TpKindOfList(kind));
    // The records in reach, by group, frequency and slot: the nearest is
    // found in a small window, ties going to the lowest slot.
    using Key = std::tuple<uint32_t, uint32_t, int>;
    std::vector<Key> scope;
    for (int slot = 0; slot < int(table.size()); ++slot)
        if (InScope(kind, table[size_t(slot)], report.iSlot))
            scope.emplace_back(GroupOf(kind, table[size_t(slot)]), TpFrequency(table[size_t(slot)]), slot);
    std::sort(scope.begin(), scope.end());
    std::vector<bool> matched(scope.size());
    std::set<std::pair<uint32_t, uint32_t>> taken; // group and frequency of the entries taken

    for (const ListTransponder& in : entry.aTransponders) {
        TransponderRecord tp;
        switch (MapTransponder(kind, in, ucChanTable, tp)) {
        case Skip::OutOfRange: ++report.iOutOfRange; continue;
        case Skip::NotStorable: ++report.iNotStorable; continue;
        case Skip::None: break;
        }
        if (kind == TransponderListKind::Satellites)
            SetTpSatIndex(tp, uint32_t(report.iSlot));
        const uint32_t group = GroupOf(kind, tp), freq = TpFrequency(tp);
        const uint32_t low = freq > tolerance ? freq - tolerance : 0, high = freq + tolerance;
        const auto near = taken.lower_bound({group, low});
        if (near != taken.end() && near->first == group && near->second <= high) {
            ++report.iDuplicates;
            continue;
        }
        taken.emplace(group, freq);

        size_t best = scope.size();
        uint32_t bestDistance = 0;
        for (auto it = std::lower_bound(scope.begin(), scope.end(), Key{group, low, -1});
             it != scope.end() && std::get<0>(*it) == group && std::get<1>(*it) <= high; ++it) {
            const size_t k = size_t(it - scope.begin());
            const uint32_t f = std::get<1>(*it);
            const uint32_t distance = f > freq ? f - freq : freq - f;
            if (!matched[k] && (best == scope.size() || distance < bestDistance ||
                                (distance == bestDistance && std::get<2>(*it) < std::get<2>(scope[best])))) {
                best = k;
                bestDistance = distance;
            }
        }
        if (best < scope.size()) {
            matched[best] = true;
            TransponderRecord& record = table[size_t(std::get<2>(scope[best]))];
            const TransponderRecord before = record;
            Update(kind, record, tp);
            ++(std::memcmp(&before, &record, sizeof record) == 0 ? report.iUnchanged : report.iUpdated);
            continue;
        }
        const int id = ids.Take();
        if (id < 0)
            ++iIdsMissing;
        SetTpId(tp, uint32_t(std::max(id, 0)));
        table.push_back(tp);
        ++report.iAdded;
    }

    // What the list does not hold stays, unless it is to go and carries no channel.
    std::vector<bool> remove(table.size());
    for (size_t k = 0; k < scope.size(); ++k) {
        if (matched[k])
            continue;
        const int slot = std::get<2>(scope[k]);
        const bool carried = abCarried.test(TpId(table[size_t(slot)]));
        remove[size_t(slot)] = bRemoveUnused && !carried;
        ++(remove[size_t(slot)] ? report.iRemoved : report.iKept);
    }
    if (report.iRemoved == 0)
        return;
    FollowChosenTransponders(plan.aSatellites, table, remove);
    size_t kept = 0;
    for (size_t slot = 0; slot < table.size(); ++slot)
        if (!remove[slot])
            table[kept++] = table[slot];
    table.resize(kept);
    ids = FreeTpIds(table);
}

void AddTo(EntryReport& total, const EntryReport& report)
{
    total.iAdded += report.iAdded;
    total.iUpdated += report.iUpdated;
    total.iUnchanged += report.iUnchanged;
    total.iKept += report.iKept;
    total.iRemoved += report.iRemoved;
    total.iOutOfRange += report.iOutOfRange;
    total.iNotStorable += report.iNotStorable;
    total.iDuplicates += report.iDuplicates;
}

bool IsPositionWord(std::string_view word)
{
    // Digits, maybe a point and more digits, then E or W: "19.2E", "0.8W".
    size_t i = 0;
    const auto digits = [&] {
        const size_t start = i;
        while (i < word.size() && word[i] >= '0' && word[i] <= '9')
            ++i;
        return i > start;
    };
    if (!digits())
        return false;
    if (i < word.size() && word[i] == '.' && !(++i, digits()))
        return false;
    return i + 1 == word.size() && (word[i] == 'E' || word[i] == 'W');
}

// The first word of text (after blanks), and text after it.
std::string_view FirstWord(std::string_view text, std::string_view& rest)
{
    const size_t start = std::min(text.find_first_not_of(' '), text.size());
    const size_t end = std::min(text.find(' ', start), text.size());
    rest = text.substr(end);
    return text.substr(start, end - start);
}

// The slot of the first satellite of sats at place; -1 for none.
int FindListSatellite(const SatelliteRecord* sats, int count, const ListSatellitePlace& place)
{
    if (place.bRefused)
        return -1;
    for (int s = 0; s < count; ++s)
        if (SatPosition(sats[s]) == place.ulAngle && SatDirection(sats[s]) == uint32_t(place.bWest) &&
            SatKuBand(sats[s]) == uint32_t(place.bKu))
            return s;
    return -1;
}

// The satellite an entry adds: Add Antenna's record with that name, the
// entry's angle and direction, and the LNB of its band.
SatelliteRecord ListSatelliteRecord(const ListEntry& entry)
{
    SatelliteRecord sat = DefaultSatellite();
    const std::string name = ListSatelliteName(entry.strName);
    std::memset(sat.acSatName, 0, sizeof sat.acSatName);
    std::memcpy(sat.acSatName, name.data(), name.size());
    const ListSatellitePlace place = PlaceOfEntry(entry);
    SetSatPosition(sat, place.ulAngle);
    SetSatDirection(sat, place.bWest ? 1 : 0);
    sat.usLnbLow = place.bKu ? 9750 : 5150;
    sat.usLnbHigh = place.bKu ? 10600 : 5150;
    SetSatKuBand(sat, place.bKu ? 1 : 0);
    ClearNewSatelliteBits(sat);
    return sat;
}

} // namespace

ListSatellitePlace PlaceOfEntry(const ListEntry& entry)
{
    ListSatellitePlace place;
    place.bKu = entry.strName.find("C-band") == std::string::npos;
    place.bWest = entry.iPosition < 0;
    // A C-band entry's position has its last digit raised by one: -1771 is 177.0W.
    uint64_t angle = entry.iPosition < 0 ? 0 - uint64_t(entry.iPosition) : uint64_t(entry.iPosition);
    if (!place.bKu && angle % 10 == 1)
        --angle;
    place.bRefused = angle > kMaxListAngle;
    place.ulAngle = place.bRefused ? 0 : uint32_t(angle);
    return place;
}

int MatchListSatellite(const Database& db, const ListEntry& entry)
{
    return FindListSatellite(db.SatelliteTable.data(), SatelliteCount(db), PlaceOfEntry(entry));
}

std::string ListSatelliteName(std::string_view utf8Name)
{
    std::string_view rest = utf8Name, afterWord;
    if (IsPositionWord(FirstWord(rest, afterWord)))
        rest = afterWord;
    const std::string_view band = FirstWord(rest, afterWord);
    if (band == "C-band" || band == "Ku-band" || band == "Ka-band")
        rest = afterWord;
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    // Each character as its Latin-1 byte; one beyond Latin-1 (or a broken
    // sequence) as "?".
    std::string name;
    for (size_t i = 0; i < rest.size() && name.size() < sizeof SatelliteRecord::acSatName;) {
        const auto lead = uint8_t(rest[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        uint32_t code = length == 1 ? lead : lead & (0x3Fu >> (length - 1));
        bool valid = length == 1 ? lead < 0x80 : i + length <= rest.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = uint8_t(rest[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = code << 6 | (next & 0x3F);
        }
        name += valid && code <= 0xFF ? char(code) : '?';
        i += valid ? length : 1;
    }
    return name;
}

bool ListBranchShown(const Database& db, TransponderListKind kind)
{
    return kind == TransponderListKind::Satellites ||
           CategoryShown(db, kind == TransponderListKind::Cables ? kCableRow : kTerrestrialRow);
}

bool ListPlan::Changes() const
{
    return iNewSatellites > 0 || total.iAdded > 0 || total.iUpdated > 0 || total.iRemoved > 0;
}

ListPlan PlanTransponderList(const Database& db, const TransponderList& list, const ListChoice& choice)
{
    ListPlan plan;
    const int satellites = SatelliteCount(db);
    const int transponders = TransponderCount(db);
    plan.aSatellites.assign(db.SatelliteTable.begin(), db.SatelliteTable.begin() + satellites);
    plan.aTransponders.assign(db.TransponderTable.begin(), db.TransponderTable.begin() + transponders);
    Planner planner{list.kind, ChanTable(db), choice.bRemoveUnused, {}, FreeTpIds(plan.aTransponders), 0, plan};
    for (const bool radio : {false, true})
        for (int i = 0, n = UsedChannels(db, radio); i < n; ++i)
            if (const uint16_t id = ChannelTable(db, radio)[size_t(i)].usTpId; id < planner.abCarried.size())
                planner.abCarried.set(id);

    std::vector<int> chosen = choice.aiEntries;
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    for (const int index : chosen) {
        if (index < 0 || index >= int(list.aEntries.size()))
            continue;
        const ListEntry& entry = list.aEntries[size_t(index)];
        EntryReport& report = plan.aEntries.emplace_back();
        report.iEntry = index;
        if (list.kind == TransponderListKind::Satellites) {
            const ListSatellitePlace place = PlaceOfEntry(entry);
            report.bRefused = place.bRefused;
            if (report.bRefused)
                continue;
            report.iSlot = FindListSatellite(plan.aSatellites.data(), int(plan.aSatellites.size()), place);
            if (report.iSlot < 0) {
                report.iSlot = int(plan.aSatellites.size());
                report.bNewSatellite = true;
                plan.aSatellites.push_back(ListSatelliteRecord(entry));
                ++plan.iNewSatellites;
            }
        }
        planner.TakeEntry(entry, report);
        AddTo(plan.total, report);
    }
    plan.iSatellitesOver = std::max(0, int(plan.aSatellites.size()) - kMaxSatellites);
    plan.iTranspondersOver = std::max(int(plan.aTransponders.size()) - kMaxTransponders, planner.iIdsMissing);
    return plan;
}

bool ApplyListPlan(Database& db, const ListPlan& plan)
{
    if (!plan.Fits() || !plan.Changes())
        return false;
    std::copy(plan.aSatellites.begin(), plan.aSatellites.end(), db.SatelliteTable.begin());
    db.header.sSatNumber = int16_t(plan.aSatellites.size());
    std::copy(plan.aTransponders.begin(), plan.aTransponders.end(), db.TransponderTable.begin());
    db.header.sTpNumber = int16_t(plan.aTransponders.size());
    return true;
}

std::array<int, 9> EntrySummaryCounts(const EntryReport& r)
{
    return {r.iAdded,      r.iUpdated,     r.iUnchanged,
            r.iKept,       r.iRemoved,     r.iOutOfRange + r.iNotStorable + r.iDuplicates,
            r.iOutOfRange, r.iNotStorable, r.iDuplicates};
}

std::string DescribeEntrySummary(const EntryReport& report)
{
    return report.bRefused ? std::string(kEntryRefusedText)
                           : FillCountPattern(kEntrySummaryPattern, EntrySummaryCounts(report));
}

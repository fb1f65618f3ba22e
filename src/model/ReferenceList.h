// Reference lists: the arrangement of one database (channel order, locks,
// favourites, names) applied to another, typically a fresh scan of the same
// receiver. A channel is recognised across the two databases by where its
// transponder is and by its service id, since a rescan renumbers the
// transponders and lists the channels in scan order.
#pragma once

#include "BitFields.h"
#include "Database.h"
#include "Translatable.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a channel's identity is made of. Terrestrial covers ISDB-T too: both
// give a frequency in kHz and nothing else.
enum class IdentityKind : uint8_t { None, Satellite, Cable, Terrestrial };

struct ChannelIdentity {
    IdentityKind kind = IdentityKind::None;
    uint16_t usPosition = 0;    // satellite: orbital position in tenths of a degree
    uint8_t ucWest = 0;         // satellite: direction, 0 east, 1 west
    uint8_t ucPolarisation = 0; // satellite: 0 horizontal, 1 vertical
    uint32_t ulFrequency = 0;   // MHz (satellite, cable) or kHz (terrestrial, ISDB-T)
    uint16_t usServiceId = 0;
    // The transponder's kind (TpKindValue), which tells terrestrial from
    // ISDB-T; not compared by IdentitiesMatch, only by the nearness of
    // transponders that the match by name ranks.
    uint8_t ucTpKind = 0;
};

// Bytes of the receiver's code page (Latin-1) as UTF-8 text.
std::string Utf8FromLatin1(std::string_view bytes);

// An orbital position in tenths of a degree as text: "19.2E", "0.8W".
std::string PositionText(uint16_t position, uint8_t west);

// The letters the texts use for the transponder kinds (by TpKindValue) and
// for the polarisations (H, V and the two values without a name).
inline constexpr char kTpKindLetters[] = "TSCI";
inline constexpr char kPolarisationLetters[] = "HV23";

// The identity kind a transponder of a kind (TpKindValue) gives its channels.
IdentityKind IdentityKindOfTp(uint32_t tpKind);

// The largest frequency difference at which two identities of a kind still match.
uint32_t FrequencyTolerance(IdentityKind kind);

// The frequency a transponder is known by: MHz (satellite, cable) or kHz
// (terrestrial, ISDB-T); and the largest difference at which two
// transponders of a kind (TpKindValue) are one, the tolerance of the
// identities they give.
uint32_t TpFrequency(const TransponderRecord& tp);
uint32_t TpFrequencyTolerance(uint32_t tpKind);

// The parts of an identity that must be equal for a match (all but the
// frequency) as one number: two identities have the same key exactly when
// those parts are equal, so that identities sorted by key, then frequency,
// have every possible partner of one in a single run.
uint64_t IdentityKey(const ChannelIdentity& id);

// All parts but the frequency equal, the frequencies within the tolerance.
bool IdentitiesMatch(const ChannelIdentity& a, const ChannelIdentity& b);

// The first transponder slot of each TpId (-1 for none), so that a table of
// channels finds its transponders without a scan per channel.
using TpSlotIndex = std::array<int16_t, kTpIdCount>;
TpSlotIndex IndexTransponders(const Database& db);

// A channel's identity from its transponder (the first one with its TpId);
// kind None (the service id still set) when the transponder or its satellite
// is missing.
ChannelIdentity IdentityOfChannel(const Database& db, const TpSlotIndex& tps, const ChannelRecord& channel);

inline constexpr int16_t kNoFavPlace = -1;

// One channel of a reference list: what matching and applying need of it.
struct ReferenceChannel {
    ChannelIdentity identity;
    uint32_t ulDelivery = 0;            // the channel's delivery system (ulChType bits 5-6)
    char acName[kChannelNameSize] = {}; // the name's text; bytes after a NUL are ignored
    uint8_t ucLocked = 0;
    uint8_t ucFavBits = 0; // usFavBits bits 0-7
    // For each group the channel belongs to, its place in the group's stored
    // list (0-based); kNoFavPlace when it is not listed there.
    std::array<int16_t, kMaxFavGroups> asFavPlace;

    ReferenceChannel() { asFavPlace.fill(kNoFavPlace); }
    std::string_view Name() const { return FieldText(acName); }
};

struct ReferenceList {
    std::array<std::vector<ReferenceChannel>, 2> aTables; // TV, radio
    // Favourite group names as stored; all-zero when the list carries none.
    std::array<std::array<char, kFavNameSize>, kMaxFavGroups> aacFavName{};
};

ReferenceList ReferenceFromDatabase(const Database& db);

// How each reference channel found its partner in the current table.
enum class MatchKind : uint8_t { None, Identity, Name };
struct TableMatch {
    std::vector<int> aiPartner; // current slot of each reference channel's partner, -1 for none
    std::vector<MatchKind> aHow;
};

// Matches in two passes over the reference channels in order. First each
// takes the untaken current channel with a matching identity (nearest
// frequency, then lowest slot). Then each one still without a partner takes,
// among the untaken channels with its non-empty name and delivery system, the
// one on the transponder nearest to its own: the same satellite position,
// direction and polarisation (off satellite: the same transponder kind)
// before any other, then the smallest frequency difference, then the lowest
// slot; a channel without a transponder is the farthest. So a name never
// takes a channel that another reference channel's identity finds.
TableMatch MatchTable(const Database& db, bool radio, const std::vector<ReferenceChannel>& reference);

struct ReferenceOptions {
    bool bFavourites = true;
    bool bLocks = true;
    bool bNames = false;
};

struct TableSummary {
    int iByIdentity = 0;
    int iFavLeftOut = 0; // favourite entries beyond a group's 200 slots
    // The name matches (reference channel, partner), the current channels
    // without a partner and the reference channels without one, as the
    // details list them; their sizes are the summary's counts.
    std::vector<std::pair<ReferenceChannel, ReferenceChannel>> aByName = {};
    std::vector<ReferenceChannel> aUnmatched = {};
    std::vector<ReferenceChannel> aNotFound = {};
};

// The summary of one table: %1 .. %5 stand for the counts in the order of
// TableSummaryCounts. The window shows it translated.
inline constexpr char kTableSummaryPattern[] =
    TRANSLATABLE("ReferenceList", "%1 by identity, %2 by name, %3 unmatched (placed last), %4 reference channels not "
                                  "found, %5 favourite entries left out");
std::array<int, 5> TableSummaryCounts(const TableSummary& summary);

// "412 by identity, 3 by name, 5 unmatched (placed last), 2 reference
// channels not found, 0 favourite entries left out"
std::string DescribeTableSummary(const TableSummary& summary);

// The details of one table's summary: a section per kind of channel listed,
// sections without a channel left out. Each line names a channel (UTF-8) with
// its transponder and service id, "Sport (19.2E 11494 MHz H, SID 2917)"; a
// name match adds its partner's, "Sport (…, SID 2917) → (…, SID 2595)". The
// window shows the headings translated.
struct DetailSection {
    const char* pszHeading;
    std::vector<std::string> astrLines;
};
inline constexpr char kDetailsByName[] =
    TRANSLATABLE("ReferenceList", "Matched by name (reference channel → channel here):");
inline constexpr char kDetailsNotFound[] = TRANSLATABLE("ReferenceList", "Reference channels not found:");
inline constexpr char kDetailsUnmatched[] = TRANSLATABLE("ReferenceList", "Unmatched channels (placed last):");
std::vector<DetailSection> TableDetails(const TableSummary& summary);

struct ReferenceSummary {
    std::array<TableSummary, 2> aTables; // TV, radio
    bool bChanged = false;
};

// What applying would do (favourites counted as applied), changing nothing.
ReferenceSummary SummariseReference(const Database& db, const ReferenceList& reference);

// Puts the matched channels first in their partners' order, then the others
// in their earlier order, and takes over locks, favourites (bits, group lists
// and group names) and names as the options say. Nothing else changes; the
// summary tells whether anything did.
ReferenceSummary ApplyReference(Database& db, const ReferenceList& reference, const ReferenceOptions& options);

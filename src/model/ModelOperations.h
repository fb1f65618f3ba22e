// Operations on the database tables. They keep the header counts in step and
// report by small integer codes; they never show messages.
#pragma once

#include "Database.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Fav operation codes.
inline constexpr int kFavDone = 1;
inline constexpr int kFavBadGroup = -1;
inline constexpr int kFavFullOrMissing = -2;
inline constexpr uint32_t kFreeFavSlot = 0xFFFFFFFF;

// Empties every table and gives the header the sizes a readable file needs,
// with eight empty favourite groups.
void ResetDatabase(Database& db);

// Sets bHasTerrestrial, bHasCable or bHasIsdbt for the channel's delivery system.
void NoteDelivery(Database& db, const ChannelRecord& channel);

// Writes name (bytes up to the first NUL, at most the field's size) as the
// channel's name, NUL-padded, with its length; a name that fills the field
// keeps the largest length the file stores a name with.
void SetChannelName(ChannelRecord& channel, std::string_view name);

// Removes the TV and radio channels of transponder tpId, keeping the order of
// the others; returns how many were removed.
int RemoveChannelsOfTp(Database& db, uint16_t tpId);

// Removes the channels of the TV (radio false) or radio table whose slot is
// marked in drop, keeping the order of the others; returns how many.
int RemoveChannelSlots(Database& db, bool radio, const std::vector<bool>& drop);

// Removes the transponders whose slots drop marks, keeping the order of the
// others (channels are not touched); every satellite's chosen transponder
// follows as FollowChosenTransponders says. Returns how many were removed.
int RemoveTransponderSlots(Database& db, const std::vector<bool>& drop);

// Removes transponder slot index as RemoveTransponderSlots does. Returns 1.
int RemoveTransponder(Database& db, int index);

// Before the transponders whose slots drop marks leave the table: every
// satellite's chosen transponder keeps pointing at the same transponder, a
// chosen one that leaves gives way to no choice, and a choice already past
// the satellite's list stays as it is.
void FollowChosenTransponders(std::span<SatelliteRecord> satellites, std::span<const TransponderRecord> transponders,
                              const std::vector<bool>& drop);

// Satellite slot / transponder slot of a channel's transponder, or -1. The
// flag is non-zero for the TV table (only its low 8 bits count).
int FindSatOfChannel(const Database& db, int channel, int tvFlag);
int FindTpOfChannel(const Database& db, int channel, int tvFlag);

// Favourite group lists; the radio flag is non-zero for radio entries.
int AddFavEntry(Database& db, int group, uint32_t key, int radio);
int FindFavEntry(const Database& db, int group, uint32_t key, int radio);
int RemoveFavEntry(Database& db, int group, uint32_t key, int radio);
int PurgeFavGroup(Database& db, int group, int radio);

// Entries in use of a group as the operations see them: negative or
// oversized counts read from a damaged file are clipped to the 200 slots.
struct FavCounts {
    int tv;
    int radio;
};
FavCounts ClampedFavCounts(const FavGroup& group);

// A group's entries of the TV list [0] and the radio list [1], each in its
// stored order (radio from slot 199 down).
std::array<std::vector<uint32_t>, 2> FavGroupLists(const FavGroup& group);
// Writes both lists back (TV first, radio in the room left), frees the slots
// that fall out of use and sets the counts; a group that changes is marked
// changed. Returns whether it changed.
bool StoreFavGroupLists(FavGroup& group, const std::array<std::vector<uint32_t>, 2>& lists);
// Hands out the transponder ids (TpId) in 0..3999 that no transponder of a
// table uses, lowest first, as adding a transponder picks them.
class FreeTpIds {
public:
    explicit FreeTpIds(std::span<const TransponderRecord> table);
    // The transponders in use of a database's table.
    explicit FreeTpIds(const Database& db);
    // -1 when every id is taken.
    int Take();

private:
    std::bitset<kMaxTransponders> abUsed;
    int iNext = 0;
};

// The channel list's columns, the texts of its cells and the passes that
// choose its rows. Plain functions over the database, shared by the list
// view, printing and sdxtool.
#pragma once

#include "Database.h"
#include "Translatable.h"

#include <span>
#include <string>

struct ChannelColumn {
    const char* pTitle;
    int iWidth; // pixels
};

enum ChannelColumnId {
    kColumnIndex,
    kColumnName,
    kColumnCas,
    kColumnLock,
    kColumnVideoPid,
    kColumnAudioPid,
    kColumnPcrPid,
    kColumnTxtPid,
    kColumnProgramType,
    kColumnMyFav,
};

// Column titles and widths, in display order; the window shows the titles
// translated in the context "ChannelCells".
inline constexpr ChannelColumn kChannelColumns[] = {
    {TRANSLATABLE("ChannelCells", "Index"), 45},        {TRANSLATABLE("ChannelCells", "Name"), 100},
    {TRANSLATABLE("ChannelCells", "FTA/CAS"), 55},      {TRANSLATABLE("ChannelCells", "Lock"), 50},
    {TRANSLATABLE("ChannelCells", "Video PID"), 70},    {TRANSLATABLE("ChannelCells", "Audio PID"), 70},
    {TRANSLATABLE("ChannelCells", "PCR PID"), 60},      {TRANSLATABLE("ChannelCells", "TXT PID"), 60},
    {TRANSLATABLE("ChannelCells", "Program Type"), 90}, {TRANSLATABLE("ChannelCells", "My Fav"), 80},
};
inline constexpr int kChannelColumnCount = int(std::size(kChannelColumns));

// Which channels a list shows: all, those of a satellite, of a transponder,
// of a favourite group, on transponders of a kind (the TpKind values), or
// those in any favourite group of the file.
enum class RowFilter { All, Satellite, Transponder, FavGroup, TpKind, AnyFavGroup };

// The text of column 1..9 for a channel; it reads nothing but the record.
// Other columns give an empty text.
std::string FormatChannelCell(int column, const ChannelRecord& channel);

// Column 0: the channel's number (index + 1) in the list of all channels,
// the running row number (row + 1) in the other lists.
std::string FormatIndexCell(RowFilter filter, int row, int channel);

// Any column of a listed row.
std::string FormatRowCell(const Database& db, bool radio, RowFilter filter, int row, int channel, int column);

// Walks the TV (radio false) or radio table in order and writes the index of
// each channel that passes the filter to aiRowChannel, at most
// aiRowChannel.size() of them; returns how many were written. value is the
// satellite index, the transponder id, the favourite group or the
// transponder kind; a group lists its channels in the order it keeps them
// (FillFavouriteRows).
int FillRowMap(const Database& db, bool radio, RowFilter filter, int value, std::span<int> aiRowChannel);

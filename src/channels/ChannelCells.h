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
    kColumnServiceId,
    kColumnSatellite,
    kColumnFavourites,
};

// Column titles and widths, in display order; the window shows the titles
// translated in the context "ChannelCells". The first kChannelColumnCount
// are the columns of every list, printout and `sdxtool list`; the window's
// list offers the others too, hidden until the user shows them.
inline constexpr ChannelColumn kChannelColumns[] = {
    {TRANSLATABLE("ChannelCells", "Index"), 45},        {TRANSLATABLE("ChannelCells", "Name"), 100},
    {TRANSLATABLE("ChannelCells", "FTA/CAS"), 55},      {TRANSLATABLE("ChannelCells", "Lock"), 50},
    {TRANSLATABLE("ChannelCells", "Video PID"), 70},    {TRANSLATABLE("ChannelCells", "Audio PID"), 70},
    {TRANSLATABLE("ChannelCells", "PCR PID"), 60},      {TRANSLATABLE("ChannelCells", "TXT PID"), 60},
    {TRANSLATABLE("ChannelCells", "Program Type"), 90}, {TRANSLATABLE("ChannelCells", "My Fav"), 80},
    {TRANSLATABLE("ChannelCells", "Service ID"), 80},   {TRANSLATABLE("ChannelCells", "Satellite"), 100},
    {TRANSLATABLE("ChannelCells", "Favourites"), 80},
};
inline constexpr int kChannelColumnCount = 10;
inline constexpr int kListColumnCount = int(std::size(kChannelColumns));

// Which channels a list shows: all, those of a satellite, of a transponder,
// of a favourite group, on transponders of a kind (the TpKind values), or
// those in any favourite group of the file.
enum class RowFilter { All, Satellite, Transponder, FavGroup, TpKind, AnyFavGroup };

// The text of column 1..10 for a channel; it reads nothing but the record.
// Other columns give an empty text.
std::string FormatChannelCell(int column, const ChannelRecord& channel);

// True for the columns that show numbers (Index, the PIDs, Service ID).
bool IsNumberColumn(int column);
// The number a PID or Service ID column shows; -1 where the audio column
// shows nothing (a track index past the channel's tracks).
int ChannelNumber(int column, const ChannelRecord& channel);

// The Satellite column for the transponder in slot tpSlot (-1 for none):
// the satellite's name, or the word for a terrestrial, cable or ISDB-T
// transponder (shown translated, see FormatRowCell).
std::string SatelliteCell(const Database& db, int tpSlot);
// The Favourites column: the numbers of the file's groups the channel is in, "1 3 8".
std::string FavouritesCell(const Database& db, const ChannelRecord& channel);
// Column 0: the channel's number (index + 1) in the list of all channels,
// the running row number (row + 1) in the other lists.
int IndexNumber(RowFilter filter, int row, int channel);
std::string FormatIndexCell(RowFilter filter, int row, int channel);

// Any column of a listed row. pWord, when given, is set to whether the cell
// holds one of the program's words (Lock, Yes, Terrestrial, ...), which the
// window shows translated.
std::string FormatRowCell(const Database& db, bool radio, RowFilter filter, int row, int channel, int column,
                          bool* pWord = nullptr);

// Walks the TV (radio false) or radio table in order and writes the index of
// each channel that passes the filter to aiRowChannel, at most
// aiRowChannel.size() of them; returns how many were written. value is the
// satellite index, the transponder id, the favourite group or the
// transponder kind; a group lists its channels in the order it keeps them
// (FillFavouriteRows).
int FillRowMap(const Database& db, bool radio, RowFilter filter, int value, std::span<int> aiRowChannel);

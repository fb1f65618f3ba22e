// The editing history against the plainest reference there is: the states
// themselves. Random sequences of every editing operation run on random
// databases, with now and then a change made outside the history, and are
// recorded step by step; undoing them all must give back the first database
// byte for byte, redoing them all the last one, and every state on the way
// must be the one that was there.
#include "EditHistory.h"

#include "BitFields.h"
#include "ChannelCells.h"
#include "ChannelOperations.h"
#include "DatabaseBuilders.h"
#include "FavRename.h"
#include "ListingImport.h"
#include "ModelOperations.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>
#include <string>
#include <vector>

namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// A fingerprint of everything the file holds, to check the states between.
uLong FileContentsCrc(const Database& db)
{
    uLong crc = crc32(0, nullptr, 0);
    const auto add = [&crc](const auto& part) {
        crc = crc32(crc, reinterpret_cast<const Bytef*>(&part), uInt(sizeof part));
    };
    add(db.header);
    add(db.SatelliteTable);
    add(db.TransponderTable);
    add(db.TvChannelTable);
    add(db.RadioChannelTable);
    add(db.SettingsBlock);
    add(db.ReservedWord);
    add(db.FavGroupTable);
    return crc;
}

std::vector<int> RowMap(const Database& db, bool radio, std::mt19937& rng)
{
    std::vector<int> rows(kMaxChannels);
    const auto filter = RowFilter(Uniform(rng, 0, 3));
    const int value = filter == RowFilter::Transponder && db.header.sTpNumber > 0
                          ? int(TpId(db.TransponderTable[size_t(Uniform(rng, 0, db.header.sTpNumber - 1))]))
                          : Uniform(rng, 0, 3);
    rows.resize(size_t(FillRowMap(db, radio, filter, value, rows)));
    return rows;
}

std::vector<int> SomeOf(int count, std::mt19937& rng)
{
    std::vector<int> picked;
    const int every = Uniform(rng, 1, 4);
    for (int i = Uniform(rng, 0, 3); i < count; i += Uniform(rng, 1, every))
        picked.push_back(i);
    if (Uniform(rng, 0, 2) == 0 && count > 0) // or one block
        picked.assign(1, Uniform(rng, 0, count - 1));
    return picked;
}

int Some(int count, std::mt19937& rng) { return count > 0 ? Uniform(rng, 0, count - 1) : 0; }

// A change no command makes, as the list's favourite upkeep makes one: a
// byte of a favourite group or of a TV channel in use.
void ChangeOutsideTheHistory(Database& db, std::mt19937& rng)
{
    const bool channel = Uniform(rng, 0, 1) && UsedChannels(db, false) > 0;
    auto* bytes = channel ? reinterpret_cast<uint8_t*>(db.TvChannelTable.data())
                          : reinterpret_cast<uint8_t*>(db.FavGroupTable.data());
    const size_t size = channel ? sizeof(ChannelRecord) * size_t(UsedChannels(db, false)) : sizeof db.FavGroupTable;
    bytes[size_t(rng()) % size] ^= uint8_t(1 + rng() % 255);
}

// Every editing operation the commands run, with random inputs; each returns
// whether the command would record a step.
struct Operation {
    const char* pName;
    std::function<bool(Database&, std::mt19937&)> run;
};

const std::vector<Operation>& Operations()
{
    static const std::vector<Operation> operations = {
        {"add channel",
         [](Database& db, std::mt19937& rng) {
             ChannelRecord c = MakeChannel("New " + std::to_string(rng() % 100), uint16_t(rng() % 8), uint16_t(rng()));
             if (Uniform(rng, 0, 1))
                 c.sVideoPid = 8191;
             return AddChannelRecord(db, c) == kChannelDone;
         }},
        {"edit channel",
         [](Database& db, std::mt19937& rng) {
             const bool radio = Uniform(rng, 0, 1);
             const int index = Some(UsedChannels(db, radio), rng);
             ChannelRecord c = ChannelTable(db, radio)[size_t(index)];
             c.usFavBits = uint16_t(rng() & 0xFF);
             c.usServiceId = uint16_t(Uniform(rng, 0, 1) ? c.usServiceId : rng());
             c.acName[0] = char('A' + Uniform(rng, 0, 25));
             return StoreEditedChannel(db, radio, index, c) >= 0;
         }},
        {"delete channels",
         [](Database& db, std::mt19937& rng) {
             const bool radio = Uniform(rng, 0, 1);
             return DeleteChannelRecords(db, radio, SomeOf(UsedChannels(db, radio), rng)) > 0;
         }},
        {"swap channels",
         [](Database& db, std::mt19937& rng) {
             const bool radio = Uniform(rng, 0, 1);
             const std::vector<int> rows = RowMap(db, radio, rng);
             const int n = int(rows.size());
             return SwapChannelRows(db, radio, rows, Some(n, rng), Some(n, rng)) == kChannelDone;
         }},
        {"move channels",
         [](Database& db, std::mt19937& rng) {
             const bool radio = Uniform(rng, 0, 1);
             const std::vector<int> rows = RowMap(db, radio, rng);
             const int n = int(rows.size());
             return MoveChannelRows(db, radio, rows, SomeOf(n, rng), Some(n, rng)) == kChannelDone;
         }},
        {"sort by name",
         [](Database& db, std::mt19937& rng) {
             const bool radio = Uniform(rng, 0, 1);
             return SortRowsByName(db, radio, RowMap(db, radio, rng), Uniform(rng, 0, 1)) == kChannelDone;
         }},
        {"sort by transponder or satellite",
         [](Database& db, std::mt19937& rng) {
             const bool radio = Uniform(rng, 0, 1);
             Uniform(rng, 0, 1) ? SortChannelsByTransponder(db, radio) : SortChannelsBySatellite(db, radio);
             return true;
         }},
        {"add satellite", [](Database& db, std::mt19937&) { return AddSatellite(db, DefaultSatellite()) >= 0; }},
        {"edit satellite",
         [](Database& db, std::mt19937& rng) {
             SatelliteRecord sat = db.SatelliteTable[size_t(Some(db.header.sSatNumber, rng))];
             sat.usLnbLow = uint16_t(rng());
             return ReplaceSatellite(db, Some(db.header.sSatNumber, rng), sat) == kSatDone;
         }},
        {"move or swap satellites",
         [](Database& db, std::mt19937& rng) {
             const int a = Some(db.header.sSatNumber, rng), b = Some(db.header.sSatNumber, rng);
             return (Uniform(rng, 0, 1) ? MoveSatellite(db, a, b) : SwapSatellites(db, a, b)) == kSatDone;
         }},
        {"delete satellite",
         [](Database& db, std::mt19937& rng) { return DeleteSatellite(db, Some(db.header.sSatNumber, rng)) >= 0; }},
        {"add transponder",
         [](Database& db, std::mt19937& rng) {
             TransponderRecord tp = DefaultSatelliteTp(Some(db.header.sSatNumber, rng));
             tp.usFreq = uint16_t(Uniform(rng, 3000, 13000));
             return AddTransponder(db, tp) >= 0;
         }},
        {"edit transponder",
         [](Database& db, std::mt19937& rng) {
             if (db.header.sTpNumber <= 0)
                 return false;
             db.TransponderTable[size_t(Some(db.header.sTpNumber, rng))].usSymRate = uint16_t(rng());
             return true;
         }},
        {"delete transponder",
         [](Database& db, std::mt19937& rng) { return DeleteTransponder(db, Some(db.header.sTpNumber, rng)) >= 0; }},
        {"rename favourite group",
         [](Database& db, std::mt19937& rng) {
             return RenameFavGroup(db, Uniform(rng, 0, 7), "Fav " + std::to_string(rng() % 1000)) == 1;
         }},
        {"favourite upkeep",
         [](Database& db, std::mt19937& rng) {
             const int group = Uniform(rng, 0, 7), radio = Uniform(rng, 0, 1);
             switch (Uniform(rng, 0, 2)) {
             case 0: return AddFavEntry(db, group, uint32_t(rng()), radio) == kFavDone;
             case 1: {
                 const FavGroup& g = db.FavGroupTable[size_t(group)];
                 const int count = radio ? ClampedFavCounts(g).radio : ClampedFavCounts(g).tv;
                 const int slot = Some(count, rng);
                 return count > 0 &&
                        RemoveFavEntry(db, group, g.aulFavKey[size_t(radio ? kFavSlots - 1 - slot : slot)], radio) ==
                            kFavDone;
             }
             default: return PurgeFavGroup(db, group, radio) > 0;
             }
         }},
        {"import listing page",
         [](Database& db, std::mt19937& rng) {
             const std::string page =
                 "<a>3840</A> H</a> 4340 - 3/4 11747 V< 27500 - 2/3 <a>3880</A> V</a> 27500 - 5/6";
             const auto band = Uniform(rng, 0, 1) ? ListingBand::C : ListingBand::Ku;
             return ImportListingPass(db, {reinterpret_cast<const uint8_t*>(page.data()), page.size()},
                                      "Sat at 19.2E.htm", band, nullptr) == ImportResult::Added;
         }},
    };
    return operations;
}

TEST(EditHistory, UndoingAndRedoingRandomEditsGivesBackEveryState)
{
    std::mt19937 rng(12);
    auto db = MakeEmptyDatabase();
    auto start = MakeEmptyDatabase();
    for (int round = 0; round < 12; ++round) {
        FillRandomDatabase(*db, rng);
        *start = *db;
        EditHistory history;
        history.Start(*db);
        std::vector<uLong> states{FileContentsCrc(*db)};
        std::vector<std::string> names;
        while (names.size() < 30) {
            if (Uniform(rng, 0, 7) == 0)
                ChangeOutsideTheHistory(*db, rng); // becomes part of the next step
            const Operation& operation = Operations()[size_t(Some(int(Operations().size()), rng))];
            const uLong before = FileContentsCrc(*db);
            if (!operation.run(*db, rng)) {
                ASSERT_EQ(FileContentsCrc(*db), before) << operation.pName << " refused but changed the database";
                continue;
            }
            // A step exactly when the state differs from the last one
            // (a sort of a sorted list, a swap of a channel with itself: none).
            const bool changed = FileContentsCrc(*db) != states.back();
            ASSERT_EQ(history.Record(operation.pName, *db, {int(names.size())}), changed) << operation.pName;
            if (!changed)
                continue;
            names.push_back(operation.pName);
            states.push_back(FileContentsCrc(*db));
        }
        const auto end = std::make_unique<Database>(*db);
        if (round % 2)
            ChangeOutsideTheHistory(*db, rng); // taken back by the first undo

        for (size_t done = names.size(); done > 0; --done) {
            ASSERT_EQ(history.UndoName(), names[done - 1]);
            const auto place = history.Undo(*db, {int(done)});
            ASSERT_TRUE(place && *place == std::vector<int>{int(done - 1)});
            ASSERT_EQ(FileContentsCrc(*db), states[done - 1]) << "round " << round << ", undoing " << names[done - 1];
        }
        EXPECT_FALSE(history.CanUndo());
        ExpectSameDatabase(*db, *start);

        for (size_t done = 0; done < names.size(); ++done) {
            ASSERT_EQ(history.RedoName(), names[done]);
            const auto place = history.Redo(*db);
            ASSERT_TRUE(place && *place == std::vector<int>{int(done + 1)});
            ASSERT_EQ(FileContentsCrc(*db), states[done + 1]) << "round " << round << ", redoing " << names[done];
        }
        EXPECT_FALSE(history.CanRedo());
        ExpectSameDatabase(*db, *end);
    }
}

// One step that renames favourite group 0 to text.
void RecordRename(EditHistory& history, Database& db, const std::string& text)
{
    RenameFavGroup(db, 0, text);
    history.Record("Rename " + text, db);
}

// Step i renames group 0 to two letters that both differ from those of step
// i - 1 (and from the start's "ZZ"), so that every step holds as many bytes.
std::string StepName(int i) { return std::string(2, char('a' + i % 26)); }

// The bound counts everything the history holds: its copy of the state, and
// the place an undo keeps with its step.
TEST(EditHistory, KeepsAtMostItsStepsAndBytesDroppingTheOldest)
{
    const auto start = MakeEmptyDatabase();
    ResetDatabase(*start);
    RenameFavGroup(*start, 0, "ZZ");
    // What one step holds, measured on a history of one.
    size_t step = 0;
    {
        auto db = std::make_unique<Database>(*start);
        EditHistory probe;
        probe.Start(*db);
        EXPECT_EQ(probe.Bytes(), EditHistory::kStateBytes);
        RecordRename(probe, *db, StepName(0));
        step = probe.Bytes() - EditHistory::kStateBytes;
    }
    struct Case {
        const char* pWhat;
        size_t maxSteps;
        size_t maxBytes;
        int steps;
        size_t placeOnUndo; // numbers of the place the first undo keeps
        size_t kept;        // steps left after the first undo
        int back;           // steps in effect once everything kept is undone
    };
    const size_t fiveAndAHalf = EditHistory::kStateBytes + step * 11 / 2;
    const Case cases[] = {
        {"step limit", EditHistory::kMaxSteps, EditHistory::kMaxBytes, 130, 0, 100, 30},
        {"byte limit", 100, fiveAndAHalf, 40, 0, 5, 35},
        {"under both", 100, EditHistory::kMaxBytes, 7, 0, 7, 0},
        {"undo keeping a large place", 100, fiveAndAHalf, 5, step / sizeof(int), 4, 1},
        {"only step undone, keeping a large place", 100, EditHistory::kStateBytes + step * 3 / 2, 1,
         step / sizeof(int), 0, 0},
    };
    for (const Case& c : cases) {
        auto db = std::make_unique<Database>(*start);
        EditHistory history(c.maxSteps, c.maxBytes);
        history.Start(*db);
        for (int i = 0; i < c.steps; ++i)
            RecordRename(history, *db, StepName(i));
        history.Undo(*db, std::vector<int>(c.placeOnUndo));
        EXPECT_EQ(history.StepCount(), c.kept) << c.pWhat;
        EXPECT_LE(history.Bytes(), c.maxBytes) << c.pWhat;
        while (history.CanUndo())
            history.Undo(*db);
        EXPECT_EQ(FavName(*db, 0), c.back == 0 ? "ZZ" : StepName(c.back - 1)) << c.pWhat;
    }
}

TEST(EditHistory, CleanStateFollowsSavesAndIsLostWhenOutOfReach)
{
    auto db = MakeEmptyDatabase();
    ResetDatabase(*db);
    EditHistory history(3);
    history.Start(*db);
    EXPECT_TRUE(history.IsClean());
    RecordRename(history, *db, "a");
    EXPECT_FALSE(history.IsClean());
    history.Undo(*db);
    EXPECT_TRUE(history.IsClean()); // back at the saved state
    history.Redo(*db);
    history.MarkSaved(*db); // saved after "a"
    RecordRename(history, *db, "b");
    history.Undo(*db);
    history.Undo(*db);
    EXPECT_FALSE(history.IsClean());
    RecordRename(history, *db, "c"); // the saved state "a" was in the branch now dropped
    history.Undo(*db);
    EXPECT_FALSE(history.IsClean());
    history.Redo(*db);
    history.MarkSaved(*db);
    for (const char* text : {"d", "e", "f", "g"})
        RecordRename(history, *db, text);
    EXPECT_EQ(history.StepCount(), 3u); // the step out of the saved state fell off the start
    while (history.CanUndo())
        history.Undo(*db);
    EXPECT_FALSE(history.IsClean());
    history.Start(*db);
    EXPECT_TRUE(history.IsClean());
    EXPECT_FALSE(history.CanUndo());
}

} // namespace

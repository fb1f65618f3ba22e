#include <gtest/gtest.h>

#include "CommandIds.h"
#include "CommandRouting.h"

namespace {

// Expected enabling: tree pane without / with a database, list pane
// without / with a database.
struct RouteCase {
    int iId;
    bool abEnabled[4];
};

constexpr RouteCase kCases[] = {
    {ID_FILE_NEW, {true, true, true, true}},
    {ID_FILE_OPEN, {true, true, true, true}},
    {ID_FILE_SAVE, {false, true, false, true}},
    {ID_FILE_SAVE_AS, {false, true, false, true}},
    {ID_FILE_CLOSE, {false, true, false, true}},
    {ID_FILE_PRINT, {true, true, true, true}},
    {ID_FILE_PRINT_PREVIEW, {true, true, true, true}},
    {ID_FILE_PRINT_SETUP, {true, true, true, true}},
    {ID_APP_ABOUT, {true, true, true, true}},
    {ID_APP_EXIT, {true, true, true, true}},
    {ID_NEXT_PANE, {true, true, true, true}},
    {ID_PREV_PANE, {true, true, true, true}},
    {ID_VIEW_TV, {true, true, true, true}},
    {ID_VIEW_RADIO, {true, true, true, true}},
    {ID_CHANNEL_ADD, {false, false, true, true}},
    {ID_CHANNEL_EDIT, {false, false, true, true}},
    {ID_CHANNEL_DELETE, {false, false, true, true}},
    {ID_CHANNEL_SWAP, {false, false, true, true}},
    {ID_CHANNEL_MOVE, {false, false, true, true}},
    {ID_SORT_AZ, {false, false, true, true}},
    {ID_SORT_ZA, {false, false, true, true}},
    {ID_SORT_TRANSPONDER, {false, false, true, true}},
    {ID_SORT_SATELLITE, {false, false, true, true}},
    {ID_FILE_MRU_FILE1, {false, false, false, false}},
    {0, {false, false, false, false}},
    {12345, {false, false, false, false}},
};

TEST(CommandRoutingTest, EveryCommandInEveryPaneWithAndWithoutDatabase)
{
    for (const RouteCase& c : kCases) {
        int i = 0;
        for (Pane pane : {Pane::Tree, Pane::List})
            for (bool loaded : {false, true}) {
                EXPECT_EQ(IsCommandEnabled(c.iId, pane, loaded), c.abEnabled[i])
                    << "id " << c.iId << (pane == Pane::List ? " list" : " tree") << " loaded " << loaded;
                ++i;
            }
    }
}

TEST(CommandRoutingTest, RecentFileEntryNeedsARecentFile)
{
    for (Pane pane : {Pane::Tree, Pane::List})
        for (bool loaded : {false, true})
            EXPECT_TRUE(IsCommandEnabled(ID_FILE_MRU_FILE1, pane, loaded, true));
    EXPECT_FALSE(IsCommandEnabled(ID_FILE_SAVE, Pane::Tree, false, true));
}

TEST(CommandIdsTest, PromptsAndToolbarLabels)
{
    struct Case {
        int iId;
        const char* pPrompt;
        const char* pLabel;
    };
    const Case cases[] = {
        {ID_FILE_NEW, "Create a new document", "New"},
        {ID_FILE_OPEN, "Open an existing document", "Open"},
        {ID_FILE_SAVE, "Save the active document", "Save"},
        {ID_CHANNEL_ADD, "Add a new Channel", "Add CH"},
        {ID_CHANNEL_EDIT, "Edit a channel", "Edit CH"},
        {ID_CHANNEL_MOVE, "Move channel", "Move"},
        {ID_CHANNEL_DELETE, "Detelte a channel", "Del CH"},
        {ID_APP_ABOUT, "Display program information, version number and copyright", "About"},
        {ID_SORT_AZ, "Sort Channels from A to Z", "AZ"},
        {ID_SORT_ZA, "Sort Channels from Z to AZ", "ZA"},
        {ID_VIEW_TV, "Show the TV channels", "TV"},
        {ID_VIEW_RADIO, "Show the Radio channels", "Radio"},
        {ID_FILE_SAVE_AS, "Save the active document with a new name", ""},
        {ID_FILE_PRINT, "Print the active document", ""},
        {ID_FILE_PRINT_PREVIEW, "Display full pages", ""},
        {ID_FILE_PRINT_SETUP, "Change the printer and printing options", ""},
        {ID_FILE_MRU_FILE1, "Open this document", ""},
        {ID_APP_EXIT, "Quit the application; prompts to save documents", ""},
        {ID_SORT_TRANSPONDER, "Sort Channels by Transponer", "Transponder Sort"},
        {ID_SORT_SATELLITE, "Sort Channels by Satellite", "Satellite Sort"},
        {ID_CHANNEL_SWAP, "Swap channel", "Swap"},
        {ID_FILE_CLOSE, "", ""},
        {0, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandPrompt(c.iId).toStdString(), c.pPrompt) << c.iId;
        EXPECT_EQ(CommandLabel(c.iId).toStdString(), c.pLabel) << c.iId;
    }
    EXPECT_EQ(CommandString(ID_FILE_NEW).toStdString(), "Create a new document\nNew");
    EXPECT_EQ(CommandString(ID_FILE_SAVE_AS).toStdString(), "Save the active document with a new name");
}

} // namespace

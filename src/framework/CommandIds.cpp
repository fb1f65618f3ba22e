#include "CommandIds.h"

namespace {

struct CommandText {
    int iId;
    const char* pText;
};

constexpr CommandText kCommandTexts[] = {
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_FILE_SAVE_AS, "Save the active document with a new name"},
    {ID_FILE_PRINT, "Print the active document"},
    {ID_FILE_PRINT_PREVIEW, "Display full pages"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options"},
    {ID_FILE_MRU_FILE1, "Open this document"},
    {ID_FILE_APPLY_REFERENCE, "Apply the channel order, locks and favourites of a reference list"},
    {ID_FILE_EXPORT_REFERENCE, "Write the channel order, locks and favourites as a reference list"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_EDIT_REDO, "Redo the previously undone action\nRedo"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_CHANNEL_ADD, "Add a new Channel\nAdd CH"},
    {ID_CHANNEL_EDIT, "Edit a channel\nEdit CH"},
    {ID_CHANNEL_MOVE, "Move channel\nMove"},
    {ID_CHANNEL_DELETE, "Detelte a channel\nDel CH"},
    {ID_SORT_AZ, "Sort Channels from A to Z\nAZ"},
    {ID_SORT_ZA, "Sort Channels from Z to AZ\nZA"},
    {ID_CHANNEL_SWAP, "Swap channel\nSwap"},
    {ID_SORT_TRANSPONDER, "Sort Channels by Transponer\nTransponder Sort"},
    {ID_SORT_SATELLITE, "Sort Channels by Satellite\nSatellite Sort"},
    {ID_VIEW_TV, "Show the TV channels\nTV"},
    {ID_VIEW_RADIO, "Show the Radio channels\nRadio"},
};

} // namespace

QString CommandString(int id)
{
    for (const CommandText& entry : kCommandTexts)
        if (entry.iId == id)
            return QString::fromLatin1(entry.pText);
    return {};
}

QString CommandPrompt(int id) { return CommandString(id).section(QLatin1Char('\n'), 0, 0); }

QString CommandLabel(int id) { return CommandString(id).section(QLatin1Char('\n'), 1); }

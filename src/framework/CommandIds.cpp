#include "CommandIds.h"

#include <QCoreApplication>

namespace {

struct CommandText {
    int iId;
    const char* pText;
};

constexpr CommandText kCommandTexts[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CommandIds", "Create a new document\nNew")},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CommandIds", "Open an existing document\nOpen")},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CommandIds", "Save the active document\nSave")},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CommandIds", "Save the active document with a new name")},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CommandIds", "Print the active document")},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CommandIds", "Display full pages")},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CommandIds", "Change the printer and printing options")},
    {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("CommandIds", "Open this document")},
    {ID_FILE_APPLY_REFERENCE,
     QT_TRANSLATE_NOOP("CommandIds", "Apply the channel order, locks and favourites of a reference list")},
    {ID_FILE_EXPORT_REFERENCE,
     QT_TRANSLATE_NOOP("CommandIds", "Write the channel order, locks and favourites as a reference list")},
    {ID_TOOLS_CHECK_DATABASE,
     QT_TRANSLATE_NOOP("CommandIds", "Find duplicates, orphans and stale entries in the database and fix them")},
    {ID_FILE_IMPORT_TRANSPONDERS,
     QT_TRANSLATE_NOOP("CommandIds", "Add and update satellites and transponders from a satellites.xml, cables.xml or "
                                     "terrestrial.xml list")},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandIds", "Quit the application; prompts to save documents")},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("CommandIds", "Undo the last action\nUndo")},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("CommandIds", "Redo the previously undone action\nRedo")},
    {ID_APP_ABOUT,
     QT_TRANSLATE_NOOP("CommandIds", "Display program information, version number and copyright\nAbout")},
    {ID_CHANNEL_ADD, QT_TRANSLATE_NOOP("CommandIds", "Add a new Channel\nAdd CH")},
    {ID_CHANNEL_EDIT, QT_TRANSLATE_NOOP("CommandIds", "Edit a channel\nEdit CH")},
    {ID_CHANNEL_MOVE, QT_TRANSLATE_NOOP("CommandIds", "Move channel\nMove")},
    {ID_CHANNEL_DELETE, QT_TRANSLATE_NOOP("CommandIds", "Detelte a channel\nDel CH")},
    {ID_SORT_AZ, QT_TRANSLATE_NOOP("CommandIds", "Sort Channels from A to Z\nAZ")},
    {ID_SORT_ZA, QT_TRANSLATE_NOOP("CommandIds", "Sort Channels from Z to AZ\nZA")},
    {ID_CHANNEL_SWAP, QT_TRANSLATE_NOOP("CommandIds", "Swap channel\nSwap")},
    {ID_SORT_TRANSPONDER, QT_TRANSLATE_NOOP("CommandIds", "Sort Channels by Transponer\nTransponder Sort")},
    {ID_SORT_SATELLITE, QT_TRANSLATE_NOOP("CommandIds", "Sort Channels by Satellite\nSatellite Sort")},
    {ID_CHANNEL_LOCK, QT_TRANSLATE_NOOP("CommandIds", "Lock the selected channels (Space locks or unlocks)")},
    {ID_CHANNEL_UNLOCK, QT_TRANSLATE_NOOP("CommandIds", "Unlock the selected channels (Space locks or unlocks)")},
    {ID_VIEW_TV, QT_TRANSLATE_NOOP("CommandIds", "Show the TV channels\nTV")},
    {ID_VIEW_RADIO, QT_TRANSLATE_NOOP("CommandIds", "Show the Radio channels\nRadio")},
};

} // namespace

QString CommandString(int id)
{
    for (const CommandText& entry : kCommandTexts)
        if (entry.iId == id)
            return QCoreApplication::translate("CommandIds", entry.pText);
    return {};
}

QString CommandPrompt(int id) { return CommandString(id).section(QLatin1Char('\n'), 0, 0); }

QString CommandLabel(int id) { return CommandString(id).section(QLatin1Char('\n'), 1); }

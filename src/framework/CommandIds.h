// Command ids of the menus, toolbar and accelerators, and the string of each
// command: the status-bar prompt, then after a line break the toolbar label.
#pragma once

#include "TrText.h"

#include <QString>

inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 32772;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_FILE_APPLY_REFERENCE = 32850;
inline constexpr int ID_FILE_EXPORT_REFERENCE = 32851;
inline constexpr int ID_TOOLS_CHECK_DATABASE = 32852;
inline constexpr int ID_FILE_IMPORT_TRANSPONDERS = 32853;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

inline constexpr int ID_VIEW_TV = 32782;
inline constexpr int ID_VIEW_RADIO = 32783;

inline constexpr int ID_CHANNEL_ADD = 32789;
inline constexpr int ID_CHANNEL_EDIT = 32790;
inline constexpr int ID_CHANNEL_DELETE = 32791;
inline constexpr int ID_CHANNEL_SWAP = 32792;
inline constexpr int ID_CHANNEL_MOVE = 32793;
inline constexpr int ID_SORT_AZ = 32794;
inline constexpr int ID_SORT_ZA = 32795;
inline constexpr int ID_SORT_TRANSPONDER = 32801;
inline constexpr int ID_SORT_SATELLITE = 32802;
inline constexpr int ID_CHANNEL_LOCK = 32803;
inline constexpr int ID_CHANNEL_UNLOCK = 32804;
// The Favourites submenu, its entry for group g (ID_FAV_GROUP_FIRST + g) and
// the favourite list's entry that takes channels out of the shown group.
inline constexpr int ID_FAVOURITES = 32840;
inline constexpr int ID_FAV_GROUP_FIRST = 32841;
inline constexpr int ID_FAV_REMOVE_FROM_GROUP = 32849;

// Status-bar texts of the frame.
inline constexpr TrText kIdleMessage{"CommandIds", QT_TRANSLATE_NOOP("CommandIds", "Ready")};
inline constexpr TrText kIndicatorCaps{"CommandIds", QT_TRANSLATE_NOOP("CommandIds", "CAP")};
inline constexpr TrText kIndicatorNum{"CommandIds", QT_TRANSLATE_NOOP("CommandIds", "NUM")};
inline constexpr TrText kIndicatorScroll{"CommandIds", QT_TRANSLATE_NOOP("CommandIds", "SCRL")};

// "prompt\nlabel", the prompt alone, or empty for a command without a string.
QString CommandString(int id);
QString CommandPrompt(int id);
// Text after the line break; empty when there is none.
QString CommandLabel(int id);

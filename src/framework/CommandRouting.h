// Command enabling by route. A command goes to the active pane's view, then
// to the document, the frame and the application; it is enabled only when a
// handler on that route takes it and the handler's own condition holds.
#pragma once

enum class Pane { Tree, List };

// Who handles a command.
enum class Handler { ListView, ActiveView, Document, Frame, App };

// When the handler enables it.
enum class EnableWhen { Always, Database, RecentFiles, CanUndo, CanRedo };

struct CommandRoute {
    int iId;
    Handler handler;
    EnableWhen when;
};

// The route of a command; null for a command that nobody handles.
const CommandRoute* FindCommandRoute(int id);

bool IsCommandEnabled(int id, Pane activePane, bool bDataLoaded, bool bHasRecentFiles = false, bool bCanUndo = false,
                      bool bCanRedo = false);

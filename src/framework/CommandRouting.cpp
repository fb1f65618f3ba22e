#include "CommandRouting.h"

#include "CommandIds.h"

namespace {

constexpr CommandRoute kRoutes[] = {
    {ID_FILE_NEW, Handler::Document, EnableWhen::Always},
    {ID_FILE_OPEN, Handler::Document, EnableWhen::Always},
    {ID_FILE_SAVE, Handler::Document, EnableWhen::Database},
    {ID_FILE_SAVE_AS, Handler::Document, EnableWhen::Database},
    {ID_FILE_CLOSE, Handler::Document, EnableWhen::Database},
    {ID_FILE_APPLY_REFERENCE, Handler::Frame, EnableWhen::Database},
    {ID_FILE_EXPORT_REFERENCE, Handler::Frame, EnableWhen::Database},
    {ID_TOOLS_CHECK_DATABASE, Handler::Frame, EnableWhen::Database},
    {ID_FILE_IMPORT_TRANSPONDERS, Handler::Frame, EnableWhen::Database},
    {ID_FILE_PRINT, Handler::ActiveView, EnableWhen::Always},
    {ID_FILE_PRINT_PREVIEW, Handler::ActiveView, EnableWhen::Always},
    {ID_FILE_PRINT_SETUP, Handler::App, EnableWhen::Always},
    {ID_FILE_MRU_FILE1, Handler::App, EnableWhen::RecentFiles},
    {ID_EDIT_UNDO, Handler::Document, EnableWhen::CanUndo},
    {ID_EDIT_REDO, Handler::Document, EnableWhen::CanRedo},
    {ID_APP_ABOUT, Handler::App, EnableWhen::Always},
    {ID_APP_EXIT, Handler::App, EnableWhen::Always},
    {ID_NEXT_PANE, Handler::Frame, EnableWhen::Always},
    {ID_PREV_PANE, Handler::Frame, EnableWhen::Always},
    {ID_VIEW_TV, Handler::Frame, EnableWhen::Always},
    {ID_VIEW_RADIO, Handler::Frame, EnableWhen::Always},
    {ID_CHANNEL_ADD, Handler::ListView, EnableWhen::Always},
    {ID_CHANNEL_EDIT, Handler::ListView, EnableWhen::Always},
    {ID_CHANNEL_DELETE, Handler::ListView, EnableWhen::Always},
    {ID_CHANNEL_SWAP, Handler::ListView, EnableWhen::Always},
    {ID_CHANNEL_MOVE, Handler::ListView, EnableWhen::Always},
    {ID_SORT_AZ, Handler::ListView, EnableWhen::Always},
    {ID_SORT_ZA, Handler::ListView, EnableWhen::Always},
    {ID_SORT_TRANSPONDER, Handler::ListView, EnableWhen::Always},
    {ID_SORT_SATELLITE, Handler::ListView, EnableWhen::Always},
    {ID_CHANNEL_LOCK, Handler::ListView, EnableWhen::Always},
    {ID_CHANNEL_UNLOCK, Handler::ListView, EnableWhen::Always},
    {ID_FAVOURITES, Handler::ListView, EnableWhen::Database},
};

bool OnRoute(Handler handler, Pane activePane)
{
    // Only the list view is ever off the route: when the tree pane is active.
    return handler != Handler::ListView || activePane == Pane::List;
}

} // namespace

const CommandRoute* FindCommandRoute(int id)
{
    for (const CommandRoute& route : kRoutes)
        if (route.iId == id)
            return &route;
    return nullptr;
}

bool IsCommandEnabled(int id, Pane activePane, bool bDataLoaded, bool bHasRecentFiles, bool bCanUndo, bool bCanRedo)
{
    const CommandRoute* pRoute = FindCommandRoute(id);
    if (!pRoute || !OnRoute(pRoute->handler, activePane))
        return false;
    switch (pRoute->when) {
    case EnableWhen::Always: return true;
    case EnableWhen::Database: return bDataLoaded;
    case EnableWhen::RecentFiles: return bHasRecentFiles;
    case EnableWhen::CanUndo: return bDataLoaded && bCanUndo;
    case EnableWhen::CanRedo: return bDataLoaded && bCanRedo;
    }
    return false;
}

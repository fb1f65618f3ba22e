// Export of the channel lists to a spreadsheet workbook, by driving the
// spreadsheet application ("Excel.Application") through the automation layer:
// an invisible instance, a new workbook, the cells one by one, SaveAs, and a
// shutdown that runs whatever happened after the instance started.
#pragma once

#include "Automation.h"
#include "Database.h"
#include "TrText.h"

#include <QString>

class IPrompts;

inline constexpr TrText kMsgCannotInitCom{"SpreadsheetExport",
                                          QT_TRANSLATE_NOOP("SpreadsheetExport", "Can't init Com!")};
inline constexpr TrText kMsgCannotStartExcel{"SpreadsheetExport",
                                             QT_TRANSLATE_NOOP("SpreadsheetExport", "Can not start excel service!")};
inline constexpr TrText kMsgCommandFailed{"SpreadsheetExport",
                                          QT_TRANSLATE_NOOP("SpreadsheetExport", "Command failed.")};
inline constexpr TrText kStatusExported{
    "SpreadsheetExport", QT_TRANSLATE_NOOP("SpreadsheetExport", "Exported %1 TV and %2 radio channels to %3")};

enum class ExportStatus { Done, InitFailed, ServerMissing, CallFailed };

struct ExportResult {
    ExportStatus status = ExportStatus::Done;
    QString strError; // CallFailed: the server's description, or "Command failed."
};

// Writes both channel lists to path (used as given). The database is only read.
ExportResult ExportSpreadsheet(const Database& db, const QString& path, AutomationRegistry& registry);

// The name a chosen workbook path is saved under: ".xlsx" is appended when
// its file name has no extension, and ".xls" becomes ".xlsx".
QString WorkbookPath(const QString& path);

// The command for a path chosen in the save dialog: the export to
// WorkbookPath (asking first when that appended name replaces a file), then
// its message, if any. Returns the status-bar report of a finished export
// (rows of each sheet and where they went), or an empty text. The
// application keeps running when the automation layer or the server cannot
// start.
QString RunSpreadsheetExport(const Database& db, IPrompts& prompts, const QString& path, AutomationRegistry& registry);

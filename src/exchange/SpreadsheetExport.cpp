#include "SpreadsheetExport.h"

#include "BuiltinExcel.h"
#include "Prompts.h"
#include "SheetContent.h"

#include <initializer_list>

namespace {

// A failed automation call, carrying the server's description.
struct CallFailure {
    QString strDescription;
};

DispResult Invoke(const DispatchRef& object, DispId id, CallKind kind, std::initializer_list<Variant> args)
{
    return object->Invoke(id, kind, std::span<const Variant>(args.begin(), args.size()));
}

Variant Call(const DispatchRef& object, DispId id, CallKind kind, std::initializer_list<Variant> args = {})
{
    DispResult result = Invoke(object, id, kind, args);
    if (result.Failed())
        throw CallFailure{result.strDescription};
    return std::move(result.value);
}

// A call whose result is an object; any other result is a failure.
DispatchRef CallForObject(const DispatchRef& object, DispId id, CallKind kind,
                          std::initializer_list<Variant> args = {})
{
    const Variant result = Call(object, id, kind, args);
    const DispatchRef* p = result.Get<DispatchRef>();
    if (!p || !*p)
        throw CallFailure{};
    return *p;
}

void WriteRow(const DispatchRef& cells, int row, const SheetRow& texts)
{
    for (int column = 0; column < kSheetColumns; ++column)
        Call(cells, xl::kItem, CallKind::PropertyPut,
             {Variant::Int(row), Variant::Int(column + 1), Variant::String(texts[size_t(column)])});
}

// Fills worksheet number (1 or 2) with the TV or radio table.
void WriteSheet(const DispatchRef& worksheets, int number, const Database& db, bool radio)
{
    const DispatchRef sheet = CallForObject(worksheets, xl::kItem, CallKind::PropertyGet, {Variant::Int(number)});
    const DispatchRef cells = CallForObject(sheet, xl::kCells, CallKind::PropertyGet);
    Call(cells, xl::kHorizontalAlignment, CallKind::PropertyPut, {Variant::Int(xl::kCenter)});
    WriteRow(cells, 1, kSheetHeader);
    const int count = UsedChannels(db, radio);
    for (int i = 0; i < count; ++i)
        WriteRow(cells, i + 2, ChannelRow(db, radio, i));
    Call(sheet, xl::kName, CallKind::PropertyPut, {Variant::String(SheetName(radio))});
}

} // namespace

ExportResult ExportSpreadsheet(const Database& db, const QString& path, AutomationRegistry& registry)
{
    if (!registry.EnsureInitialized())
        return {ExportStatus::InitFailed, {}};
    const DispatchRef app = registry.CreateObject(kExcelProgId);
    if (!app)
        return {ExportStatus::ServerMissing, {}};

    ExportResult result;
    const auto fail = [&result](const QString& description) {
        if (result.status == ExportStatus::Done)
            result = {ExportStatus::CallFailed, description.isEmpty() ? kMsgCommandFailed : description};
    };
    DispatchRef workbooks, workbook;
    try {
        workbooks = CallForObject(app, xl::kWorkbooks, CallKind::PropertyGet);
        Call(app, xl::kVisible, CallKind::PropertyPut, {Variant::Bool(false)});
        workbook = CallForObject(workbooks, xl::kAdd, CallKind::Method, {Variant::Missing()});
        const DispatchRef worksheets = CallForObject(workbook, xl::kWorksheets, CallKind::PropertyGet);
        WriteSheet(worksheets, 1, db, false);
        WriteSheet(worksheets, 2, db, true);
        const Variant m = Variant::Missing();
        Call(workbook, xl::kSaveAs, CallKind::Method,
             {Variant::String(path), m, m, m, m, m, Variant::Int(xl::kAccessModeNoChange), m, m, m, m, m});
    } catch (const CallFailure& failure) {
        fail(failure.strDescription);
    }
    // Shut down whatever was reached; the first failure is the one reported.
    const auto shutDown = [&fail](const DispatchRef& object, DispId id, std::initializer_list<Variant> args) {
        if (!object)
            return;
        const DispResult r = Invoke(object, id, CallKind::Method, args);
        if (r.Failed())
            fail(r.strDescription);
    };
    const Variant m = Variant::Missing();
    shutDown(workbook, xl::kClose, {m, m, m});
    shutDown(workbooks, xl::kClose, {});
    shutDown(app, xl::kQuit, {});
    return result;
}

QString WorkbookPath(const QString& path)
{
    // The workbook is in the xlsx format: a name that says otherwise would
    // make the spreadsheet programs refuse or misread it.
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    if (name.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive))
        return path.chopped(4) + QStringLiteral(".xlsx");
    return name.contains(u'.') ? path : path + QStringLiteral(".xlsx");
}

QString RunSpreadsheetExport(const Database& db, IPrompts& prompts, const QString& path, AutomationRegistry& registry)
{
    const QString target = WorkbookPath(path);
    if (!AllowsAppendedName(prompts, path, target))
        return {};
    const ExportResult result = ExportSpreadsheet(db, target, registry);
    switch (result.status) {
    case ExportStatus::Done:
        return kStatusExported.arg(UsedChannels(db, false)).arg(UsedChannels(db, true)).arg(target);
    case ExportStatus::InitFailed: AppMessage(prompts, kMsgCannotInitCom); break;
    case ExportStatus::ServerMissing: AppMessage(prompts, kMsgCannotStartExcel); break;
    case ExportStatus::CallFailed: WindowMessage(prompts, result.strError, MsgButtons::Ok, MsgIcon::Stop); break;
    }
    return {};
}

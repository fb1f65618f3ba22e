#include "SpreadsheetExport.h"

#include "BitFields.h"
#include "BuiltinExcel.h"
#include "DatabaseBuilders.h"
#include "FileAccess.h"
#include "ListingImport.h"
#include "ScriptedPrompts.h"
#include "SheetContent.h"
#include "ToolRun.h"
#include "ZipReader.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// --- a recording automation server ------------------------------------------

struct CallLog {
    std::vector<std::string> aCalls;
    int iFailAt = 0;      // 1-based number of the call that fails; 0 for none
    int iFailAlsoAt = 0;  // a second failing call
    int iNonObjectAt = 0; // a call that succeeds with nonObject instead of its object
    Variant nonObject;
    QString strFailure;
    int iSheets = 3;
};

std::string ArgText(const Variant& v)
{
    if (v.IsMissing())
        return "missing";
    if (const bool* b = v.Get<bool>())
        return *b ? "true" : "false";
    if (const int32_t* i = v.Get<int32_t>())
        return std::to_string(*i);
    if (const QString* s = v.Get<QString>())
        return '"' + s->toStdString() + '"';
    return v.IsEmpty() ? "empty" : "other";
}

// Every object logs "Name.kind 0xID(args)"; gets and Add hand out named
// children: Workbooks, Workbook, Worksheets, Sheet<n>, Cells<n>.
class RecordingObject : public IDispatchObject {
public:
    RecordingObject(std::string name, std::shared_ptr<CallLog> log) : strName(std::move(name)), pLog(std::move(log)) {}

    DispResult Invoke(DispId id, CallKind kind, std::span<const Variant> args) override
    {
        static const char* const kinds[] = {".call", ".get", ".put"};
        char hex[16];
        std::snprintf(hex, sizeof hex, " 0x%X(", unsigned(id));
        std::string line = strName + kinds[int(kind)] + hex;
        for (size_t i = 0; i < args.size(); ++i)
            line += (i ? "," : "") + ArgText(args[i]);
        pLog->aCalls.push_back(line + ")");
        const int number = int(pLog->aCalls.size());
        if (number == pLog->iFailAt)
            return DispResult::Fail(kDispEException, pLog->strFailure);
        if (number == pLog->iFailAlsoAt)
            return DispResult::Fail(kDispEException, QStringLiteral("Second failure."));
        if (number == pLog->iNonObjectAt)
            return DispResult::Ok(pLog->nonObject);
        std::string child;
        if (strName == "Application" && id == xl::kWorkbooks)
            child = "Workbooks";
        else if (strName == "Workbooks" && id == xl::kAdd)
            child = "Workbook";
        else if (strName == "Workbook" && id == xl::kWorksheets)
            child = "Worksheets";
        else if (strName == "Worksheets" && id == xl::kItem) {
            const int n = *args[0].Get<int32_t>();
            if (n > pLog->iSheets)
                return DispResult::Fail(kDispEBadIndex, QStringLiteral("Invalid index."));
            child = "Sheet" + std::to_string(n);
        } else if (strName.starts_with("Sheet") && id == xl::kCells)
            child = "Cells" + strName.substr(5);
        if (child.empty())
            return DispResult::Ok();
        return DispResult::Ok(Variant::Dispatch(std::make_shared<RecordingObject>(child, pLog)));
    }

private:
    std::string strName;
    std::shared_ptr<CallLog> pLog;
};

class TestRegistry : public AutomationRegistry {
public:
    bool bInitOk = true;
    int iInits = 0;

protected:
    bool InitializeThread() override
    {
        ++iInits;
        return bInitOk;
    }
};

std::unique_ptr<Database> SmallDatabase()
{
    auto db = MakeEmptyDatabase();
    SatelliteRecord sat{};
    std::memcpy(sat.acSatName, "Astra", 5);
    db->SatelliteTable[0] = sat;
    db->header.sSatNumber = 1;
    AppendTransponder(*db, MakeSatelliteTp(5, 0, 11747));
    AppendChannel(*db, false, MakeChannel("Caf\xE9 TV", 5, 1));
    AppendChannel(*db, true, MakeChannel("Radio", 5, 2));
    return db;
}

std::vector<std::string> RowCalls(const std::string& cells, int row, const SheetRow& texts)
{
    std::vector<std::string> calls;
    for (int c = 0; c < kSheetColumns; ++c)
        calls.push_back(cells + ".put 0xAA(" + std::to_string(row) + "," + std::to_string(c + 1) + ",\"" +
                        texts[size_t(c)].toStdString() + "\")");
    return calls;
}

std::vector<std::string> FullSequence()
{
    std::vector<std::string> s = {"Application.get 0x23C()", "Application.put 0x22E(false)",
                                  "Workbooks.call 0xB5(missing)", "Workbook.get 0x1EE()"};
    const auto append = [&s](const std::vector<std::string>& more) { s.insert(s.end(), more.begin(), more.end()); };
    const SheetRow header = {"Index",   "Service Name", "FTA/CAS", "Video Type",
                             "SatName", "Tp Freq",      "Tp Pol",  "Tp Sym"};
    append({"Worksheets.get 0xAA(1)", "Sheet1.get 0xEE()", "Cells1.put 0x88(-4108)"});
    append(RowCalls("Cells1", 1, header));
    append(RowCalls("Cells1", 2, {"1", "Café TV", "FTA", "MPEG-1", "Astra", "11747", "HOR", "27500"}));
    append(
        {"Sheet1.put 0x6E(\"TV Program\")", "Worksheets.get 0xAA(2)", "Sheet2.get 0xEE()", "Cells2.put 0x88(-4108)"});
    append(RowCalls("Cells2", 1, header));
    append(RowCalls("Cells2", 2, {"1", "Radio", "FTA", "MPEG-1", "Astra", "11747", "HOR", "27500"}));
    append({"Sheet2.put 0x6E(\"Radio Program\")",
            "Workbook.call 0x785(\"/out/list.xlsx\",missing,missing,missing,missing,missing,1,missing,missing,missing,"
            "missing,missing)",
            "Workbook.call 0x115(missing,missing,missing)", "Workbooks.call 0x115()", "Application.call 0x12E()"});
    return s;
}

class RecordedExport : public ::testing::Test {
protected:
    RecordedExport()
    {
        registry.Register(kExcelProgId, [this] { return std::make_shared<RecordingObject>("Application", pLog); });
    }
    void Export() { RunSpreadsheetExport(*db, prompts, QStringLiteral("/out/list.xlsx"), registry); }

    std::shared_ptr<CallLog> pLog = std::make_shared<CallLog>();
    TestRegistry registry;
    std::unique_ptr<Database> db = SmallDatabase();
    ScriptedPrompts prompts;
};

TEST_F(RecordedExport, CallsTheMembersInOrderWithTheirArguments)
{
    Export();
    EXPECT_EQ(pLog->aCalls, FullSequence());
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(RecordedExport, AFailingCallShutsDownWhatWasReachedAndReportsTheError)
{
    const std::vector<std::string> full = FullSequence();
    const int saveAs = int(full.size()) - 3;
    const int item2 = int(std::find(full.begin(), full.end(), "Worksheets.get 0xAA(2)") - full.begin()) + 1;
    const int name1 = int(std::find(full.begin(), full.end(), "Sheet1.put 0x6E(\"TV Program\")") - full.begin()) + 1;
    for (const int failAt : {1, 2, 3, 4, 5, 6, 7, 9, name1, item2, saveAs, saveAs + 1, saveAs + 2, saveAs + 3}) {
        for (const QString& description : {QStringLiteral("Disk full."), QString()}) {
            pLog->aCalls.clear();
            pLog->iFailAt = failAt;
            pLog->strFailure = description;
            ScriptedPrompts shown;
            shown.QueueAnswer(MsgAnswer::Ok);
            RunSpreadsheetExport(*db, shown, QStringLiteral("/out/list.xlsx"), registry);

            std::vector<std::string> expected(full.begin(), full.begin() + std::min(failAt, saveAs));
            if (failAt >= 4)
                expected.push_back(full[size_t(saveAs)]);
            if (failAt >= 2)
                expected.push_back(full[size_t(saveAs) + 1]);
            expected.push_back(full.back());
            EXPECT_EQ(pLog->aCalls, expected) << "failing call " << failAt;
            const QString text = description.isEmpty() ? QStringLiteral("Command failed.") : description;
            EXPECT_EQ(shown.Messages(), (std::vector<ShownMessage>{{text, kAppName, MsgButtons::Ok, MsgIcon::Stop}}))
                << "failing call " << failAt;
        }
    }
}

TEST_F(RecordedExport, OnlyTheFirstOfSeveralFailuresIsReported)
{
    const std::vector<std::string> full = FullSequence();
    const int saveAs = int(full.size()) - 3;
    pLog->iFailAt = 4; // Worksheets
    pLog->strFailure = QStringLiteral("First failure.");
    pLog->iFailAlsoAt = 5; // Workbook.Close, reached after SaveAs is skipped
    const ExportResult result = ExportSpreadsheet(*db, QStringLiteral("/out/list.xlsx"), registry);
    EXPECT_EQ(result.status, ExportStatus::CallFailed);
    EXPECT_EQ(result.strError, "First failure.");
    ASSERT_EQ(pLog->aCalls.size(), 7u); // the shutdown goes on after its own failure
    EXPECT_EQ(pLog->aCalls[4], full[size_t(saveAs)]);
    EXPECT_EQ(pLog->aCalls[6], full.back());
}

// A call that should hand out an object but answers something else ends the
// export as a failed command instead of using the answer.
TEST_F(RecordedExport, AnswerThatIsNoObjectFailsTheExport)
{
    const std::vector<std::string> full = FullSequence();
    for (const int call : {1, 3, 4, 5, 6}) {
        for (const Variant& answer : {Variant{}, Variant::Int(1), Variant::Dispatch(nullptr)}) {
            pLog->aCalls.clear();
            pLog->iNonObjectAt = call;
            pLog->nonObject = answer;
            const ExportResult result = ExportSpreadsheet(*db, QStringLiteral("/out/list.xlsx"), registry);
            EXPECT_EQ(result.status, ExportStatus::CallFailed) << call;
            EXPECT_EQ(result.strError, "Command failed.") << call;
            ASSERT_GE(pLog->aCalls.size(), size_t(call)) << call;
            EXPECT_EQ(std::vector<std::string>(pLog->aCalls.begin(), pLog->aCalls.begin() + call),
                      std::vector<std::string>(full.begin(), full.begin() + call));
            EXPECT_EQ(pLog->aCalls.back(), full.back()) << call;
        }
    }
}

TEST_F(RecordedExport, WorkbookWithOneSheetFailsAtTheSecondSheet)
{
    pLog->iSheets = 1;
    prompts.QueueAnswer(MsgAnswer::Ok);
    Export();
    const std::vector<std::string> full = FullSequence();
    const auto item2 = std::find(full.begin(), full.end(), "Worksheets.get 0xAA(2)");
    std::vector<std::string> expected(full.begin(), item2 + 1);
    expected.insert(expected.end(), full.end() - 3, full.end());
    EXPECT_EQ(pLog->aCalls, expected);
    EXPECT_EQ(prompts.Messages(),
              (std::vector<ShownMessage>{{"Invalid index.", kAppName, MsgButtons::Ok, MsgIcon::Stop}}));
}

TEST_F(RecordedExport, LayerOrServerMissingEndsTheExportWithAWarning)
{
    for (int i = 0; i < 4; ++i)
        prompts.QueueAnswer(MsgAnswer::Ok);
    registry.bInitOk = false;
    Export();
    Export();
    EXPECT_EQ(registry.iInits, 2); // tried again: it never succeeded
    registry.bInitOk = true;
    Export();
    Export();
    EXPECT_EQ(registry.iInits, 3); // once it succeeded, never again

    TestRegistry empty;
    RunSpreadsheetExport(*db, prompts, QStringLiteral("/out/list.xlsx"), empty);
    empty.Register(kExcelProgId, [] { return DispatchRef(); }); // the server does not start
    RunSpreadsheetExport(*db, prompts, QStringLiteral("/out/list.xlsx"), empty);
    empty.Register(kExcelProgId, nullptr); // registered without a factory
    EXPECT_EQ(ExportSpreadsheet(*db, QStringLiteral("/out/list.xlsx"), empty).status, ExportStatus::ServerMissing);
    EXPECT_NE(DefaultAutomationRegistry().CreateObject(kExcelProgId), nullptr);
    EXPECT_EQ(DefaultAutomationRegistry().CreateObject(QStringLiteral("Word.Application")), nullptr);

    const ShownMessage noCom{"Can't init Com!", kAppName, MsgButtons::Ok, MsgIcon::Warning};
    const ShownMessage noExcel{"Can not start excel service!", kAppName, MsgButtons::Ok, MsgIcon::Warning};
    EXPECT_EQ(prompts.Messages(), (std::vector<ShownMessage>{noCom, noCom, noExcel, noExcel}));
    EXPECT_EQ(pLog->aCalls.size(), 2 * FullSequence().size());
}

// --- the built-in server ------------------------------------------------------

class BuiltinExport : public ::testing::Test {
protected:
    BuiltinExport()
    {
        registry.Register(kExcelProgId, [this] { return pApp = std::make_shared<ExcelApplication>(); });
    }

    QTemporaryDir dir;
    std::shared_ptr<ExcelApplication> pApp;
    AutomationRegistry registry;
    std::unique_ptr<Database> db = SmallDatabase();
    ScriptedPrompts prompts;
};

// The element of cell ref ("F2") in a worksheet's XML.
QByteArray CellElement(const QByteArray& sheet, const QByteArray& ref)
{
    const qsizetype start = sheet.indexOf("<c r=\"" + ref + "\"");
    return start < 0 ? QByteArray() : sheet.mid(start, sheet.indexOf("</c>", start) + 4 - start);
}

TEST_F(BuiltinExport, WritesAWorkbookWithBothSheets)
{
    const QString path = dir.filePath(QStringLiteral("channels.xlsx"));
    EXPECT_EQ(RunSpreadsheetExport(*db, prompts, path, registry), "Exported 1 TV and 1 radio channels to " + path);
    ASSERT_TRUE(prompts.Messages().empty());

    ASSERT_EQ(pApp->CreatedWorkbooks().size(), 1u);
    const ExcelWorkbook& book = *pApp->CreatedWorkbooks()[0];
    EXPECT_TRUE(book.bClosed);
    EXPECT_TRUE(pApp->HasQuit());
    EXPECT_FALSE(pApp->Visible());
    EXPECT_EQ(book.strSavedPath, path);
    ASSERT_EQ(book.aSheets.size(), 3u);
    EXPECT_EQ(book.aSheets[0].strName, "TV Program");
    EXPECT_EQ(book.aSheets[1].strName, "Radio Program");
    EXPECT_EQ(book.aSheets[2].strName, "Sheet3");
    EXPECT_EQ(book.aSheets[0].iAlignment, xl::kCenter);
    EXPECT_EQ(book.aSheets[2].iAlignment, xl::kGeneral);
    EXPECT_EQ(book.aSheets[0].Cell(1, 8), "Tp Sym");
    EXPECT_EQ(book.aSheets[0].Cell(2, 2), "Café TV");
    EXPECT_EQ(book.aSheets[1].Cell(2, 2), "Radio");
    EXPECT_EQ(book.aSheets[1].aCells.size(), 16u);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("PK"));
    const auto members = ReadZipMembers(bytes);
    ASSERT_TRUE(members.contains("xl/workbook.xml")) << bytes.size();
    const QByteArray workbook = members.at("xl/workbook.xml");
    EXPECT_TRUE(workbook.contains("name=\"TV Program\"") && workbook.contains("name=\"Radio Program\"") &&
                workbook.contains("name=\"Sheet3\""))
        << workbook.toStdString();
    const QByteArray strings = members.at("xl/sharedStrings.xml");
    for (const char* text : {"Service Name", "Café TV", "Radio", "Astra", "Tp Freq"})
        EXPECT_TRUE(strings.contains(text)) << text;
    // Index, frequency and symbol rate are numbers; the rest text ("t" = "s").
    const QByteArray sheet = members.at("xl/worksheets/sheet1.xml");
    for (const auto& [ref, text] : {std::pair("A2", false), {"F2", false}, {"H2", false}, {"A1", true}, {"B2", true}})
        EXPECT_EQ(CellElement(sheet, ref).contains("t=\"s\""), text) << ref << sheet.toStdString();
    EXPECT_TRUE(CellElement(sheet, "F2").contains("<v>11747</v>")) << sheet.toStdString();
    EXPECT_TRUE(members.at("xl/styles.xml").contains("horizontal=\"center\""));
    EXPECT_TRUE(members.at("xl/worksheets/sheet2.xml").contains("r=\"H2\""));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"channels.xlsx"}); // no temporary left
}

// A chosen name without an extension, or with the older format's one, is
// saved as ".xlsx"; a file of that name is replaced only when the user agrees.
TEST_F(BuiltinExport, TheWorkbookIsNamedXlsxAndAsksBeforeReplacingThatName)
{
    const std::pair<const char*, const char*> names[] = {
        {"/d.v2/list", "/d.v2/list.xlsx"}, {"/d/list.xls", "/d/list.xlsx"}, {"/d/LIST.XLS", "/d/LIST.xlsx"},
        {"/d/list.xlsx", "/d/list.xlsx"},  {"/d/list.txt", "/d/list.txt"},
    };
    for (const auto& [chosen, saved] : names)
        EXPECT_EQ(WorkbookPath(chosen), saved) << chosen;
    const QString chosen = dir.filePath(QStringLiteral("book.xls"));
    const QString target = dir.filePath(QStringLiteral("book.xlsx"));
    EXPECT_FALSE(RunSpreadsheetExport(*db, prompts, chosen, registry).isEmpty());
    ASSERT_TRUE(QFile::resize(target, 3));
    const ShownMessage replace{"book.xlsx already exists.\nDo you want to replace it?", kAppName,
                               MsgButtons::YesNoDefaultNo, MsgIcon::Warning};
    prompts.QueueAnswer(MsgAnswer::No);
    EXPECT_EQ(RunSpreadsheetExport(*db, prompts, chosen, registry), "");
    EXPECT_EQ(QFileInfo(target).size(), 3);
    prompts.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RunSpreadsheetExport(*db, prompts, chosen, registry), "Exported 1 TV and 1 radio channels to " + target);
    EXPECT_GT(QFileInfo(target).size(), 3);
    EXPECT_EQ(prompts.Messages(), (std::vector<ShownMessage>{replace, replace}));
    EXPECT_FALSE(QFile::exists(chosen));
}

TEST(BuiltinExcel, CellNumberTakesPlainDecimalNumbersOnly)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1", 1},
        {"11747", 11747},
        {"-12", -12},
        {"+3.25", 3.25},
        {"007", 7},
        {"0.5", 0.5},
        {"123456789012345", 123456789012345.0},
        {"1234567890123456", {}},
        {"", {}},
        {"1.", {}},
        {".5", {}},
        {"1e5", {}},
        {" 1", {}},
        {"1 ", {}},
        {"1\n", {}},
        {"1,5", {}},
        {"1/2", {}},
        {"12:30", {}},
        {"2024-01-02", {}},
        {"=1+2", {}},
        {"-", {}},
        {"0x10", {}},
        {"inf", {}},
        {"Caf\u00e9 1", {}},
        {"\u0661", {}}, // an Arabic-Indic digit
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(CellNumber(QString::fromUtf8(text)), number) << text;
}

TEST_F(BuiltinExport, UnwritablePathIsReportedAfterShutdown)
{
    const QString existing = dir.filePath(QStringLiteral("keep.xls"));
    QFile keep(existing);
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("old");
    keep.close();
    // The workbook is written as every file the program writes: each failure names its reason.
    const std::pair<QString, const char*> failures[] = {
        {dir.filePath(QStringLiteral("missing/list.xls")), "No such file"},
        {QString(), "No file name"},
        {dir.path(), "not a regular file"},
    };
    for (const auto& [path, reason] : failures) {
        const ExportResult result = ExportSpreadsheet(*db, path, registry);
        EXPECT_EQ(result.status, ExportStatus::CallFailed);
        EXPECT_TRUE(result.strError.startsWith("Cannot save the workbook as '" + path + "'") &&
                    result.strError.contains(reason))
            << result.strError.toStdString();
        EXPECT_TRUE(pApp->CreatedWorkbooks()[0]->bClosed);
        EXPECT_TRUE(pApp->HasQuit());
    }
    prompts.QueueAnswer(MsgAnswer::Ok);
    RunSpreadsheetExport(*db, prompts, dir.filePath(QStringLiteral("missing/list.xls")), registry);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].icon, MsgIcon::Stop);
    EXPECT_TRUE(prompts.Messages()[0].strText.contains("missing/list.xls"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.xls"});
}

TEST(BuiltinExcel, RefusesWhatTheApplicationWouldRefuse)
{
    const auto app = std::make_shared<ExcelApplication>();
    const auto get = [](const DispatchRef& object, DispId id, CallKind kind, std::vector<Variant> args = {}) {
        return *object->Invoke(id, kind, args).value.Get<DispatchRef>();
    };
    const DispatchRef books = get(app, xl::kWorkbooks, CallKind::PropertyGet);
    const DispatchRef book = get(books, xl::kAdd, CallKind::Method, {Variant::Missing()});
    const DispatchRef sheets = get(book, xl::kWorksheets, CallKind::PropertyGet);
    const DispatchRef sheet = get(sheets, xl::kItem, CallKind::PropertyGet, {Variant::Int(1)});
    const DispatchRef cells = get(sheet, xl::kCells, CallKind::PropertyGet);
    struct Case {
        const char* pszWhat;
        DispatchRef object;
        DispId id;
        CallKind kind;
        std::vector<Variant> args;
        HResult hr;
    };
    const QString longName(32, u'x');
    using enum CallKind;
    const std::vector<Case> cases = {
        {"unknown member", app, 0x999, Method, {}, kDispEMemberNotFound},
        {"get of a put member", app, xl::kVisible, PropertyGet, {}, kDispEMemberNotFound},
        {"Visible as an integer", app, xl::kVisible, PropertyPut, {Variant::Int(0)}, kDispETypeMismatch},
        {"Quit with an argument", app, xl::kQuit, Method, {Variant::Int(0)}, kDispEBadParamCount},
        {"Add from a template", books, xl::kAdd, Method, {Variant::String("t.xltx")}, kDispEException},
        {"Item past the last sheet", sheets, xl::kItem, PropertyGet, {Variant::Int(4)}, kDispEBadIndex},
        {"Item 0", sheets, xl::kItem, PropertyGet, {Variant::Int(0)}, kDispEBadIndex},
        {"Item by name", sheets, xl::kItem, PropertyGet, {Variant::String("Sheet1")}, kDispETypeMismatch},
        {"Item without index", sheets, xl::kItem, PropertyGet, {}, kDispEBadParamCount},
        {"row 0",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(0), Variant::Int(1), Variant::String("x")},
         kDispEBadIndex},
        {"column past the last",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(1), Variant::Int(16385), Variant::String("x")},
         kDispEBadIndex},
        {"cell value as a boolean",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(1), Variant::Int(1), Variant::Bool(true)},
         kDispETypeMismatch},
        {"unknown alignment", cells, xl::kHorizontalAlignment, PropertyPut, {Variant::Int(7)}, kDispEException},
        {"sheet name with a slash", sheet, xl::kName, PropertyPut, {Variant::String("a/b")}, kDispEException},
        {"sheet name too long", sheet, xl::kName, PropertyPut, {Variant::String(longName)}, kDispEException},
        {"empty sheet name", sheet, xl::kName, PropertyPut, {Variant::String("")}, kDispEException},
        {"sheet name taken", sheet, xl::kName, PropertyPut, {Variant::String("sheet2")}, kDispEException},
        {"SaveAs without a file name", book, xl::kSaveAs, Method, {Variant::Missing()}, kDispETypeMismatch},
        {"Close with four arguments", book, xl::kClose, Method, std::vector<Variant>(4, Variant::Missing()),
         kDispEBadParamCount},
        // the application
        {"Workbooks with an argument", app, xl::kWorkbooks, PropertyGet, {Variant::Int(1)}, kDispEBadParamCount},
        {"Workbooks as a put", app, xl::kWorkbooks, PropertyPut, {}, kDispEMemberNotFound},
        {"Visible without a value", app, xl::kVisible, PropertyPut, {}, kDispEBadParamCount},
        {"Quit as a get", app, xl::kQuit, PropertyGet, {}, kDispEMemberNotFound},
        // the workbooks
        {"Add as a get", books, xl::kAdd, PropertyGet, {}, kDispEMemberNotFound},
        {"Add with two arguments",
         books,
         xl::kAdd,
         Method,
         {Variant::Missing(), Variant::Missing()},
         kDispEBadParamCount},
        {"Add with an error other than missing",
         books,
         xl::kAdd,
         Method,
         {Variant::Error(kDispETypeMismatch)},
         kDispEException},
        {"Workbooks.Close with an argument", books, xl::kClose, Method, {Variant::Bool(false)}, kDispEBadParamCount},
        {"unknown Workbooks method", books, 0x999, Method, {}, kDispEMemberNotFound},
        // the workbook
        {"Worksheets with an argument", book, xl::kWorksheets, PropertyGet, {Variant::Int(1)}, kDispEBadParamCount},
        {"Worksheets as a method", book, xl::kWorksheets, Method, {}, kDispEMemberNotFound},
        {"SaveAs as a get", book, xl::kSaveAs, PropertyGet, {Variant::String("a.xlsx")}, kDispEMemberNotFound},
        {"SaveAs without arguments", book, xl::kSaveAs, Method, {}, kDispEBadParamCount},
        {"SaveAs with thirteen arguments", book, xl::kSaveAs, Method, std::vector<Variant>(13, Variant::String("a")),
         kDispEBadParamCount},
        {"unknown Workbook method", book, 0x999, Method, {}, kDispEMemberNotFound},
        // the worksheets
        {"Item as a method", sheets, xl::kItem, Method, {Variant::Int(1)}, kDispEMemberNotFound},
        {"unknown Worksheets member", sheets, xl::kCells, PropertyGet, {}, kDispEMemberNotFound},
        // a worksheet
        {"Cells with an argument", sheet, xl::kCells, PropertyGet, {Variant::Int(1)}, kDispEBadParamCount},
        {"Cells as a put", sheet, xl::kCells, PropertyPut, {}, kDispEMemberNotFound},
        {"Name as a get", sheet, xl::kName, PropertyGet, {}, kDispEMemberNotFound},
        {"Name without a value", sheet, xl::kName, PropertyPut, {}, kDispEBadParamCount},
        {"Name as an integer", sheet, xl::kName, PropertyPut, {Variant::Int(1)}, kDispETypeMismatch},
        {"sheet name starting with a quote", sheet, xl::kName, PropertyPut, {Variant::String("'a")}, kDispEException},
        {"sheet name ending with a quote", sheet, xl::kName, PropertyPut, {Variant::String("a'")}, kDispEException},
        {"sheet name of 31 characters", sheet, xl::kName, PropertyPut, {Variant::String(QString(31, u'y'))}, kSOk},
        // the cells
        {"Cells called as a method", cells, xl::kItem, Method, {}, kDispEMemberNotFound},
        {"unknown Range property", cells, 0x999, PropertyPut, {Variant::Int(1)}, kDispEMemberNotFound},
        {"alignment without a value", cells, xl::kHorizontalAlignment, PropertyPut, {}, kDispEBadParamCount},
        {"alignment as a text",
         cells,
         xl::kHorizontalAlignment,
         PropertyPut,
         {Variant::String("center")},
         kDispETypeMismatch},
        {"left alignment", cells, xl::kHorizontalAlignment, PropertyPut, {Variant::Int(xl::kLeft)}, kSOk},
        {"right alignment", cells, xl::kHorizontalAlignment, PropertyPut, {Variant::Int(xl::kRight)}, kSOk},
        {"general alignment", cells, xl::kHorizontalAlignment, PropertyPut, {Variant::Int(xl::kGeneral)}, kSOk},
        {"Item with two arguments",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(1), Variant::Int(1)},
         kDispEBadParamCount},
        {"row as a text",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::String("1"), Variant::Int(1), Variant::String("x")},
         kDispETypeMismatch},
        {"column as a text",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(1), Variant::String("A"), Variant::String("x")},
         kDispETypeMismatch},
        {"row past the last",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(xl::kMaxRows + 1), Variant::Int(1), Variant::String("x")},
         kDispEBadIndex},
        {"column 0",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(1), Variant::Int(0), Variant::String("x")},
         kDispEBadIndex},
        {"text longer than a cell holds",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(1), Variant::Int(1), Variant::String(QString(32768, u'z'))},
         kDispETypeMismatch},
        {"last cell",
         cells,
         xl::kItem,
         PropertyPut,
         {Variant::Int(xl::kMaxRows), Variant::Int(xl::kMaxColumns), Variant::String(QString(32767, u'z'))},
         kSOk},
    };
    for (const Case& c : cases) {
        const DispResult r = c.object->Invoke(c.id, c.kind, c.args);
        EXPECT_EQ(r.hr, c.hr) << c.pszWhat;
        EXPECT_EQ(r.strDescription.isEmpty(), c.hr == kSOk) << c.pszWhat;
    }
    const ExcelSheet& first = app->CreatedWorkbooks()[0]->aSheets[0];
    EXPECT_EQ(first.strName, QString(31, u'y'));
    EXPECT_EQ(first.iAlignment, xl::kGeneral);
    EXPECT_EQ(first.aCells.size(), 1u); // only the last cell: every refused write left the sheet alone
    EXPECT_EQ(first.Cell(xl::kMaxRows, xl::kMaxColumns).size(), 32767);
    EXPECT_FALSE(sheet->Invoke(xl::kName, CallKind::PropertyPut, std::vector{Variant::String("Sheet1")}).Failed());
    EXPECT_FALSE(book->Invoke(xl::kClose, CallKind::Method, {}).Failed());
    EXPECT_TRUE(cells->Invoke(xl::kHorizontalAlignment, CallKind::PropertyPut, std::vector{Variant::Int(xl::kCenter)})
                    .Failed()); // the workbook is closed
}

// Objects of a closed workbook refuse every call; the application and its
// workbooks collection keep answering.
TEST(BuiltinExcel, ClosedWorkbooksRefuseEveryCall)
{
    const auto app = std::make_shared<ExcelApplication>();
    const auto get = [](const DispatchRef& object, DispId id, CallKind kind, std::vector<Variant> args = {}) {
        return *object->Invoke(id, kind, args).value.Get<DispatchRef>();
    };
    const DispatchRef books = get(app, xl::kWorkbooks, CallKind::PropertyGet);
    const DispatchRef first = get(books, xl::kAdd, CallKind::Method);
    const DispatchRef second = get(books, xl::kAdd, CallKind::Method, {Variant::Missing()});
    const DispatchRef sheets = get(first, xl::kWorksheets, CallKind::PropertyGet);
    const DispatchRef sheet = get(sheets, xl::kItem, CallKind::PropertyGet, {Variant::Int(3)});
    const DispatchRef cells = get(sheet, xl::kCells, CallKind::PropertyGet);

    // Writing an empty text, or nothing, clears a cell.
    const std::vector<Variant> put = {Variant::Int(2), Variant::Int(3), Variant::String("x")};
    ASSERT_FALSE(cells->Invoke(xl::kItem, CallKind::PropertyPut, put).Failed());
    const ExcelSheet& third = app->CreatedWorkbooks()[0]->aSheets[2];
    EXPECT_EQ(third.Cell(2, 3), "x");
    for (const Variant& clear : {Variant::String(""), Variant{}}) {
        ASSERT_FALSE(cells->Invoke(xl::kItem, CallKind::PropertyPut, put).Failed());
        const std::vector<Variant> args = {Variant::Int(2), Variant::Int(3), clear};
        EXPECT_FALSE(cells->Invoke(xl::kItem, CallKind::PropertyPut, args).Failed());
        EXPECT_TRUE(third.aCells.empty());
        EXPECT_EQ(third.Cell(2, 3), "");
    }

    ASSERT_FALSE(books->Invoke(xl::kClose, CallKind::Method, {}).Failed());
    ASSERT_EQ(app->CreatedWorkbooks().size(), 2u);
    for (const auto& book : app->CreatedWorkbooks())
        EXPECT_TRUE(book->bClosed);
    struct Case {
        const char* pszWhat;
        DispatchRef object;
        DispId id;
        CallKind kind;
        std::vector<Variant> args;
    };
    using enum CallKind;
    const Case cases[] = {
        {"Worksheets", first, xl::kWorksheets, PropertyGet, {}},
        {"SaveAs", second, xl::kSaveAs, Method, {Variant::String("/nonexistent/a.xlsx")}},
        {"Close", first, xl::kClose, Method, {}},
        {"Item", sheets, xl::kItem, PropertyGet, {Variant::Int(1)}},
        {"Cells", sheet, xl::kCells, PropertyGet, {}},
        {"Name", sheet, xl::kName, PropertyPut, {Variant::String("New")}},
        {"cell", cells, xl::kItem, PropertyPut, put},
        {"unknown member", cells, 0x999, Method, {}},
    };
    for (const Case& c : cases) {
        const DispResult r = c.object->Invoke(c.id, c.kind, c.args);
        EXPECT_EQ(r.hr, kDispEException) << c.pszWhat;
        EXPECT_EQ(r.strDescription, "The workbook has been closed.") << c.pszWhat;
    }
    EXPECT_EQ(app->CreatedWorkbooks()[0]->aSheets[2].strName, "Sheet3");
    EXPECT_TRUE(app->CreatedWorkbooks()[1]->strSavedPath.isEmpty());
    EXPECT_FALSE(books->Invoke(xl::kAdd, CallKind::Method, {}).Failed());
    EXPECT_FALSE(app->Invoke(xl::kQuit, CallKind::Method, {}).Failed());
    EXPECT_TRUE(app->HasQuit());
}

// A workbook the writer refuses leaves no file behind and an existing file as
// it was; a written one keeps the permissions of the file it replaces.
TEST(BuiltinExcel, WriteWorkbookFileReportsRefusalsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.xlsx"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_TRUE(old.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    const auto book = [](std::vector<ExcelSheet> sheets) {
        ExcelWorkbook b;
        b.aSheets = std::move(sheets);
        return b;
    };
    ExcelSheet tooLong{QStringLiteral("Long"), xl::kGeneral, {}};
    tooLong.aCells[ExcelSheet::Key(1, 1)] = QString(40000, u'z');
    ExcelSheet pastTheLastRow{QStringLiteral("Rows"), xl::kGeneral, {}};
    pastTheLastRow.aCells[ExcelSheet::Key(xl::kMaxRows + 1, 1)] = QStringLiteral("x");
    struct Case {
        const char* pszWhat;
        ExcelWorkbook workbook;
        const char* pszError; // expected after "Cannot save the workbook as 'path'"
    };
    const Case cases[] = {
        {"sheet name with a slash", book({{QStringLiteral("a/b"), xl::kGeneral, {}}}),
         ": You typed an invalid name for a sheet or chart."},
        {"two sheets of one name",
         book({{QStringLiteral("Same"), xl::kGeneral, {}}, {QStringLiteral("same"), xl::kGeneral, {}}}),
         ": You typed an invalid name for a sheet or chart."},
        {"text longer than a cell holds", book({tooLong}), ": "},
        {"row past the last", book({pastTheLastRow}), ": "},
    };
    for (const Case& c : cases) {
        const QString error = WriteWorkbookFile(c.workbook, path);
        EXPECT_TRUE(error.startsWith("Cannot save the workbook as '" + path + "'" + c.pszError))
            << c.pszWhat << ": " << error.toStdString();
        EXPECT_GT(error.size(), ("Cannot save the workbook as '" + path + "': ").size()) << c.pszWhat;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"book.xlsx"}) << c.pszWhat;
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "old") << c.pszWhat;
        old.close();
    }

    ExcelSheet left{QStringLiteral("Left"), xl::kLeft, {}};
    left.aCells[ExcelSheet::Key(1, 1)] = QStringLiteral("l");
    ExcelSheet right{QStringLiteral("Right"), xl::kRight, {}};
    right.aCells[ExcelSheet::Key(1, 1)] = QStringLiteral("r");
    ASSERT_EQ(WriteWorkbookFile(book({left, right}), path), "");
    EXPECT_EQ(QFile::permissions(path),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const auto members = ReadZipMembers(old.readAll());
    ASSERT_TRUE(members.contains("xl/styles.xml"));
    EXPECT_TRUE(members.at("xl/styles.xml").contains("horizontal=\"left\""));
    EXPECT_TRUE(members.at("xl/styles.xml").contains("horizontal=\"right\""));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"book.xlsx"});
}

// --- sdxtool -----------------------------------------------------------------

TEST(ExchangeTool, ImportsAPageAndExportsTheResult)
{
    QTemporaryDir dir;
    const QString in = dir.filePath("in.sdx"), out = dir.filePath("out.sdx"), xlsx = dir.filePath("out.xlsx");
    const QString page = dir.filePath(QStringLiteral("Sat A at 28.2°E.htm"));
    QFile pageFile(page);
    ASSERT_TRUE(pageFile.open(QIODevice::WriteOnly));
    pageFile.write("<a>3840</A> H</a> 4340 - 3/4 11747 V< 27500 - 2/3");
    pageFile.close();
    ASSERT_EQ(RunTool({"new", in}).exitCode, 0);
    ASSERT_EQ(RunTool({"import-listing", in, page, out}).exitCode, 0);
    auto db = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*db, out), LoadResult::Ok);
    ASSERT_EQ(db->header.sSatNumber, 2);
    EXPECT_STREQ(db->SatelliteTable[1].acSatName, "Ku_Sat A");
    EXPECT_EQ(db->header.sTpNumber, 2);

    ASSERT_EQ(RunTool({"export", out, xlsx}).exitCode, 0);
    QFile workbook(xlsx);
    ASSERT_TRUE(workbook.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ReadZipMembers(workbook.readAll()).contains("xl/worksheets/sheet2.xml"));

    const ToolRun missingPage = RunTool({"import-listing", in, dir.filePath("none at 1E.htm"), out});
    EXPECT_EQ(missingPage.exitCode, 2);
    EXPECT_TRUE(missingPage.err.contains("none at 1E.htm"));
    EXPECT_EQ(RunTool({"import-listing", in, in, out}).exitCode, 1); // no " at" in the name
    const ToolRun unwritable = RunTool({"export", out, dir.filePath("missing/out.xlsx")});
    EXPECT_EQ(unwritable.exitCode, 2);
    // The workbook is written beside its target as every output is: the
    // message names the target and the obstacle.
    EXPECT_TRUE(unwritable.err.contains("missing/out.xlsx") && unwritable.err.contains("No such file or directory"))
        << unwritable.err.toStdString();
}

} // namespace

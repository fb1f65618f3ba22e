// The built-in spreadsheet application, registered as "Excel.Application":
// the application, workbooks, workbook, worksheets, worksheet and range
// objects of the published object model, answering the members the export
// uses. Cells are held in memory; SaveAs writes a real workbook (the xlsx
// format, whatever the file's extension) through libxlsxwriter.
#pragma once

#include "Automation.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

inline const QString kExcelProgId = QStringLiteral("Excel.Application");

// Member ids of the spreadsheet application's object model.
namespace xl {
inline constexpr DispId kWorkbooks = 0x23C;          // Application, property get
inline constexpr DispId kVisible = 0x22E;            // Application, property put
inline constexpr DispId kQuit = 0x12E;               // Application, method
inline constexpr DispId kAdd = 0xB5;                 // Workbooks, method
inline constexpr DispId kClose = 0x115;              // Workbooks and Workbook, method
inline constexpr DispId kWorksheets = 0x1EE;         // Workbook, property get
inline constexpr DispId kSaveAs = 0x785;             // Workbook, method
inline constexpr DispId kItem = 0xAA;                // Worksheets get, Range put
inline constexpr DispId kCells = 0xEE;               // Worksheet, property get
inline constexpr DispId kName = 0x6E;                // Worksheet, property put
inline constexpr DispId kHorizontalAlignment = 0x88; // Range, property put
inline constexpr int32_t kCenter = -4108;
inline constexpr int32_t kLeft = -4131;
inline constexpr int32_t kRight = -4152;
inline constexpr int32_t kGeneral = 1;
inline constexpr int32_t kAccessModeNoChange = 1;
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;
inline constexpr int kNewWorkbookSheets = 3;
} // namespace xl

struct ExcelSheet {
    QString strName;
    int32_t iAlignment = xl::kGeneral;
    std::map<uint64_t, QString> aCells; // key: row << 32 | column, both from 1

    static uint64_t Key(int row, int column) { return uint64_t(row) << 32 | uint32_t(column); }
    QString Cell(int row, int column) const;
};

struct ExcelWorkbook {
    std::vector<ExcelSheet> aSheets;
    QString strSavedPath; // the last path SaveAs wrote
    bool bClosed = false;
};

// The application object. It keeps every workbook it created, closed or not,
// so that its state can be inspected after a session.
class ExcelApplication : public IDispatchObject, public std::enable_shared_from_this<ExcelApplication> {
public:
    DispResult Invoke(DispId id, CallKind kind, std::span<const Variant> args) override;

    bool Visible() const { return bVisible; }
    bool HasQuit() const { return bQuit; }
    const std::vector<std::shared_ptr<ExcelWorkbook>>& CreatedWorkbooks() const { return aCreated; }

private:
    friend class ExcelWorkbooksObject;
    bool bVisible = true;
    bool bQuit = false;
    std::vector<std::shared_ptr<ExcelWorkbook>> aCreated;
};

// A cell text the application takes as a number, as it parses what is typed
// into a cell: a plain decimal number (optional sign, digits, optional
// decimal part: "-12", "3.25") of at most 15 digits, which a double holds
// exactly. Every other text stays text: blanks, exponents, dates, formulas
// ("=1+2"), and longer digit strings, which would lose digits.
std::optional<double> CellNumber(const QString& text);

// Writes the workbook to path; an empty result on success, else why not.
// Cells whose text is a number (CellNumber) are written as numbers.
QString WriteWorkbookFile(const ExcelWorkbook& book, const QString& path);

void RegisterBuiltinExcel(AutomationRegistry& registry);

// The process-wide registry, with the built-in servers registered.
AutomationRegistry& DefaultAutomationRegistry();

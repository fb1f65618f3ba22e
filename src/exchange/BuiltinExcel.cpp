#include "BuiltinExcel.h"

#include "FileAccess.h"
#include "TrText.h"

#include <QRegularExpression>
#include <QScopeGuard>

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr TrText kErrUnknownMember{"BuiltinExcel", QT_TRANSLATE_NOOP("BuiltinExcel", "Unknown name.")};
constexpr TrText kErrArguments{"BuiltinExcel", QT_TRANSLATE_NOOP("BuiltinExcel", "Invalid number of parameters.")};
constexpr TrText kErrType{"BuiltinExcel", QT_TRANSLATE_NOOP("BuiltinExcel", "Type mismatch.")};
constexpr TrText kErrIndex{"BuiltinExcel", QT_TRANSLATE_NOOP("BuiltinExcel", "Invalid index.")};
constexpr TrText kErrClosed{"BuiltinExcel", QT_TRANSLATE_NOOP("BuiltinExcel", "The workbook has been closed.")};
constexpr TrText kErrSheetName{"BuiltinExcel",
                               QT_TRANSLATE_NOOP("BuiltinExcel", "You typed an invalid name for a sheet or chart.")};
constexpr TrText kErrSheetNameTaken{
    "BuiltinExcel", QT_TRANSLATE_NOOP("BuiltinExcel", "That name is already taken. Try a different one.")};
constexpr TrText kErrAlignment{
    "BuiltinExcel",
    QT_TRANSLATE_NOOP("BuiltinExcel", "Unable to set the HorizontalAlignment property of the Range class")};
constexpr TrText kErrTemplate{"BuiltinExcel",
                              QT_TRANSLATE_NOOP("BuiltinExcel", "Workbook templates are not supported.")};
constexpr TrText kErrCannotSave{"BuiltinExcel", QT_TRANSLATE_NOOP("BuiltinExcel", "Cannot save the workbook as '%1'")};
constexpr int kMaxCellText = 32767;
constexpr int kMaxSheetName = 31;

DispResult Unknown() { return DispResult::Fail(kDispEMemberNotFound, kErrUnknownMember); }
DispResult WrongArguments() { return DispResult::Fail(kDispEBadParamCount, kErrArguments); }
DispResult WrongType() { return DispResult::Fail(kDispETypeMismatch, kErrType); }

template <class T>
const T* Arg(std::span<const Variant> args, size_t i)
{
    return i < args.size() ? args[i].Get<T>() : nullptr;
}

// The objects below each hold the workbook they belong to; a closed
// workbook's objects refuse every call.
class BookObject : public IDispatchObject {
public:
    explicit BookObject(std::shared_ptr<ExcelWorkbook> book, int sheet = 0) : pBook(std::move(book)), iSheet(sheet) {}

    DispResult Invoke(DispId id, CallKind kind, std::span<const Variant> args) final
    {
        return pBook->bClosed ? DispResult::Fail(kDispEException, kErrClosed) : Call(id, kind, args);
    }

protected:
    virtual DispResult Call(DispId id, CallKind kind, std::span<const Variant> args) = 0;
    ExcelSheet& Sheet() const { return pBook->aSheets[size_t(iSheet)]; }

    std::shared_ptr<ExcelWorkbook> pBook;
    int iSheet;
};

// All cells of one worksheet.
class RangeObject : public BookObject {
    using BookObject::BookObject;

    DispResult Call(DispId id, CallKind kind, std::span<const Variant> args) override
    {
        if (kind != CallKind::PropertyPut)
            return Unknown();
        if (id == xl::kHorizontalAlignment) {
            if (args.size() != 1)
                return WrongArguments();
            const int32_t* value = Arg<int32_t>(args, 0);
            if (!value)
                return WrongType();
            if (*value != xl::kCenter && *value != xl::kLeft && *value != xl::kRight && *value != xl::kGeneral)
                return DispResult::Fail(kDispEException, kErrAlignment);
            Sheet().iAlignment = *value;
            return DispResult::Ok();
        }
        if (id == xl::kItem) {
            if (args.size() != 3)
                return WrongArguments();
            const int32_t* row = Arg<int32_t>(args, 0);
            const int32_t* column = Arg<int32_t>(args, 1);
            const QString* text = Arg<QString>(args, 2);
            if (!row || !column || (!text && !args[2].IsEmpty()))
                return WrongType();
            if (*row < 1 || *row > xl::kMaxRows || *column < 1 || *column > xl::kMaxColumns)
                return DispResult::Fail(kDispEBadIndex, kErrIndex);
            if (text && text->size() > kMaxCellText)
                return WrongType();
            if (text && !text->isEmpty())
                Sheet().aCells[ExcelSheet::Key(*row, *column)] = *text;
            else
                Sheet().aCells.erase(ExcelSheet::Key(*row, *column));
            return DispResult::Ok();
        }
        return Unknown();
    }
};

class WorksheetObject : public BookObject {
    using BookObject::BookObject;

    DispResult Call(DispId id, CallKind kind, std::span<const Variant> args) override
    {
        if (id == xl::kCells && kind == CallKind::PropertyGet) {
            if (!args.empty())
                return WrongArguments();
            return DispResult::Ok(Variant::Dispatch(std::make_shared<RangeObject>(pBook, iSheet)));
        }
        if (id == xl::kName && kind == CallKind::PropertyPut) {
            if (args.size() != 1)
                return WrongArguments();
            const QString* name = Arg<QString>(args, 0);
            if (!name)
                return WrongType();
            static const QString kForbidden = QStringLiteral("[]:*?/\\");
            bool valid = !name->isEmpty() && name->size() <= kMaxSheetName && !name->startsWith(u'\'') &&
                         !name->endsWith(u'\'');
            for (const QChar c : *name)
                valid = valid && !kForbidden.contains(c);
            if (!valid)
                return DispResult::Fail(kDispEException, kErrSheetName);
            for (size_t i = 0; i < pBook->aSheets.size(); ++i)
                if (int(i) != iSheet && pBook->aSheets[i].strName.compare(*name, Qt::CaseInsensitive) == 0)
                    return DispResult::Fail(kDispEException, kErrSheetNameTaken);
            Sheet().strName = *name;
            return DispResult::Ok();
        }
        return Unknown();
    }
};

class WorksheetsObject : public BookObject {
    using BookObject::BookObject;

    DispResult Call(DispId id, CallKind kind, std::span<const Variant> args) override
    {
        if (id != xl::kItem || kind != CallKind::PropertyGet)
            return Unknown();
        if (args.size() != 1)
            return WrongArguments();
        const int32_t* index = Arg<int32_t>(args, 0);
        if (!index)
            return WrongType();
        if (*index < 1 || *index > int32_t(pBook->aSheets.size()))
            return DispResult::Fail(kDispEBadIndex, kErrIndex);
        return DispResult::Ok(Variant::Dispatch(std::make_shared<WorksheetObject>(pBook, *index - 1)));
    }
};

class WorkbookObject : public BookObject {
    using BookObject::BookObject;

    DispResult Call(DispId id, CallKind kind, std::span<const Variant> args) override
    {
        if (kind != (id == xl::kWorksheets ? CallKind::PropertyGet : CallKind::Method))
            return Unknown();
        switch (id) {
        case xl::kWorksheets:
            if (!args.empty())
                return WrongArguments();
            return DispResult::Ok(Variant::Dispatch(std::make_shared<WorksheetsObject>(pBook)));
        case xl::kSaveAs: {
            // Filename and eleven optional parameters; only the file name is used.
            if (args.empty() || args.size() > 12)
                return WrongArguments();
            const QString* path = Arg<QString>(args, 0);
            if (!path)
                return WrongType();
            const QString error = WriteWorkbookFile(*pBook, *path);
            if (!error.isEmpty())
                return DispResult::Fail(kDispEException, error);
            pBook->strSavedPath = *path;
            return DispResult::Ok();
        }
        case xl::kClose:
            // SaveChanges, Filename, RouteWorkbook: the workbook closes without saving.
            if (args.size() > 3)
                return WrongArguments();
            pBook->bClosed = true;
            return DispResult::Ok();
        default: return Unknown();
        }
    }
};

} // namespace

class ExcelWorkbooksObject : public IDispatchObject {
public:
    explicit ExcelWorkbooksObject(std::shared_ptr<ExcelApplication> app) : pApp(std::move(app)) {}

    DispResult Invoke(DispId id, CallKind kind, std::span<const Variant> args) override
    {
        if (kind != CallKind::Method)
            return Unknown();
        if (id == xl::kAdd) {
            if (args.size() > 1)
                return WrongArguments();
            if (args.size() == 1 && !args[0].IsMissing())
                return DispResult::Fail(kDispEException, kErrTemplate);
            auto book = std::make_shared<ExcelWorkbook>();
            for (int i = 1; i <= xl::kNewWorkbookSheets; ++i)
                book->aSheets.push_back({QStringLiteral("Sheet%1").arg(i), xl::kGeneral, {}});
            pApp->aCreated.push_back(book);
            return DispResult::Ok(Variant::Dispatch(std::make_shared<WorkbookObject>(book)));
        }
        if (id == xl::kClose) {
            if (!args.empty())
                return WrongArguments();
            for (const auto& book : pApp->aCreated)
                book->bClosed = true;
            return DispResult::Ok();
        }
        return Unknown();
    }

private:
    std::shared_ptr<ExcelApplication> pApp;
};

QString ExcelSheet::Cell(int row, int column) const
{
    const auto found = aCells.find(Key(row, column));
    return found == aCells.end() ? QString() : found->second;
}

DispResult ExcelApplication::Invoke(DispId id, CallKind kind, std::span<const Variant> args)
{
    if (id == xl::kWorkbooks && kind == CallKind::PropertyGet) {
        if (!args.empty())
            return WrongArguments();
        return DispResult::Ok(Variant::Dispatch(std::make_shared<ExcelWorkbooksObject>(shared_from_this())));
    }
    if (id == xl::kVisible && kind == CallKind::PropertyPut) {
        if (args.size() != 1)
            return WrongArguments();
        const bool* visible = Arg<bool>(args, 0);
        if (!visible)
            return WrongType();
        bVisible = *visible;
        return DispResult::Ok();
    }
    if (id == xl::kQuit && kind == CallKind::Method) {
        if (!args.empty())
            return WrongArguments();
        bQuit = true;
        return DispResult::Ok();
    }
    return Unknown();
}

std::optional<double> CellNumber(const QString& text)
{
    static const QRegularExpression kPlainDecimal(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+(\\.[0-9]+)?")));
    constexpr int kExactDigits = 15;
    if (!kPlainDecimal.match(text).hasMatch() ||
        std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }) > kExactDigits)
        return std::nullopt;
    return text.toDouble();
}

QString WriteWorkbookFile(const ExcelWorkbook& book, const QString& path)
{
    const QString cannotWrite = kErrCannotSave.arg(path);
    const auto failed = [&cannotWrite](const QString& reason) { return cannotWrite + QStringLiteral(": ") + reason; };
    // The workbook is made in a file of no name that lives in memory and ends
    // with the process, so that a killed export leaves nothing behind; then
    // it is written as every file the program writes.
    const int fd = ::memfd_create("workbook", MFD_CLOEXEC);
    if (fd < 0)
        return failed(QString::fromLocal8Bit(std::strerror(errno)));
    const auto closeMemory = qScopeGuard([fd] { ::close(fd); });
    const QByteArray memoryName = "/proc/self/fd/" + QByteArray::number(fd);
    lxw_workbook* wb = workbook_new(memoryName.constData());
    if (!wb)
        return cannotWrite + QStringLiteral(".");
    lxw_error error = LXW_NO_ERROR;
    for (const ExcelSheet& sheet : book.aSheets) {
        lxw_worksheet* ws = workbook_add_worksheet(wb, sheet.strName.toUtf8().constData());
        if (!ws) {
            lxw_workbook_free(wb);
            return failed(kErrSheetName);
        }
        lxw_format* format = nullptr;
        if (sheet.iAlignment != xl::kGeneral) {
            format = workbook_add_format(wb);
            format_set_align(format, sheet.iAlignment == xl::kCenter ? LXW_ALIGN_CENTER
                                     : sheet.iAlignment == xl::kLeft ? LXW_ALIGN_LEFT
                                                                     : LXW_ALIGN_RIGHT);
            worksheet_set_column(ws, 0, xl::kMaxColumns - 1, LXW_DEF_COL_WIDTH, format);
        }
        for (const auto& [key, text] : sheet.aCells) {
            if (error != LXW_NO_ERROR)
                break;
            const auto row = lxw_row_t((key >> 32) - 1);
            const auto column = lxw_col_t((key & 0xFFFFFFFF) - 1);
            const std::optional<double> number = CellNumber(text);
            error = number ? worksheet_write_number(ws, row, column, *number, format)
                           : worksheet_write_string(ws, row, column, text.toUtf8().constData(), format);
        }
    }
    if (error != LXW_NO_ERROR) {
        lxw_workbook_free(wb);
        return failed(QString::fromUtf8(lxw_strerror(error)));
    }
    if ((error = workbook_close(wb)) != LXW_NO_ERROR)
        return failed(QString::fromUtf8(lxw_strerror(error)));
    const FileBytes made = ReadWholeFile(QString::fromLatin1(memoryName), kMaxOutsideFileSize);
    if (!made.Ok())
        return cannotWrite + QStringLiteral(".");
    const QString reason = SaveOutputFile(made.bytes, path);
    return reason.isEmpty() ? QString() : failed(reason);
}

void RegisterBuiltinExcel(AutomationRegistry& registry)
{
    registry.Register(kExcelProgId, [] { return std::make_shared<ExcelApplication>(); });
}

AutomationRegistry& DefaultAutomationRegistry()
{
    static AutomationRegistry registry;
    static const bool bRegistered = (RegisterBuiltinExcel(registry), true);
    (void)bRegistered;
    return registry;
}

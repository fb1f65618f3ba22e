#include "ReferenceFile.h"

#include "FileAccess.h"
#include "Translatable.h"

#include <memory>

namespace {

constexpr char kErrCsvTooLarge[] = TRANSLATABLE("ReferenceCsv", "the file is larger than 64 MiB");
constexpr char kErrUtf16[] = TRANSLATABLE("ReferenceCsv", "UTF-16 text: save it as UTF-8");

// Text in UTF-16: its byte-order mark, or the zero byte beside each letter
// of a header in the ASCII range.
bool IsUtf16(const QByteArray& text)
{
    return text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF") ||
           (text.size() >= 2 && (text[0] == '\0' || text[1] == '\0'));
}

} // namespace

bool IsReferenceCsvPath(const QString& path) { return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive); }

ReferenceLoad LoadReferenceFile(const QString& path)
{
    ReferenceLoad load;
    load.bCsv = IsReferenceCsvPath(path);
    if (!load.bCsv) {
        auto db = std::make_unique<Database>();
        load.result = LoadDatabaseFile(*db, path, &load.strReason);
        if (load.result == LoadResult::Ok)
            load.list = ReferenceFromDatabase(*db);
        return load;
    }
    const FileBytes file = ReadWholeFile(path, kMaxOutsideFileSize);
    // Refusals of the whole file name no line.
    const auto refuse = [&load](const char* reason) {
        load.result = LoadResult::NotCorrect;
        load.csvError = {0, reason};
        return load;
    };
    if (file.status == ReadStatus::TooLarge)
        return refuse(kErrCsvTooLarge);
    if (!file.Ok()) {
        load.strReason = ReadFailureReason(file, path);
        return load;
    }
    if (IsUtf16(file.bytes))
        return refuse(kErrUtf16);
    load.list = ReadReferenceCsv({file.bytes.constData(), size_t(file.bytes.size())}, load.csvError);
    load.result = load.list ? LoadResult::Ok : LoadResult::NotCorrect;
    return load;
}

QString ExportReferenceFile(const Database& db, const QString& path)
{
    const std::string text = WriteReferenceCsv(db);
    return SaveOutputFile(QByteArray(text.data(), qsizetype(text.size())), path);
}

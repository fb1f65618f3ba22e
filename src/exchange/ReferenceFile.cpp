#include "ReferenceFile.h"

#include "FileAccess.h"
#include "Translatable.h"

#include <memory>

namespace {

constexpr char kErrCsvTooLarge[] = TRANSLATABLE("ReferenceCsv", "the file is larger than 64 MiB");

} // namespace

bool IsReferenceCsvPath(const QString& path) { return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive); }

ReferenceLoad LoadReferenceFile(const QString& path)
{
    ReferenceLoad load;
    load.bCsv = IsReferenceCsvPath(path);
    if (!load.bCsv) {
        auto db = std::make_unique<Database>();
        load.result = LoadDatabaseFile(*db, path, false);
        if (load.result == LoadResult::Ok)
            load.list = ReferenceFromDatabase(*db);
        return load;
    }
    const FileBytes file = ReadWholeFile(path, kMaxOutsideFileSize);
    if (file.status == ReadStatus::TooLarge) {
        load.result = LoadResult::NotCorrect;
        load.csvError = {1, kErrCsvTooLarge};
        return load;
    }
    if (!file.Ok())
        return load;
    const QByteArray& text = file.bytes;
    load.list = ReadReferenceCsv({text.constData(), size_t(text.size())}, load.csvError);
    load.result = load.list ? LoadResult::Ok : LoadResult::NotCorrect;
    return load;
}

QString ExportReferenceFile(const Database& db, const QString& path)
{
    const std::string text = WriteReferenceCsv(db);
    return SaveOutputFile(QByteArray(text.data(), qsizetype(text.size())), path);
}

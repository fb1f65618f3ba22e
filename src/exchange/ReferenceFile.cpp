#include "ReferenceFile.h"

#include "FileAccess.h"
#include "Translatable.h"

#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

// No text form of 16000 channels comes near this; a larger file is refused unread.
constexpr qint64 kMaxCsvSize = 64 * 1024 * 1024;
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
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return load;
    if (file.size() > kMaxCsvSize) {
        load.result = LoadResult::NotCorrect;
        load.csvError = {1, kErrCsvTooLarge};
        return load;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return load;
    load.list = ReadReferenceCsv({text.constData(), size_t(text.size())}, load.csvError);
    load.result = load.list ? LoadResult::Ok : LoadResult::NotCorrect;
    return load;
}

bool ExportReferenceFile(const Database& db, const QString& path)
{
    if (path.isEmpty())
        return false;
    const std::string text = WriteReferenceCsv(db);
    const QByteArray bytes(text.data(), qsizetype(text.size()));
    // Written by the same rules as every other output: beside the target,
    // read back and checked, then put in its place.
    SaveSession session;
    return session.SaveBytes(bytes, path) == FileSaveResult::Ok;
}

#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

LoadResult LoadDatabaseFile(Database& db, const QString& path, bool needWrite)
{
    // Opening for writing as well must never create the file.
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() ||
        !file.open((needWrite ? QIODevice::ReadWrite : QIODevice::ReadOnly) | QIODevice::ExistingOnly))
        return LoadResult::CannotOpen;
    // A valid file is a header plus at most a 4 GiB payload; anything larger
    // is refused without reading it.
    if (file.size() > qint64(kHeaderSize) + qint64(UINT32_MAX))
        return LoadResult::NotCorrect;
    const QByteArray bytes = file.readAll();
    file.close();
    return LoadDatabase(db, {reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())});
}

FileSaveResult SaveDatabaseFile(Database& db, const QString& path)
{
    std::vector<uint8_t> bytes;
    switch (SaveDatabase(db, bytes)) {
    case SaveResult::TooLarge: return FileSaveResult::TooLarge;
    case SaveResult::CompressFailed: return FileSaveResult::CompressFailed;
    case SaveResult::Ok: break;
    }
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly))
        return FileSaveResult::CannotWrite;
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()) ||
        !file.commit())
        return FileSaveResult::CannotWrite;
    return FileSaveResult::Ok;
}

#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>

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

SaveSession::SaveSession(IFileMedium& medium) : medium(medium) {}

SaveSession::SaveSession() : medium(disk) {}

bool SaveSession::KeepBackup(const QString& path)
{
    if (backedUp.contains(path) || !medium.Exists(path))
        return true;
    const std::optional<QByteArray> previous = medium.Read(path);
    if (!previous)
        return false;
    const QString backup = path + QStringLiteral(".bak");
    const QString written = medium.WriteTemporary(backup, *previous);
    if (written.isEmpty())
        return false;
    if (!medium.Replace(written, backup)) {
        medium.Remove(written);
        return false;
    }
    backedUp.insert(path);
    return true;
}

FileSaveResult SaveSession::Save(Database& db, const QString& path)
{
    if (path.isEmpty())
        return FileSaveResult::CannotWrite;
    // The header keeps its lengths of the last save that reached the disk.
    const SdxHeader before = db.header;
    std::vector<uint8_t> bytes;
    switch (SaveDatabase(db, bytes)) {
    case SaveResult::TooLarge: return FileSaveResult::TooLarge;
    case SaveResult::CompressFailed: return FileSaveResult::CompressFailed;
    case SaveResult::Ok: break;
    }
    const QByteArray file(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    const std::span<const uint8_t> image(db.PackedImage.data(), size_t(db.header.iDataLen));

    const QString temporary = medium.WriteTemporary(path, file);
    bool saved = !temporary.isEmpty();
    if (saved) {
        const std::optional<QByteArray> readBack = medium.Read(temporary);
        saved = readBack && *readBack == file && PayloadInflatesTo(bytes, image) && KeepBackup(path) &&
                medium.Replace(temporary, path);
        if (!saved)
            medium.Remove(temporary);
    }
    if (!saved) {
        db.header = before;
        return FileSaveResult::CannotWrite;
    }
    return FileSaveResult::Ok;
}

FileSaveResult SaveDatabaseFile(Database& db, const QString& path) { return SaveSession().Save(db, path); }

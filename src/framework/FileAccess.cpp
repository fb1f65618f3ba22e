#include "FileAccess.h"

#include "FileNames.h"
#include "TrText.h"

#include <cerrno>
#include <cstring>
#include <limits>

namespace {

// Translated when a reason is made: in the window's language, and in English
// in sdxtool, which installs no translator.
constexpr TrText kReasonNoName{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "No file name was given.")};
constexpr TrText kReasonReadOnly{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 is read-only.")};
constexpr TrText kReasonCannotRead{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 cannot be read: %2.")};
constexpr TrText kReasonNoNewFile{"FileAccess",
                                  QT_TRANSLATE_NOOP("FileAccess", "No new file can be written in %1: %2.")};
constexpr TrText kReasonNotAsWritten{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "The new file written in %1 did not read back as written.")};
constexpr TrText kReasonBackupIsFolder{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 is a folder, so the backup cannot be kept.")};
constexpr TrText kReasonNoBackup{"FileAccess",
                                 QT_TRANSLATE_NOOP("FileAccess", "The backup %1 cannot be written: %2.")};
constexpr TrText kReasonCannotReplace{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 cannot be replaced: %2.")};
constexpr TrText kReasonInPlace{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 cannot be written: %2.")};
constexpr TrText kNoteNoBackup{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "Saved without a backup: the name %1 is too long for its folder.")};
constexpr TrText kReasonTooLarge{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "The channel tables do not fit in the file's 1 MiB image.")};
constexpr TrText kReasonNotCompressed{"FileAccess",
                                      QT_TRANSLATE_NOOP("FileAccess", "The channel tables could not be compressed.")};
constexpr TrText kUnknownError{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "unknown error")};

const QString kBackupSuffix = QStringLiteral(".bak");

QString FolderOf(const QString& path) { return path.left(std::max<qsizetype>(1, path.lastIndexOf('/'))); }

// Reads of files the session writes: they are as large as the program made them.
constexpr int64_t kNoLimit = std::numeric_limits<int64_t>::max() / 2;

} // namespace

LoadResult LoadDatabaseFile(Database& db, const QString& path, bool needWrite, QByteArray* pBytes)
{
    if (path.isEmpty())
        return LoadResult::CannotOpen;
    const FileBytes file = ReadWholeFile(path, kMaxSdxFileSize);
    switch (file.status) {
    case ReadStatus::CannotOpen:
    case ReadStatus::NotRegular: return LoadResult::CannotOpen;
    case ReadStatus::TooLarge: return LoadResult::NotCorrect;
    case ReadStatus::Ok: break;
    }
    // A file without any write bit is one the editor could not save back.
    if (needWrite && !DiskMedium().Status(path).value_or(FileStatus{}).bWritable)
        return LoadResult::CannotOpen;
    if (pBytes)
        *pBytes = file.bytes;
    return LoadDatabase(db, {reinterpret_cast<const uint8_t*>(file.bytes.constData()), size_t(file.bytes.size())});
}

SaveSession::SaveSession(IFileMedium& medium) : medium(medium) {}

SaveSession::SaveSession() : medium(disk) {}

SaveSession::KnownFile* SaveSession::Find(const QString& target, const std::optional<FileStatus>& status)
{
    for (KnownFile& known : aKnown)
        if (known.strPath == target ||
            (status && known.ulDevice == status->ulDevice && known.ulInode == status->ulInode))
            return &known;
    return nullptr;
}

void SaveSession::Remember(const QString& target, const QByteArray& content, bool bBackedUp)
{
    const std::optional<FileStatus> status = medium.Status(target);
    KnownFile* pKnown = Find(target, status);
    if (!pKnown) {
        aKnown.push_back({});
        pKnown = &aKnown.back();
    }
    pKnown->strPath = target;
    pKnown->ulDevice = status ? status->ulDevice : 0;
    pKnown->ulInode = status ? status->ulInode : 0;
    pKnown->bBackedUp = pKnown->bBackedUp || bBackedUp;
    pKnown->content = content;
}

QString SaveSession::ErrorText() const
{
    return medium.LastError() ? QString::fromLocal8Bit(std::strerror(medium.LastError())) : kUnknownError;
}

bool SaveSession::ReadsBackAs(const QString& path, const QByteArray& bytes)
{
    const FileBytes file = medium.Read(path, bytes.size());
    return file.Ok() && file.bytes == bytes;
}

FileSaveResult SaveSession::Fail(const QString& reason)
{
    strReason = reason;
    return FileSaveResult::CannotWrite;
}

LoadResult SaveSession::Load(Database& db, const QString& path, bool needWrite)
{
    QByteArray bytes;
    const LoadResult result = LoadDatabaseFile(db, path, needWrite, &bytes);
    if (result == LoadResult::Ok)
        Remember(medium.ResolveTarget(path), bytes, false);
    return result;
}

void SaveSession::Watch(const QString& path)
{
    const QString target = medium.ResolveTarget(path);
    if (const FileBytes file = medium.Read(target, kNoLimit); file.Ok())
        Remember(target, file.bytes, false);
}

bool SaveSession::KeepBackup(const QString& target, const QByteArray& previous, const FileStatus& status)
{
    const QString backup = target + kBackupSuffix;
    const QString backupName = backup.mid(backup.lastIndexOf('/') + 1);
    if (EncodeFileName(backupName).size() > medium.MaxNameLength(backup)) {
        strNote = kNoteNoBackup.arg(backupName);
        return true;
    }
    medium.RemoveLeftovers(backup);
    const QString written = medium.WriteTemporary(backup, previous, status);
    if (written.isEmpty()) {
        strReason = kReasonNoBackup.arg(backup, ErrorText());
        return false;
    }
    if (!medium.Replace(written, backup)) {
        strReason = medium.LastError() == EISDIR ? kReasonBackupIsFolder.arg(backup)
                                                 : kReasonNoBackup.arg(backup, ErrorText());
        medium.Remove(written);
        return false;
    }
    return true;
}

bool SaveSession::WriteOver(const QString& target, const QString& temporary, const QByteArray& file,
                            const QByteArray& previous, bool bInPlace)
{
    if (!bInPlace) {
        if (medium.Replace(temporary, target))
            return true;
        strReason = kReasonCannotReplace.arg(target, ErrorText());
        medium.Remove(temporary);
        return false;
    }
    const bool written = medium.WriteInPlace(target, file);
    const QString error = ErrorText();
    if (written && ReadsBackAs(target, file)) {
        medium.Remove(temporary);
        return true;
    }
    // The file may be torn now: put the previous content back (the backup
    // and the new temporary file hold both versions should that fail too).
    strReason = written ? kReasonNotAsWritten.arg(FolderOf(target)) : kReasonInPlace.arg(target, error);
    if (medium.WriteInPlace(target, previous))
        medium.Remove(temporary);
    return false;
}

FileSaveResult SaveSession::Write(const QByteArray& file, const QString& path, bool bKeepBackup,
                                  bool bOverwriteChanged)
{
    strReason.clear();
    strNote.clear();
    if (path.isEmpty())
        return Fail(kReasonNoName);
    const QString target = medium.ResolveTarget(path);
    const std::optional<FileStatus> status = medium.Status(target);
    if (status && !status->bWritable)
        return Fail(kReasonReadOnly.arg(target));
    std::optional<QByteArray> previous;
    if (status) {
        FileBytes file = medium.Read(target, kNoLimit);
        if (!file.Ok())
            return Fail(kReasonCannotRead.arg(target, ErrorText()));
        previous = std::move(file.bytes);
    }

    KnownFile* pKnown = Find(target, status);
    const bool changedOutside = pKnown && previous && *previous != pKnown->content;
    if (changedOutside && !bOverwriteChanged)
        return FileSaveResult::ChangedOutside;

    medium.RemoveLeftovers(target);
    const QString temporary = medium.WriteTemporary(target, file, status);
    if (temporary.isEmpty())
        return Fail(kReasonNoNewFile.arg(FolderOf(target), ErrorText()));
    if (!ReadsBackAs(temporary, file)) {
        medium.Remove(temporary);
        return Fail(kReasonNotAsWritten.arg(FolderOf(target)));
    }
    const bool backUp = bKeepBackup && previous && (!pKnown || !pKnown->bBackedUp || changedOutside);
    if (backUp && !KeepBackup(target, *previous, *status)) {
        medium.Remove(temporary);
        return FileSaveResult::CannotWrite;
    }
    // A new file can take the old one's place only where it is the file's
    // one name and carries the file's owner and group.
    const std::optional<FileStatus> written = medium.Status(temporary);
    const bool inPlace = status && (status->ulLinks > 1 || !written || written->ulOwner != status->ulOwner ||
                                    written->ulGroup != status->ulGroup);
    if (!WriteOver(target, temporary, file, previous.value_or(QByteArray()), inPlace))
        return FileSaveResult::CannotWrite;
    Remember(target, file, backUp);
    return FileSaveResult::Ok;
}

FileSaveResult SaveSession::Save(Database& db, const QString& path, bool bOverwriteChanged)
{
    // The header keeps its lengths of the last save that reached the disk.
    const SdxHeader before = db.header;
    std::vector<uint8_t> bytes;
    switch (SaveDatabase(db, bytes)) {
    case SaveResult::TooLarge: strReason = kReasonTooLarge; return FileSaveResult::TooLarge;
    case SaveResult::CompressFailed: strReason = kReasonNotCompressed; return FileSaveResult::CompressFailed;
    case SaveResult::Ok: break;
    }
    const QByteArray file(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    const std::span<const uint8_t> image(db.PackedImage.data(), size_t(db.header.iDataLen));
    FileSaveResult result = FileSaveResult::CannotWrite;
    if (!PayloadInflatesTo(bytes, image))
        strReason = kReasonNotAsWritten.arg(FolderOf(medium.ResolveTarget(path)));
    else
        result = Write(file, path, true, bOverwriteChanged);
    if (result != FileSaveResult::Ok)
        db.header = before;
    return result;
}

FileSaveResult SaveSession::SaveBytes(const QByteArray& bytes, const QString& path)
{
    return Write(bytes, path, false, true);
}

FileSaveResult SaveDatabaseFile(Database& db, const QString& path) { return SaveSession().Save(db, path); }

QString SaveOutputFile(const QByteArray& bytes, const QString& path)
{
    SaveSession session;
    return session.SaveBytes(bytes, path) == FileSaveResult::Ok ? QString() : session.FailureReason();
}

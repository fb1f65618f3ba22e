#include "FileAccess.h"

#include "FileNames.h"
#include "TrText.h"

#include <cstring>
#include <memory>

namespace {

// Translated when a reason is made: in the window's language, and in English
// in sdxtool, which installs no translator.
constexpr TrText kReasonNoName{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "No file name was given.")};
constexpr TrText kReasonReadOnly{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 is read-only.")};
constexpr TrText kReasonCannotRead{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 cannot be read: %2.")};
constexpr TrText kReasonNotRegular{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 is not a regular file.")};
constexpr TrText kReasonLargerThan{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 is larger than %2 MiB.")};
constexpr TrText kReasonIsDatabase{
    "FileAccess",
    QT_TRANSLATE_NOOP("FileAccess", "%1 is a channel database; a file of another kind does not replace it.")};
constexpr TrText kReasonNoNewFile{"FileAccess",
                                  QT_TRANSLATE_NOOP("FileAccess", "No new file can be written in %1: %2.")};
constexpr TrText kReasonNotAsWritten{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "The new file written in %1 did not read back as written.")};
constexpr TrText kReasonBackupNotRegular{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 is not a regular file, so the backup cannot be kept.")};
constexpr TrText kReasonNoBackup{"FileAccess",
                                 QT_TRANSLATE_NOOP("FileAccess", "The backup %1 cannot be written: %2.")};
constexpr TrText kReasonCannotReplace{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 cannot be replaced: %2.")};
constexpr TrText kReasonInPlace{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 cannot be written: %2.")};
constexpr TrText kReasonVersionsKept{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "The previous version is in %1, the new one in %2.")};
constexpr TrText kNoteNoBackup{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "Saved without a backup: the name %1 is too long for its folder.")};
constexpr TrText kNoteBackupKept{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "%1 was kept as it was: %2 did not load as a database.")};
constexpr TrText kNoteLeftoverKept{
    "FileAccess",
    QT_TRANSLATE_NOOP("FileAccess", "An interrupted save left %1, which holds a database while %2 does not; it was "
                                    "kept.")};
constexpr TrText kReasonTooLarge{
    "FileAccess", QT_TRANSLATE_NOOP("FileAccess", "The channel tables do not fit in the file's 1 MiB image.")};
constexpr TrText kReasonNotCompressed{"FileAccess",
                                      QT_TRANSLATE_NOOP("FileAccess", "The channel tables could not be compressed.")};
constexpr TrText kUnknownError{"FileAccess", QT_TRANSLATE_NOOP("FileAccess", "unknown error")};

const QString kBackupSuffix = QStringLiteral(".bak");
constexpr int64_t kMiB = int64_t(1) << 20;

QString FolderOf(const QString& path) { return path.left(std::max<qsizetype>(1, path.lastIndexOf('/'))); }

QString ErrorName(int error) { return error ? QString::fromLocal8Bit(std::strerror(error)) : QString(kUnknownError); }

LoadResult LoadBytes(Database& db, const QByteArray& bytes, size_t* pNotKept = nullptr)
{
    return LoadDatabase(db, {reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())}, pNotKept);
}

} // namespace

QString ReadFailureReason(const FileBytes& file, const QString& path)
{
    switch (file.status) {
    case ReadStatus::CannotOpen: return kReasonCannotRead.arg(path, ErrorName(file.iError));
    case ReadStatus::NotRegular: return kReasonNotRegular.arg(path);
    case ReadStatus::TooLarge: return kReasonLargerThan.arg(path).arg(kMaxOutsideFileSize / kMiB);
    case ReadStatus::Ok: break;
    }
    return {};
}

LoadResult LoadDatabaseFile(Database& db, const QString& path, QString* pReason)
{
    SaveSession session;
    const LoadResult result = session.Load(db, path);
    if (pReason)
        *pReason = session.FailureReason();
    return result;
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

QString SaveSession::ErrorText() const { return ErrorName(medium.LastError()); }

bool SaveSession::ReadsBackAs(const QString& path, const QByteArray& bytes)
{
    const FileBytes file = medium.Read(path, bytes.size());
    return file.Ok() && file.bytes == bytes;
}

bool SaveSession::Holds(const QString& path, const FileStatus& status, const QByteArray& content)
{
    return status.iSize == content.size() && ReadsBackAs(path, content);
}

bool SaveSession::LoadsAsDatabase(const QString& path)
{
    const FileBytes file = medium.Read(path, kMaxSdxFileSize);
    auto db = std::make_unique<Database>();
    return file.Ok() && LoadBytes(*db, file.bytes) == LoadResult::Ok;
}

bool SaveSession::TargetLoads(const QString& target)
{
    if (!targetLoads)
        targetLoads = LoadsAsDatabase(target);
    return *targetLoads;
}

FileSaveResult SaveSession::Fail(const QString& reason)
{
    strReason = reason;
    return FileSaveResult::CannotWrite;
}

void SaveSession::AddNote(const QString& note)
{
    strNote += (strNote.isEmpty() ? QString() : QStringLiteral("\n")) + note;
}

bool SaveSession::IsReadOnly(const QString& path)
{
    const std::optional<FileStatus> status = medium.Status(medium.ResolveTarget(path));
    return status && !status->bWritable;
}

bool SaveSession::TakesFile(const QString& path)
{
    const QString target = medium.ResolveTarget(path);
    const std::optional<FileStatus> status = medium.Status(target);
    if (!status || status->bRegular)
        return true;
    strReason = kReasonNotRegular.arg(target);
    return false;
}

LoadResult SaveSession::Load(Database& db, const QString& path)
{
    strReason.clear();
    iBytesNotKept = 0;
    if (path.isEmpty()) {
        strReason = kReasonNoName;
        return LoadResult::CannotOpen;
    }
    const QString target = medium.ResolveTarget(path);
    const FileBytes file = medium.Read(target, kMaxSdxFileSize);
    if (file.status == ReadStatus::TooLarge)
        return LoadResult::NotCorrect;
    if (!file.Ok()) {
        strReason = ReadFailureReason(file, target);
        return LoadResult::CannotOpen;
    }
    size_t notKept = 0;
    const LoadResult result = LoadBytes(db, file.bytes, &notKept);
    if (result == LoadResult::Ok) {
        Remember(target, file.bytes, false);
        iBytesNotKept = int64_t(notKept);
    }
    return result;
}

void SaveSession::Watch(const QString& path)
{
    const QString target = medium.ResolveTarget(path);
    if (const FileBytes file = medium.Read(target, kMaxSdxFileSize); file.Ok())
        Remember(target, file.bytes, false);
}

bool SaveSession::HasOtherNames(const FileStatus& status, const std::optional<FileStatus>& backup)
{
    // A NAME.bak that an interrupted save left as a second name of the file
    // is no name of the user's.
    const bool backupIsLink = backup && backup->ulDevice == status.ulDevice && backup->ulInode == status.ulInode;
    return status.ulLinks > (backupIsLink ? 2u : 1u);
}

void SaveSession::ClearLeftovers(const QString& target)
{
    for (const QString& leftover : medium.Leftovers(target + kBackupSuffix))
        medium.Remove(leftover);
    for (const QString& leftover : medium.Leftovers(target)) {
        if (LoadsAsDatabase(leftover)) {
            if (!TargetLoads(target)) {
                AddNote(kNoteLeftoverKept.arg(leftover, target));
                continue;
            }
        }
        medium.Remove(leftover);
    }
}

SaveSession::Backup SaveSession::KeepBackup(const QString& target, const FileStatus& status,
                                            const std::optional<FileStatus>& old, bool bInPlace)
{
    const QString backup = target + kBackupSuffix;
    const QString backupName = backup.mid(backup.lastIndexOf('/') + 1);
    if (EncodeFileName(backupName).size() > medium.MaxNameLength(backup)) {
        AddNote(kNoteNoBackup.arg(backupName));
        return Backup::Skipped;
    }
    if (old && !old->bRegular) {
        strReason = kReasonBackupNotRegular.arg(backup);
        return Backup::Failed;
    }
    if (old && !TargetLoads(target)) {
        AddNote(kNoteBackupKept.arg(backup, target));
        return Backup::Skipped;
    }
    // An interrupted save may have made the backup a second name of the file.
    if (old && !bInPlace && old->ulDevice == status.ulDevice && old->ulInode == status.ulInode)
        return Backup::Kept;
    // The old file itself becomes the backup where it is replaced; a file
    // written in place needs a copy.
    QString kept = bInPlace ? QString() : medium.LinkTemporary(backup, target);
    if (kept.isEmpty())
        kept = medium.CopyTemporary(backup, target, status);
    if (kept.isEmpty()) {
        strReason = kReasonNoBackup.arg(backup, ErrorText());
        return Backup::Failed;
    }
    if (!medium.Replace(kept, backup)) {
        strReason = kReasonNoBackup.arg(backup, ErrorText());
        medium.Remove(kept);
        return Backup::Failed;
    }
    return Backup::Kept;
}

bool SaveSession::WriteInPlace(const QString& target, const QString& temporary, const QByteArray& file,
                               const QString& keep, bool bKeepIsBackup)
{
    const bool written = medium.CopyInPlace(target, temporary);
    const QString error = ErrorText();
    const auto removeCopy = [&] {
        if (!bKeepIsBackup && !keep.isEmpty())
            medium.Remove(keep);
    };
    if (written && ReadsBackAs(target, file)) {
        medium.Remove(temporary);
        removeCopy();
        return true;
    }
    strReason = written ? kReasonNotAsWritten.arg(FolderOf(target)) : kReasonInPlace.arg(target, error);
    // The file may be torn now: the previous version goes back. Should that
    // fail too, both versions stay where they are, and the reason says where.
    if (!keep.isEmpty() && medium.CopyInPlace(target, keep)) {
        medium.Remove(temporary);
        removeCopy();
    } else {
        strReason += QLatin1Char(' ') + kReasonVersionsKept.arg(keep.isEmpty() ? target : keep, temporary);
    }
    return false;
}

FileSaveResult SaveSession::Write(const QByteArray& file, const QString& path, bool bDatabase, bool bOverwriteChanged)
{
    strReason.clear();
    strNote.clear();
    targetLoads.reset();
    if (path.isEmpty())
        return Fail(kReasonNoName);
    const QString target = medium.ResolveTarget(path);
    const std::optional<FileStatus> status = medium.Status(target);
    if (status && !status->bRegular)
        return Fail(kReasonNotRegular.arg(target));
    if (status && !status->bWritable)
        return Fail(kReasonReadOnly.arg(target));
    if (status && !bDatabase && TargetLoads(target))
        return Fail(kReasonIsDatabase.arg(target));

    KnownFile* pKnown = Find(target, status);
    const bool changedOutside = pKnown && status && !Holds(target, *status, pKnown->content);
    if (changedOutside && !bOverwriteChanged)
        return FileSaveResult::ChangedOutside;

    ClearLeftovers(target);
    const QString temporary = medium.WriteTemporary(target, file, status);
    if (temporary.isEmpty())
        return Fail(kReasonNoNewFile.arg(FolderOf(target), ErrorText()));
    if (!ReadsBackAs(temporary, file)) {
        medium.Remove(temporary);
        return Fail(kReasonNotAsWritten.arg(FolderOf(target)));
    }
    // A new file can take the old one's place only where it is the file's
    // one name and carries all the file carries.
    const std::optional<FileStatus> written = medium.Status(temporary);
    const std::optional<FileStatus> backup = status ? medium.Status(target + kBackupSuffix) : std::nullopt;
    const bool inPlace = status && (HasOtherNames(*status, backup) || status->bAttributes || !written ||
                                    written->ulOwner != status->ulOwner || written->ulGroup != status->ulGroup ||
                                    written->ulMode != status->ulMode);
    bool backedUp = false;
    if (bDatabase && status && (inPlace || !pKnown || !pKnown->bBackedUp || changedOutside)) {
        const Backup kept = KeepBackup(target, *status, backup, inPlace);
        if (kept == Backup::Failed) {
            medium.Remove(temporary);
            return FileSaveResult::CannotWrite;
        }
        backedUp = kept == Backup::Kept;
    }
    if (inPlace) {
        // The version on disk stays in a copy while the file is rewritten.
        const QString keep = backedUp ? target + kBackupSuffix : medium.CopyTemporary(target, target, *status);
        if (keep.isEmpty()) {
            medium.Remove(temporary);
            return Fail(kReasonNoNewFile.arg(FolderOf(target), ErrorText()));
        }
        if (!WriteInPlace(target, temporary, file, keep, backedUp))
            return FileSaveResult::CannotWrite;
    } else if (!medium.Replace(temporary, target)) {
        strReason = kReasonCannotReplace.arg(target, ErrorText());
        medium.Remove(temporary);
        return FileSaveResult::CannotWrite;
    }
    Remember(target, file, backedUp);
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

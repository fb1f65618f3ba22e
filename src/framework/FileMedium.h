// The file operations a save is made of. The disk medium does them for real;
// tests substitute one that fails or corrupts at a chosen step.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

// What a save needs to know of an existing file (links followed).
struct FileStatus {
    uint64_t ulDevice = 0;
    uint64_t ulInode = 0;
    int64_t iSize = 0;
    uint64_t ulLinks = 1;
    uint32_t ulOwner = 0;
    uint32_t ulGroup = 0;
    uint32_t ulMode = 0;      // permission bits
    bool bWritable = true;    // this user may write it and it has a write bit at all
    bool bRegular = true;     // a plain file, not a folder, FIFO, device or socket
    bool bAttributes = false; // carries extended attributes (an access-control list is one)
};

// What reading a whole file found.
enum class ReadStatus { Ok, CannotOpen, NotRegular, TooLarge };
struct FileBytes {
    ReadStatus status = ReadStatus::CannotOpen;
    QByteArray bytes;
    int iError = 0; // CannotOpen: the system's error number

    bool Ok() const { return status == ReadStatus::Ok; }
};

// Pages and lists made by other programs are refused above this size: no
// correct one comes near it.
inline constexpr int64_t kMaxOutsideFileSize = int64_t(64) << 20;

// Reads the whole file at path (links followed), at most limit bytes. What
// is not a regular file is refused before it is opened, so that no read
// waits on a FIFO or runs on without end on a device; a file larger than
// limit is refused by its size before a byte of it is read.
FileBytes ReadWholeFile(const QString& path, int64_t limit);

// Whether a file (or a link to one) is at path.
bool FileExists(const QString& path);

class IFileMedium {
public:
    virtual ~IFileMedium() = default;

    // The file a save to path reaches: path made absolute, symbolic links
    // followed to their final target (which need not exist yet), and the
    // folder part canonical.
    virtual QString ResolveTarget(const QString& path) = 0;
    // Nothing when the file does not exist or cannot be looked at.
    virtual std::optional<FileStatus> Status(const QString& path) = 0;
    // As ReadWholeFile.
    virtual FileBytes Read(const QString& path, int64_t limit) = 0;
    // Writes bytes to a new file with a short distinctive name in target's
    // folder, flushed to the disk, and returns that file's path, or an empty
    // text when any step fails (nothing is left behind then). The new file
    // takes the owner, group and permissions of like when given, as far as
    // this user may give them, and is never more open than like; without
    // like it is a new file under the user's umask.
    virtual QString WriteTemporary(const QString& target, const QByteArray& bytes,
                                   const std::optional<FileStatus>& like) = 0;
    // The same with the bytes of the file source, copied piece by piece.
    virtual QString CopyTemporary(const QString& target, const QString& source, const FileStatus& like) = 0;
    // A new name of that kind for the file source itself (a hard link), or
    // an empty text where the folder takes no such link.
    virtual QString LinkTemporary(const QString& target, const QString& source) = 0;
    // Puts from in place of to in one step (to may exist). The folder is
    // then synced as far as it can be: once renamed, the file is saved.
    virtual bool Replace(const QString& from, const QString& to) = 0;
    // Copies the bytes of source over the existing regular file path itself
    // (same inode, so every hard link, owner, permission and attribute
    // stays), flushed to the disk.
    virtual bool CopyInPlace(const QString& path, const QString& source) = 0;
    virtual void Remove(const QString& path) = 0;
    // The temporary files that saves of target left behind when they were
    // killed: those of processes that no longer run, and no other file.
    virtual QStringList Leftovers(const QString& target) = 0;
    // The longest file name the folder of path takes, in bytes.
    virtual int MaxNameLength(const QString& path) = 0;

    // The system's error number of the last step that failed; 0 for none.
    int LastError() const { return iLastError; }

protected:
    int iLastError = 0;
};

class DiskMedium : public IFileMedium {
public:
    QString ResolveTarget(const QString& path) override;
    std::optional<FileStatus> Status(const QString& path) override;
    FileBytes Read(const QString& path, int64_t limit) override;
    QString WriteTemporary(const QString& target, const QByteArray& bytes,
                           const std::optional<FileStatus>& like) override;
    QString CopyTemporary(const QString& target, const QString& source, const FileStatus& like) override;
    QString LinkTemporary(const QString& target, const QString& source) override;
    bool Replace(const QString& from, const QString& to) override;
    bool CopyInPlace(const QString& path, const QString& source) override;
    void Remove(const QString& path) override;
    QStringList Leftovers(const QString& target) override;
    int MaxNameLength(const QString& path) override;

private:
    // Makes the new file with a temporary name beside target, fills it with
    // fill and flushes it; the name, or empty (nothing left behind).
    QString MakeTemporary(const QString& target, const std::optional<FileStatus>& like,
                          const std::function<bool(int fd)>& fill);
};

// The start of the names of target's temporary files: a dot (hidden), a
// mark of this program and a check value of target's file name, so that
// leftovers can be told apart from the user's files and from those of other
// databases in the folder.
QString TemporaryPrefix(const QString& target);

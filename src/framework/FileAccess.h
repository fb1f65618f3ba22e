// Whole-file reads and crash-safe, verified writes of database files.
#pragma once

#include "Database.h"
#include "FileMedium.h"
#include "SdxFile.h"

#include <QString>

#include <vector>

// Reads the file at path into the database. A file larger than the largest
// correct file is refused before it is read; anything but a regular file
// is not opened. On CannotOpen pReason (when given) says why.
LoadResult LoadDatabaseFile(Database& db, const QString& path, QString* pReason = nullptr);

enum class FileSaveResult { Ok, CannotWrite, TooLarge, CompressFailed, ChangedOutside };

// Saves files the way the editor trusts its files to be saved: the whole
// file is built in memory, written to a temporary file beside the target,
// flushed, read back and checked, and only then put in the target's place.
// - The target is the file itself: a save through a symbolic link goes to
//   its target and the link stays. What is not a regular file (a folder,
//   FIFO, device or socket) is refused and never opened.
// - A file this user may not write (or without any write bit) is refused.
// - An output of another kind (SaveBytes) never replaces a database.
// - Before the session's first save over an existing file, that file is
//   kept as NAME.bak beside it, by a second name of the same file (no byte
//   of it is read), or a copy where the folder takes no such name. A file
//   counts as the same whatever the spelling of its path (canonical path,
//   or device and inode). A file that does not load as a database never
//   takes the place of an existing NAME.bak.
// - A file whose content is no longer what the session last read or wrote
//   there was changed by another program: the save stops with
//   ChangedOutside unless told to overwrite, and then that version becomes
//   the backup.
// - A file with several hard links, with extended attributes (an access
//   list), or whose owner, group or mode a new file cannot be given, is
//   written in place, so every name sees the new content and all it carries
//   stays: the new version is first written to a checked temporary file,
//   the version on disk is copied to NAME.bak (other outputs: to a second
//   temporary file), and the temporary file goes only once the file reads
//   back as written. Should the write fail, the previous version is put
//   back; should the process be killed, NAME.bak holds the previous
//   version and the temporary file the new one.
// - Where NAME.bak would be too long a name, the save goes on without a
//   backup and says so in Note().
// - Temporary files that killed saves of the same file left are removed,
//   except one that loads as a database while the file does not: that one
//   is kept, and Note() says so.
// On any failure the previous file at the target is left as it was and
// FailureReason() names the obstacle.
class SaveSession {
public:
    explicit SaveSession(IFileMedium& medium);
    SaveSession();
    SaveSession(const SaveSession&) = delete;
    SaveSession& operator=(const SaveSession&) = delete;

    // Loads as LoadDatabaseFile does and remembers what the file held; the
    // reason of a failure in FailureReason().
    LoadResult Load(Database& db, const QString& path);
    // Of the file last loaded: the bytes of its image that no table holds,
    // which a save does not write back.
    int64_t BytesNotKept() const { return iBytesNotKept; }
    // Remembers what the file at path holds now, so that a later save
    // notices a change by another program.
    void Watch(const QString& path);
    FileSaveResult Save(Database& db, const QString& path, bool bOverwriteChanged = false);
    // Writes any other output file by the same rules, without a backup.
    FileSaveResult SaveBytes(const QByteArray& bytes, const QString& path);

    // False where something other than a regular file (a folder, FIFO,
    // device or socket) is at path, or a link leads to one: no save goes
    // there, and FailureReason() says why.
    bool TakesFile(const QString& path);
    // Whether a file (or a link to one) is at path.
    bool Exists(const QString& path) { return medium.Status(medium.ResolveTarget(path)).has_value(); }
    // Whether the file at path exists and may not be written.
    bool IsReadOnly(const QString& path);

    const QString& FailureReason() const { return strReason; }
    const QString& Note() const { return strNote; }

private:
    struct KnownFile {
        QString strPath; // resolved target
        uint64_t ulDevice = 0;
        uint64_t ulInode = 0;
        bool bBackedUp = false;
        QByteArray content;
    };
    enum class Backup { Kept, Skipped, Failed };

    KnownFile* Find(const QString& target, const std::optional<FileStatus>& status);
    void Remember(const QString& target, const QByteArray& content, bool bBackedUp);
    FileSaveResult Write(const QByteArray& file, const QString& path, bool bDatabase, bool bOverwriteChanged);
    bool LoadsAsDatabase(const QString& path);
    // Whether the target of the running Write loads as a database, read
    // once at the first question.
    bool TargetLoads(const QString& target);
    bool Holds(const QString& path, const FileStatus& status, const QByteArray& content);
    // backup: the status of NAME.bak beside the file.
    bool HasOtherNames(const FileStatus& status, const std::optional<FileStatus>& backup);
    void ClearLeftovers(const QString& target);
    // old: the status of the NAME.bak there is now.
    Backup KeepBackup(const QString& target, const FileStatus& status, const std::optional<FileStatus>& old,
                      bool bInPlace);
    bool WriteInPlace(const QString& target, const QString& temporary, const QByteArray& file, const QString& keep,
                      bool bKeepIsBackup);
    bool ReadsBackAs(const QString& path, const QByteArray& bytes);
    FileSaveResult Fail(const QString& reason);
    void AddNote(const QString& note);
    QString ErrorText() const;

    DiskMedium disk;
    IFileMedium& medium;
    std::vector<KnownFile> aKnown;
    QString strReason;
    QString strNote;
    int64_t iBytesNotKept = 0;
    std::optional<bool> targetLoads; // TargetLoads, known for this Write
};

// A save in a session of its own (one command-line run, one test file).
FileSaveResult SaveDatabaseFile(Database& db, const QString& path);

// Writes an output other than a database (a workbook, a PDF, a text) in a
// session of its own; an empty text on success, otherwise the reason.
QString SaveOutputFile(const QByteArray& bytes, const QString& path);

// Why a file could not be read, as the reasons of saves say it.
QString ReadFailureReason(const FileBytes& file, const QString& path);

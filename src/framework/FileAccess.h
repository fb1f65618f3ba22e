// Whole-file reads and crash-safe, verified writes of database files.
#pragma once

#include "Database.h"
#include "FileMedium.h"
#include "SdxFile.h"

#include <QString>

#include <vector>

// Reads the file at path into the database. With needWrite the file must also
// be writable, since the editor saves back over the file it opened. A file
// larger than the largest correct file is refused before it is read. The
// bytes read are put into pBytes when given.
LoadResult LoadDatabaseFile(Database& db, const QString& path, bool needWrite, QByteArray* pBytes = nullptr);

enum class FileSaveResult { Ok, CannotWrite, TooLarge, CompressFailed, ChangedOutside };

// Saves files the way the editor trusts its files to be saved: the whole
// file is built in memory, written to a temporary file beside the target,
// flushed, read back and checked, and only then put in the target's place.
// - The target is the file itself: a save through a symbolic link goes to
//   its target and the link stays.
// - A file this user may not write (or without any write bit) is refused.
// - Before the session's first save over an existing file, that file is
//   kept as NAME.bak beside it. A file counts as the same whatever the
//   spelling of its path (canonical path, or device and inode).
// - A file whose content is no longer what the session last read or wrote
//   there was changed by another program: the save stops with
//   ChangedOutside unless told to overwrite, and then that version becomes
//   the backup.
// - A file with several hard links, or whose owner and group a new file
//   cannot be given, is written in place (after the checked temporary file
//   and the backup exist), then read back and checked, so every name sees
//   the new content and owner, group and permissions stay.
// - Where NAME.bak would be too long a name, the save goes on without a
//   backup and says so in Note().
// - Temporary files that killed saves of the same file left are removed.
// On any failure the previous file at the target is left as it was and
// FailureReason() names the obstacle.
class SaveSession {
public:
    explicit SaveSession(IFileMedium& medium);
    SaveSession();
    SaveSession(const SaveSession&) = delete;
    SaveSession& operator=(const SaveSession&) = delete;

    // Loads as LoadDatabaseFile does and remembers what the file held.
    LoadResult Load(Database& db, const QString& path, bool needWrite);
    // Remembers what the file at path holds now, so that a later save
    // notices a change by another program.
    void Watch(const QString& path);
    FileSaveResult Save(Database& db, const QString& path, bool bOverwriteChanged = false);
    // Writes any other output file by the same rules, without a backup.
    FileSaveResult SaveBytes(const QByteArray& bytes, const QString& path);

    // Whether a file (or a link to one) is at path.
    bool Exists(const QString& path) { return medium.Status(medium.ResolveTarget(path)).has_value(); }

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

    KnownFile* Find(const QString& target, const std::optional<FileStatus>& status);
    void Remember(const QString& target, const QByteArray& content, bool bBackedUp);
    FileSaveResult Write(const QByteArray& file, const QString& path, bool bKeepBackup, bool bOverwriteChanged);
    bool KeepBackup(const QString& target, const QByteArray& previous, const FileStatus& status);
    bool WriteOver(const QString& target, const QString& temporary, const QByteArray& file, const QByteArray& previous,
                   bool bInPlace);
    bool ReadsBackAs(const QString& path, const QByteArray& bytes);
    FileSaveResult Fail(const QString& reason);
    QString ErrorText() const;

    DiskMedium disk;
    IFileMedium& medium;
    std::vector<KnownFile> aKnown;
    QString strReason;
    QString strNote;
};

// A save in a session of its own (one command-line run, one test file).
FileSaveResult SaveDatabaseFile(Database& db, const QString& path);

// Writes an output other than a database (a workbook, a PDF, a text) in a
// session of its own; an empty text on success, otherwise the reason.
QString SaveOutputFile(const QByteArray& bytes, const QString& path);

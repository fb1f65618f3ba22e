#include "FileMedium.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Permissions of a new database file: what the user may read and write.
constexpr QFileDevice::Permissions kNewFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

bool SyncFolderOf(const QString& path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace

bool DiskMedium::Exists(const QString& path) { return QFileInfo::exists(path); }

std::optional<QByteArray> DiskMedium::Read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QString DiskMedium::WriteTemporary(const QString& target, const QByteArray& bytes)
{
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return {};
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0 &&
                         file.setPermissions(QFileInfo::exists(target) ? QFileInfo(target).permissions()
                                                                       : kNewFilePermissions);
    file.close();
    if (!written || file.error() != QFileDevice::NoError)
        return {};
    file.setAutoRemove(false);
    return file.fileName();
}

bool DiskMedium::Replace(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 &&
           SyncFolderOf(to);
}

void DiskMedium::Remove(const QString& path) { QFile::remove(path); }

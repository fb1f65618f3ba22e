#include "FileMedium.h"

#include "FileNames.h"

#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <zlib.h>

namespace {

// Symbolic links followed before a chain counts as a loop, as the system does.
constexpr int kMaxLinks = 40;
// Names are short whatever the target's name: 31 bytes at most.
constexpr char kTemporaryMark[] = ".~ez";

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : path.left(slash);
}

QByteArray NameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

QByteArray Joined(const QByteArray& folder, const QByteArray& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QByteArray Absolute(const QByteArray& path)
{
    if (path.startsWith('/'))
        return path;
    char cwd[PATH_MAX];
    return ::getcwd(cwd, sizeof cwd) ? Joined(QByteArray(cwd), path) : path;
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

void SyncFolderOf(const QByteArray& path)
{
    // A folder the user may write but not read cannot be opened; the rename
    // has happened all the same.
    const int fd = ::open(FolderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Gives the new file like's owner and group where this user may, and
// permissions no more open than like's: group bits only for like's group,
// never the set-user or set-group bit (a file that has them is written in
// place instead).
void TakeOwnerAndMode(int fd, const FileStatus& like)
{
    if (::fchown(fd, like.ulOwner, like.ulGroup) != 0)
        (void)::fchown(fd, uid_t(-1), like.ulGroup);
    struct stat st {};
    mode_t mode = like.ulMode & 07777;
    if (::fstat(fd, &st) == 0 && st.st_gid != like.ulGroup)
        mode &= ~mode_t(S_IRWXG);
    ::fchmod(fd, mode & ~mode_t(S_ISUID | S_ISGID));
}

// Copies what remains of the open file from into the open file to.
bool CopyAll(int from, int to)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        if (!WriteAll(to, QByteArray::fromRawData(buffer, n)))
            return false;
    }
}

// Opens a regular file without waiting on anything else the name may have
// become; -1 (errno set) otherwise.
int OpenRegular(const QByteArray& name, int flags)
{
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

// A new name for a temporary file of target: the prefix, this process and a
// random part.
QByteArray TemporaryName(const QString& target)
{
    return Joined(FolderOf(EncodeFileName(target)),
                  EncodeFileName(TemporaryPrefix(target)) + QByteArray::number(::getpid()) + '-' +
                      QByteArray::number(QRandomGenerator::global()->bounded(0x1000000), 16));
}

constexpr int kNameAttempts = 100;

} // namespace

QString TemporaryPrefix(const QString& target)
{
    const QByteArray name = NameOf(EncodeFileName(target));
    const uLong check = crc32(0, reinterpret_cast<const Bytef*>(name.constData()), uInt(name.size()));
    return QString::asprintf("%s%08lx-", kTemporaryMark, check);
}

QString DiskMedium::ResolveTarget(const QString& path)
{
    QByteArray target = Absolute(EncodeFileName(path));
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st {};
        if (::lstat(target.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        QByteArray link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.constData(), link.data(), size_t(link.size()));
        if (n <= 0 || n >= link.size())
            break;
        link.truncate(n);
        target = link.startsWith('/') ? link : Joined(FolderOf(target), link);
    }
    char folder[PATH_MAX];
    if (::realpath(FolderOf(target).constData(), folder))
        target = Joined(QByteArray(folder), NameOf(target));
    return DecodeFileName(target);
}

std::optional<FileStatus> DiskMedium::Status(const QString& path)
{
    const QByteArray name = EncodeFileName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        iLastError = errno;
        return std::nullopt;
    }
    FileStatus status;
    status.ulDevice = st.st_dev;
    status.ulInode = st.st_ino;
    status.iSize = st.st_size;
    status.ulLinks = st.st_nlink;
    status.ulOwner = st.st_uid;
    status.ulGroup = st.st_gid;
    status.ulMode = st.st_mode & 07777;
    status.bRegular = S_ISREG(st.st_mode);
    status.bAttributes = status.bRegular && ::listxattr(name.constData(), nullptr, 0) > 0;
    // The superuser may write anything; a file without any write bit is
    // still one its owner meant to stay as it is.
    status.bWritable = ::access(name.constData(), W_OK) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH));
    return status;
}

bool FileExists(const QString& path)
{
    struct stat st {};
    return ::stat(EncodeFileName(path).constData(), &st) == 0;
}

FileBytes ReadWholeFile(const QString& path, int64_t limit)
{
    FileBytes file;
    const QByteArray name = EncodeFileName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        file.iError = errno;
        return file;
    }
    if (!S_ISREG(st.st_mode)) {
        file.status = ReadStatus::NotRegular;
        return file;
    }
    // Should another file take the name in between, the open still does not
    // wait, and the check on what was opened refuses it.
    const int fd = OpenRegular(name, O_RDONLY);
    if (fd < 0) {
        file.iError = errno;
        return file;
    }
    if (::fstat(fd, &st) != 0 || st.st_size > limit) {
        ::close(fd);
        file.status = ReadStatus::TooLarge;
        return file;
    }
    // One byte past the limit tells a file that grew since it was looked at.
    char buffer[65536];
    while (file.bytes.size() <= limit) {
        const ssize_t n = ::read(fd, buffer, size_t(std::min<int64_t>(sizeof buffer, limit + 1 - file.bytes.size())));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            file.iError = errno;
            ::close(fd);
            file.bytes.clear();
            return file;
        }
        if (n == 0)
            break;
        file.bytes.append(buffer, n);
    }
    ::close(fd);
    file.status = file.bytes.size() > limit ? ReadStatus::TooLarge : ReadStatus::Ok;
    if (!file.Ok())
        file.bytes.clear();
    return file;
}

FileBytes DiskMedium::Read(const QString& path, int64_t limit)
{
    FileBytes file = ReadWholeFile(path, limit);
    iLastError = file.iError;
    return file;
}

QString DiskMedium::MakeTemporary(const QString& target, const std::optional<FileStatus>& like,
                                  const std::function<bool(int fd)>& fill)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QByteArray name = TemporaryName(target);
        // A new file is made under the umask; one that takes an existing
        // file's place starts private and then gets that file's permissions.
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, like ? 0600 : 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            iLastError = errno;
            return {};
        }
        if (like)
            TakeOwnerAndMode(fd, *like);
        bool written = fill(fd) && ::fsync(fd) == 0;
        if (!written)
            iLastError = errno;
        if (::close(fd) != 0 && written) {
            iLastError = errno;
            written = false;
        }
        if (written)
            return DecodeFileName(name);
        ::unlink(name.constData());
        return {};
    }
    iLastError = EEXIST;
    return {};
}

QString DiskMedium::WriteTemporary(const QString& target, const QByteArray& bytes,
                                   const std::optional<FileStatus>& like)
{
    return MakeTemporary(target, like, [&bytes](int fd) { return WriteAll(fd, bytes); });
}

QString DiskMedium::CopyTemporary(const QString& target, const QString& source, const FileStatus& like)
{
    const int from = OpenRegular(EncodeFileName(source), O_RDONLY);
    if (from < 0) {
        iLastError = errno;
        return {};
    }
    const QString copy = MakeTemporary(target, like, [from](int fd) { return CopyAll(from, fd); });
    ::close(from);
    return copy;
}

QString DiskMedium::LinkTemporary(const QString& target, const QString& source)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QByteArray name = TemporaryName(target);
        if (::link(EncodeFileName(source).constData(), name.constData()) == 0)
            return DecodeFileName(name);
        if (errno != EEXIST) {
            iLastError = errno;
            return {};
        }
    }
    iLastError = EEXIST;
    return {};
}

bool DiskMedium::Replace(const QString& from, const QString& to)
{
    const QByteArray target = EncodeFileName(to);
    if (std::rename(EncodeFileName(from).constData(), target.constData()) != 0) {
        iLastError = errno;
        return false;
    }
    SyncFolderOf(target);
    return true;
}

bool DiskMedium::CopyInPlace(const QString& path, const QString& source)
{
    const int from = OpenRegular(EncodeFileName(source), O_RDONLY);
    const int to = from < 0 ? -1 : OpenRegular(EncodeFileName(path), O_WRONLY);
    bool written = to >= 0 && CopyAll(from, to);
    off_t end = to >= 0 ? ::lseek(to, 0, SEEK_CUR) : -1;
    written = written && end >= 0 && ::ftruncate(to, end) == 0 && ::fsync(to) == 0;
    if (!written)
        iLastError = errno;
    if (to >= 0 && ::close(to) != 0 && written) {
        iLastError = errno;
        written = false;
    }
    if (from >= 0)
        ::close(from);
    return written;
}

void DiskMedium::Remove(const QString& path) { ::unlink(EncodeFileName(path).constData()); }

QStringList DiskMedium::Leftovers(const QString& target)
{
    QStringList leftovers;
    const QByteArray folder = FolderOf(EncodeFileName(target));
    const QByteArray prefix = EncodeFileName(TemporaryPrefix(target));
    DIR* pDir = ::opendir(folder.constData());
    if (!pDir)
        return leftovers;
    while (const dirent* pEntry = ::readdir(pDir)) {
        const QByteArray name(pEntry->d_name);
        if (!name.startsWith(prefix))
            continue;
        // Only files of saves that no longer run: the writer's process id
        // follows the prefix.
        bool ok = false;
        const long pid = name.mid(prefix.size()).split('-').value(0).toLong(&ok);
        if (ok && pid > 0 && pid != ::getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            leftovers << DecodeFileName(Joined(folder, name));
    }
    ::closedir(pDir);
    leftovers.sort();
    return leftovers;
}

int DiskMedium::MaxNameLength(const QString& path)
{
    const long max = ::pathconf(FolderOf(EncodeFileName(path)).constData(), _PC_NAME_MAX);
    return max > 0 ? int(max) : NAME_MAX;
}

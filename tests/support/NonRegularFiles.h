// Files that are not regular files, made in a test's own folder: a FIFO, a
// device with the null device's numbers (where this user may make one), a
// socket and a folder. Never the system's own /dev entries: a build that
// writes to one replaces it.
#pragma once

#include <QByteArray>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

inline constexpr std::pair<mode_t, const char*> kNonRegularKinds[] = {
    {S_IFIFO, "FIFO"}, {S_IFCHR, "device"}, {S_IFSOCK, "socket"}, {S_IFDIR, "folder"}};

// False (errno set) where this kind cannot be made here.
inline bool MakeNonRegular(const QByteArray& path, mode_t kind)
{
    switch (kind) {
    case S_IFIFO: return ::mkfifo(path.constData(), 0666) == 0;
    case S_IFDIR: return ::mkdir(path.constData(), 0777) == 0;
    case S_IFCHR: return ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    case S_IFSOCK: {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        const bool made = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return made;
    }
    }
    return false;
}

inline mode_t KindOf(const QByteArray& path)
{
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

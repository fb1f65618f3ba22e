// The save path's rules on a real file system, one case for each situation
// users' machines produce. Cases about another user run in a child process
// that drops to an unprivileged user; without root they are skipped, and
// the reason is printed.
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "FileNames.h"
#include "BytesRead.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <optional>
#include <grp.h>
#include <iostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr uid_t kOwner = 65534;
constexpr uid_t kOtherUser = 65533;
constexpr gid_t kSharedGroup = 4242;

// Runs fn in a child process as user uid in group gid (its only group);
// true when fn returned true there.
bool AsUser(uid_t uid, gid_t gid, const std::function<bool()>& fn)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool dropped = ::setgroups(1, &gid) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
        ::_exit(dropped && fn() ? 0 : 1);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A medium whose save is killed just before the rename, as a power cut or
// kill -9 would stop it.
class KilledMedium : public DiskMedium {
public:
    bool Replace(const QString&, const QString&) override
    {
        ::raise(SIGKILL);
        return false;
    }
};

struct SaveCase {
    const char* pWhat;
    bool bAsOtherUser; // needs root to act as another user
    std::function<void()> run;
};

class SaveRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
        for (int i = 0; i < 3; ++i) {
            versions[i] = std::make_unique<Database>();
            BuildDemoDatabase(*versions[i], DemoSize::Typical);
            versions[i]->header.sTVNumber = short(10 + i); // three different files
        }
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    Database& Version(int i) { return *versions[size_t(i)]; }
    static QByteArray Bytes(const QString& path) { return ReadWholeFile(path, kMaxSdxFileSize).bytes; }
    QByteArray Expected(int i)
    {
        const QString scratch = Path("scratch/expected.sdx");
        QDir().mkpath(Path("scratch"));
        SaveDatabaseFile(Version(i), scratch);
        const QByteArray bytes = Bytes(scratch);
        QDir(Path("scratch")).removeRecursively();
        return bytes;
    }
    static struct stat Stat(const QString& path)
    {
        struct stat st {};
        ::stat(EncodeFileName(path).constData(), &st);
        return st;
    }
    QStringList Entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir dir;
    std::unique_ptr<Database> versions[3];
};

TEST_F(SaveRulesTest, EverySituationKeepsEveryVersionAndTellsTheTruth)
{
    const SaveCase cases[] = {
        {"symbolic link: the target is saved, the link stays", false,
         [&] {
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path("real.sdx")));
             ASSERT_EQ(0, ::symlink("real.sdx", QFile::encodeName(Path("link.sdx")).constData()));
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(1), Path("link.sdx")));
             struct stat st {};
             ::lstat(QFile::encodeName(Path("link.sdx")).constData(), &st);
             EXPECT_TRUE(S_ISLNK(st.st_mode));
             EXPECT_EQ(Expected(1), Bytes(Path("real.sdx")));
             EXPECT_EQ(Expected(0), Bytes(Path("real.sdx.bak")));
         }},
        {"hard link: written in place, every name sees it", false,
         [&] {
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path("a.sdx")));
             ASSERT_EQ(0, ::link(QFile::encodeName(Path("a.sdx")).constData(),
                                 QFile::encodeName(Path("b.sdx")).constData()));
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(1), Path("b.sdx")));
             EXPECT_EQ(Expected(1), Bytes(Path("a.sdx")));
             EXPECT_EQ(Stat(Path("a.sdx")).st_ino, Stat(Path("b.sdx")).st_ino);
             EXPECT_EQ(Expected(0), Bytes(Path("b.sdx.bak")));
         }},
        {"read-only file: refused and left", false,
         [&] {
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path("ro.sdx")));
             ::chmod(QFile::encodeName(Path("ro.sdx")).constData(), 0444);
             SaveSession session;
             EXPECT_EQ(FileSaveResult::CannotWrite, session.Save(Version(1), Path("ro.sdx")));
             EXPECT_TRUE(session.FailureReason().contains("read-only")) << session.FailureReason().toStdString();
             EXPECT_EQ(Expected(0), Bytes(Path("ro.sdx")));
         }},
        {"shared-group file saved by another member: owner and group stay", true,
         [&] {
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path("shared.sdx")));
             ::chown(QFile::encodeName(Path("shared.sdx")).constData(), kOwner, kSharedGroup);
             ::chmod(QFile::encodeName(Path("shared.sdx")).constData(), 0664);
             EXPECT_TRUE(AsUser(kOtherUser, kSharedGroup, [&] {
                 return SaveDatabaseFile(Version(1), Path("shared.sdx")) == FileSaveResult::Ok;
             }));
             const struct stat st = Stat(Path("shared.sdx"));
             EXPECT_EQ(kOwner, st.st_uid);
             EXPECT_EQ(kSharedGroup, st.st_gid);
             EXPECT_EQ(0664u, st.st_mode & 07777);
             EXPECT_EQ(Expected(1), Bytes(Path("shared.sdx")));
         }},
        {"folder the user may write but not read: the save succeeds", true,
         [&] {
             QDir().mkdir(Path("wx"));
             ::chown(QFile::encodeName(Path("wx")).constData(), kOtherUser, kSharedGroup);
             ::chmod(QFile::encodeName(Path("wx")).constData(), 0300);
             EXPECT_TRUE(AsUser(kOtherUser, kSharedGroup, [&] {
                 return SaveDatabaseFile(Version(0), Path("wx/x.sdx")) == FileSaveResult::Ok &&
                        SaveDatabaseFile(Version(1), Path("wx/x.sdx")) == FileSaveResult::Ok;
             }));
             EXPECT_EQ(Expected(1), Bytes(Path("wx/x.sdx")));
         }},
        {"changed by another program: stops, then keeps that version as the backup", false,
         [&] {
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path("shared-use.sdx")));
             SaveSession session;
             auto db = std::make_unique<Database>();
             ASSERT_EQ(LoadResult::Ok, session.Load(*db, Path("./shared-use.sdx")));
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(1), Path("shared-use.sdx")));
             EXPECT_EQ(FileSaveResult::ChangedOutside, session.Save(Version(2), Path("shared-use.sdx")));
             EXPECT_EQ(Expected(1), Bytes(Path("shared-use.sdx")));
             EXPECT_EQ(FileSaveResult::Ok, session.Save(Version(2), Path("shared-use.sdx"), true));
             EXPECT_EQ(Expected(2), Bytes(Path("shared-use.sdx")));
             EXPECT_EQ(Expected(1), Bytes(Path("shared-use.sdx.bak")));
             // Its own save is no outside change, whatever the path's spelling.
             EXPECT_EQ(FileSaveResult::Ok,
                       session.Save(Version(0), dir.path() + "/../" + QDir(dir.path()).dirName() + "/shared-use.sdx"));
             EXPECT_EQ(Expected(1), Bytes(Path("shared-use.sdx.bak")));
         }},
        {"killed saves: the next save removes their leftovers, and only those", false,
         [&] {
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path("k.sdx")));
             pid_t pid = 0;
             for (int i = 0; i < 3; ++i) {
                 pid = ::fork();
                 if (pid == 0) {
                     KilledMedium medium;
                     SaveSession(medium).Save(Version(1), Path("k.sdx"));
                     ::_exit(0);
                 }
                 ::waitpid(pid, nullptr, 0);
             }
             const QString mine = TemporaryPrefix(Path("k.sdx"));
             // Another database's leftover, of a process that ended, and
             // one of this file's saves that still runs: both stay.
             const QString others = TemporaryPrefix(Path("other.sdx")) + QString::number(pid) + "-1";
             const QString running = mine + QString::number(::getppid()) + "-1";
             QFile(Path(others)).open(QIODevice::WriteOnly);
             QFile(Path("k.sdx.tmp")).open(QIODevice::WriteOnly);
             // Each killed save removed those of the one before it.
             EXPECT_EQ(1, Entries().filter(mine).size());
             QFile(Path(running)).open(QIODevice::WriteOnly);
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(2), Path("k.sdx")));
             EXPECT_EQ(QStringList{running}, Entries().filter(mine));
             EXPECT_TRUE(Entries().contains(others));
             EXPECT_TRUE(Entries().contains("k.sdx.tmp"));
             EXPECT_EQ(Expected(2), Bytes(Path("k.sdx")));
         }},
        {"255-byte name: saves without a backup and says so", false,
         [&] {
             const QString name = QString(251, 'n') + ".sdx";
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path(name)));
             SaveSession session;
             ASSERT_EQ(FileSaveResult::Ok, session.Save(Version(1), Path(name)));
             EXPECT_FALSE(session.Note().isEmpty());
             EXPECT_EQ(Expected(1), Bytes(Path(name)));
             EXPECT_EQ(1, Entries().filter(QString(251, 'n')).size());
         }},
        {"umask 077: the new file and its backup are private; set-id bits stay", false,
         [&] {
             const mode_t before = ::umask(077);
             const FileSaveResult first = SaveDatabaseFile(Version(0), Path("private.sdx"));
             ::umask(before);
             ASSERT_EQ(FileSaveResult::Ok, first);
             EXPECT_EQ(0600u, Stat(Path("private.sdx")).st_mode & 07777);
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(1), Path("private.sdx")));
             EXPECT_EQ(0600u, Stat(Path("private.sdx")).st_mode & 07777);
             EXPECT_EQ(0600u, Stat(Path("private.sdx.bak")).st_mode & 07777);
             // Set-user and set-group bits stay too.
             ::chmod(QFile::encodeName(Path("private.sdx")).constData(), 06750);
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(2), Path("private.sdx")));
             EXPECT_EQ(06750u, Stat(Path("private.sdx")).st_mode & 07777);
         }},
        {"access list and extended attribute stay", false,
         [&] {
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path("acl.sdx")));
             const QByteArray name = QFile::encodeName(Path("acl.sdx"));
             ::chmod(name.constData(), 0640);
             // The access list as the system stores it: user::rw-,
             // user:65534:r--, group::r--, mask::r--, other::---.
             const uint16_t entries[][4] = {{1, 6, 0xFFFF, 0xFFFF},
                                            {2, 4, 0xFFFE, 0},
                                            {4, 4, 0xFFFF, 0xFFFF},
                                            {0x10, 4, 0xFFFF, 0xFFFF},
                                            {0x20, 0, 0xFFFF, 0xFFFF}};
             const QByteArray acl =
                 QByteArray("\x02\0\0\0", 4) + QByteArray(reinterpret_cast<const char*>(entries), sizeof entries);
             const char* pAcl = "system.posix_acl_access";
             if (::setxattr(name.constData(), pAcl, acl.constData(), size_t(acl.size()), 0) != 0 ||
                 ::setxattr(name.constData(), "user.note", "kept", 4, 0) != 0) {
                 std::cout << "skipped: no access list or attribute here: " << std::strerror(errno) << "\n";
                 return;
             }
             const struct stat before = Stat(Path("acl.sdx"));
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(1), Path("acl.sdx")));
             char value[256];
             const ssize_t size = ::getxattr(name.constData(), pAcl, value, sizeof value);
             EXPECT_EQ(acl, QByteArray(value, int(std::max<ssize_t>(size, 0))));
             EXPECT_EQ(4, ::getxattr(name.constData(), "user.note", value, sizeof value));
             EXPECT_EQ(before.st_mode, Stat(Path("acl.sdx")).st_mode);
         }},
        {"2 GiB file replaced: kept by a second name, not read", false,
         [&] {
             QFile huge(Path("huge.sdx"));
             ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
             ASSERT_TRUE(huge.resize(qint64(2) << 30)); // sparse
             huge.close();
             const ino_t inode = Stat(Path("huge.sdx")).st_ino;
             const std::optional<int64_t> before = BytesRead();
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), Path("huge.sdx")));
             if (before) {
                 EXPECT_LT(*BytesRead() - *before, int64_t(4) << 20);
             }
             EXPECT_EQ(inode, Stat(Path("huge.sdx.bak")).st_ino);
             EXPECT_EQ(Expected(0), Bytes(Path("huge.sdx")));
         }},
        {"name that is not UTF-8: the same bytes on disk", false,
         [&] {
             const QByteArray raw = QFile::encodeName(dir.path()) + "/bad\xffname.sdx";
             const QString name = DecodeFileName(raw);
             EXPECT_EQ(raw, EncodeFileName(name));
             ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Version(0), name));
             struct stat st {};
             EXPECT_EQ(0, ::stat(raw.constData(), &st));
             auto db = std::make_unique<Database>();
             EXPECT_EQ(LoadResult::Ok, LoadDatabaseFile(*db, name));
             EXPECT_FALSE(QFile::exists(Path(QStringLiteral("bad\uFFFDname.sdx"))));
             ::unlink(raw.constData()); // a name the folder listing cannot give back
         }},
    };
    const auto emptyFolder = [&] {
        for (const QString& name :
             QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            ::chmod(QFile::encodeName(Path(name)).constData(), 0700);
            QDir(Path(name)).removeRecursively();
            QFile::remove(Path(name));
        }
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.pWhat);
        if (c.bAsOtherUser && ::geteuid() != 0) {
            std::cout << "skipped: " << c.pWhat << ": acting as another user needs root\n";
            continue;
        }
        emptyFolder();
        c.run();
    }
    emptyFolder();
}

TEST(FileNames, EveryByteStringComesBackAsItWas)
{
    // A differential check against the identity over random byte names.
    std::srand(7);
    for (int n = 0; n < 2000; ++n) {
        QByteArray bytes;
        for (int i = std::rand() % 12; i > 0; --i)
            bytes += char(1 + std::rand() % 255);
        EXPECT_EQ(bytes, EncodeFileName(DecodeFileName(bytes))) << bytes.toHex().constData();
    }
}

TEST(LoadDatabaseFile, RefusesAFileLargerThanTheLargestCorrectOneWithoutReadingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.sdx");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(2) << 30)); // sparse: nothing to read if refused by size
    file.close();
    auto db = std::make_unique<Database>();
    const std::optional<int64_t> before = BytesRead();
    if (!before)
        GTEST_SKIP() << "the system does not count the bytes a process reads (/proc/self/io)";
    EXPECT_EQ(LoadResult::NotCorrect, LoadDatabaseFile(*db, path));
    EXPECT_LT(*BytesRead() - *before, 4096) << "the file was read";
}

} // namespace

#include <gtest/gtest.h>

#include "RecentFiles.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

class RecentFilesTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
};

TEST_F(RecentFilesTest, KeepsTheFourNewestWithoutDuplicatesAcrossARoundTrip)
{
    RecentFileList list;
    for (const char* name : {"a.sdx", "b.sdx", "c.sdx", "d.sdx", "e.sdx", "c.sdx"})
        list.Add(Path(name));
    const QStringList expected = {Path("c.sdx"), Path("e.sdx"), Path("d.sdx"), Path("b.sdx")};
    EXPECT_EQ(list.Files(), expected);
    list.Save(settings);
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), Path("c.sdx"));
    EXPECT_EQ(settings.value("Recent File List/File4").toString(), Path("b.sdx"));

    RecentFileList loaded;
    loaded.Load(settings);
    EXPECT_EQ(loaded.Files(), expected);
}

TEST_F(RecentFilesTest, SavingAShorterListDropsStaleEntries)
{
    RecentFileList list;
    for (const char* name : {"a.sdx", "b.sdx", "c.sdx", "d.sdx"})
        list.Add(Path(name));
    list.Save(settings);
    list.Remove(0);
    list.Remove(1);
    list.Remove(7);
    list.Save(settings);
    EXPECT_FALSE(settings.contains("Recent File List/File3"));
    EXPECT_FALSE(settings.contains("Recent File List/File4"));
    RecentFileList loaded;
    loaded.Load(settings);
    EXPECT_EQ(loaded.Files(), (QStringList{Path("c.sdx"), Path("a.sdx")}));
}

TEST_F(RecentFilesTest, LoadSkipsGapsAndExtraEntriesAndAddMakesPathsAbsolute)
{
    settings.setValue("Recent File List/File1", "/x.sdx");
    settings.setValue("Recent File List/File3", "/y.sdx");
    settings.setValue("Recent File List/File5", "/z.sdx");
    RecentFileList list;
    list.Load(settings);
    EXPECT_EQ(list.Files(), (QStringList{"/x.sdx", "/y.sdx"}));
    list.Add("relative.sdx");
    list.Add("");
    EXPECT_EQ(list.Files().value(0), QDir::current().absoluteFilePath("relative.sdx"));
    EXPECT_EQ(list.Files().size(), 3);
}

} // namespace

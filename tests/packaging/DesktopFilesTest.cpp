// The desktop integration files as a desktop reads them: the MIME type of
// .sdx files, the menu entry that opens them, the AppStream metadata that
// describes them, and the application icon in its scalable and rendered forms.
#include "AppIcons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QString kDataDir = QStringLiteral(EDITZARN_SOURCE_DIR "/data");
const QString kMimeNamespace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kSdxType = QStringLiteral("application/x-editzarn-sdx");
// The reverse-DNS id that names the desktop entry and the AppStream file.
const QString kAppId = QStringLiteral("org.example.editzarn");

QByteArray ReadDataFile(const QString& name)
{
    QFile file(kDataDir + '/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    return file.readAll();
}

struct MimePackage {
    QString strRoot, strNamespace, strType, strComment;
    QStringList globs;
    int iTypes = 0;
    QString strError;
};

// The parts of a shared-mime-info package that decide which files are ours.
MimePackage ReadMimePackage(const QByteArray& xml)
{
    MimePackage package;
    QXmlStreamReader reader(xml);
    while (reader.readNextStartElement()) {
        if (package.strRoot.isEmpty()) {
            package.strRoot = reader.name().toString();
            package.strNamespace = reader.namespaceUri().toString();
            continue; // into the root's children
        }
        if (reader.name() != QLatin1String("mime-type")) {
            reader.skipCurrentElement();
            continue;
        }
        ++package.iTypes;
        package.strType = reader.attributes().value("type").toString();
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("glob")) {
                package.globs << reader.attributes().value("pattern").toString();
                reader.skipCurrentElement();
            } else if (reader.name() == QLatin1String("comment") && reader.attributes().value("xml:lang").isEmpty()) {
                package.strComment = reader.readElementText();
            } else {
                reader.skipCurrentElement();
            }
        }
    }
    if (reader.hasError())
        package.strError = reader.errorString();
    return package;
}

// The keys of the [Desktop Entry] group.
QMap<QString, QString> ReadDesktopEntry(const QByteArray& text)
{
    QMap<QString, QString> keys;
    bool inEntry = false;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith('['))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && !line.isEmpty() && !line.startsWith('#'))
            keys.insert(line.section('=', 0, 0).trimmed(), line.section('=', 1).trimmed());
    }
    return keys;
}

TEST(DesktopFiles, MimePackageDeclaresTheSdxType)
{
    const MimePackage package = ReadMimePackage(ReadDataFile("editzarn-sdx.xml"));
    EXPECT_EQ(QString(), package.strError);
    EXPECT_EQ(QStringLiteral("mime-info"), package.strRoot);
    EXPECT_EQ(kMimeNamespace, package.strNamespace);
    EXPECT_EQ(1, package.iTypes);
    EXPECT_EQ(kSdxType, package.strType);
    EXPECT_EQ(QStringList{QStringLiteral("*.sdx")}, package.globs);
    EXPECT_EQ(QStringLiteral("TV receiver channel database"), package.strComment);
}

// Qt reads the package the way the file manager's MIME database does: a data
// directory holding only it must map .sdx files, in either case, to the type.
TEST(DesktopFiles, MimeDatabaseGivesSdxFilesTheType)
{
    QTemporaryDir dataDir;
    ASSERT_TRUE(dataDir.isValid());
    ASSERT_TRUE(QDir(dataDir.path()).mkpath("mime/packages"));
    QFile package(dataDir.filePath("mime/packages/editzarn-sdx.xml"));
    ASSERT_TRUE(package.open(QIODevice::WriteOnly));
    package.write(ReadDataFile("editzarn-sdx.xml"));
    package.close();
    qputenv("XDG_DATA_HOME", dataDir.filePath("home").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", dataDir.path().toLocal8Bit());

    const QMimeDatabase mimeDatabase;
    for (const char* pszName : {"demo.sdx", "DEMO.SDX", "Channels 2024.Sdx"}) {
        const QMimeType type =
            mimeDatabase.mimeTypeForFile(QString::fromLatin1(pszName), QMimeDatabase::MatchExtension);
        EXPECT_EQ(kSdxType, type.name()) << pszName;
        EXPECT_EQ(QStringLiteral("TV receiver channel database"), type.comment()) << pszName;
    }
    EXPECT_NE(kSdxType, mimeDatabase.mimeTypeForFile("demo.sdx.bak", QMimeDatabase::MatchExtension).name());
}

// The menu entry starts the installed program with the chosen file, offers
// it for the type the MIME package declares, and names the installed icon.
TEST(DesktopFiles, DesktopEntryOpensSdxFilesWithTheEditor)
{
    const QMap<QString, QString> entry = ReadDesktopEntry(ReadDataFile(kAppId + ".desktop"));
    EXPECT_EQ(QStringLiteral("Application"), entry.value("Type"));
    EXPECT_EQ(QStringLiteral("EditZarn"), entry.value("Name"));
    EXPECT_EQ(QStringLiteral("TV Channel Editor"), entry.value("GenericName"));
    const QStringList exec = entry.value("Exec").split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(2, exec.size());
    EXPECT_EQ(QStringLiteral(EDITZARN_PROGRAM), exec[0]);
    EXPECT_EQ(QStringLiteral("%f"), exec[1]);
    EXPECT_TRUE(
        entry.value("MimeType").split(';').contains(ReadMimePackage(ReadDataFile("editzarn-sdx.xml")).strType));
    EXPECT_EQ(QFileInfo(kDataDir + "/editzarn.svg").completeBaseName(), entry.value("Icon"));
}

struct Metainfo {
    QString strId, strLaunchable, strMediaType, strRelease;
};

// The fields of the AppStream file that must agree with the other files.
Metainfo ReadMetainfo(const QByteArray& xml)
{
    Metainfo info;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = reader.name();
        if (name == QLatin1String("id"))
            info.strId = reader.readElementText();
        else if (name == QLatin1String("launchable"))
            info.strLaunchable = reader.readElementText();
        else if (name == QLatin1String("mediatype"))
            info.strMediaType = reader.readElementText();
        else if (name == QLatin1String("release") && info.strRelease.isEmpty())
            info.strRelease = reader.attributes().value("version").toString();
    }
    EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    return info;
}

// A software centre finds the menu entry by the id and shows the version the
// package carries; the changelog's newest entry is that version too.
TEST(DesktopFiles, MetainfoAndChangelogAgreeWithTheOtherFiles)
{
    const Metainfo info = ReadMetainfo(ReadDataFile(kAppId + ".metainfo.xml"));
    EXPECT_EQ(kAppId, info.strId);
    EXPECT_EQ(kAppId + ".desktop", info.strLaunchable);
    EXPECT_TRUE(QFile::exists(kDataDir + '/' + info.strLaunchable));
    EXPECT_EQ(ReadMimePackage(ReadDataFile("editzarn-sdx.xml")).strType, info.strMediaType);
    EXPECT_EQ(QStringLiteral(EDITZARN_VERSION), info.strRelease);
    const QByteArray changelog = ReadDataFile("changelog");
    EXPECT_TRUE(changelog.startsWith("editzarn (" EDITZARN_VERSION ") ")) << changelog.left(80).data();
}

TEST(DesktopFiles, ScalableIconIsDrawnOnTheSixteenGrid)
{
    QXmlStreamReader reader(ReadDataFile("editzarn.svg"));
    ASSERT_TRUE(reader.readNextStartElement());
    EXPECT_EQ(QStringLiteral("svg"), reader.name().toString());
    EXPECT_EQ(QStringLiteral("http://www.w3.org/2000/svg"), reader.namespaceUri().toString());
    EXPECT_EQ(QStringLiteral("0 0 16 16"), reader.attributes().value("viewBox").toString());
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
}

// Each rendered size is the rounded tile on a transparent ground: the corner
// pixel clear, the middle opaque. Sizes outside the range give no image.
TEST(DesktopFiles, ApplicationImageRendersEverySize)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage image = ApplicationImage(size);
        ASSERT_EQ(QSize(size, size), image.size()) << size;
        EXPECT_EQ(0, qAlpha(image.pixel(0, 0))) << size;
        EXPECT_EQ(0, qAlpha(image.pixel(size - 1, size - 1))) << size;
        EXPECT_EQ(255, qAlpha(image.pixel(size / 2, size / 2))) << size;
    }
    for (int size : {0, -16, kMaxApplicationImageSize + 1})
        EXPECT_TRUE(ApplicationImage(size).isNull()) << size;
}

} // namespace

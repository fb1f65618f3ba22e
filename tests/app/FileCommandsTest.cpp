// The window's file state: the caption's modified mark, the report of a
// save, and the ways to another database while one is open.
#include "CEditZarnView.h"
#include "CommandIds.h"
#include "MainWindowFixture.h"
#include "RecentFilesMenu.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

namespace {

void Edit(CEditZarnDoc& doc)
{
    doc.ApplyEdit("Edit Channel", [](Database& db) {
        db.TvChannelTable[0].sVideoPid ^= 1;
        return true;
    });
}

// Drags urls from outside onto pTarget and drops them, as a file manager does.
void DropOn(QWidget* pTarget, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pTarget, &enter);
    QApplication::sendEvent(pTarget, &drop);
    QCoreApplication::processEvents(); // the open runs after the drop
}

using FileCommandsTest = MainWindowFixture;

// The caption's mark shows the document's modified state; a "[*]" of the
// path itself is shown as written.
TEST_F(FileCommandsTest, CaptionMarkFollowsEditsAndSave)
{
    OpenDemoDatabase();
    CEditZarnDoc& doc = app->Document();
    const QString caption = "Pelk_Channel Editor v2.2 " + dir.filePath("my[*]list.sdx");
    prompts.QueueFile(dir.filePath("my[*]list.sdx"));
    frame->Action(ID_FILE_SAVE_AS)->trigger();
    Edit(doc);
    EXPECT_EQ(ShownTitle(frame), caption + "*");
    frame->Action(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(ShownTitle(frame), caption);
    EXPECT_EQ(frame->statusBar()->currentMessage(), QString("Saved my[*]list.sdx — %1 TV and %2 radio channels")
                                                        .arg(doc.Data().header.sTVNumber)
                                                        .arg(doc.Data().header.sRadioNumber));
}

TEST_F(FileCommandsTest, EveryWayToAnotherDatabaseAsksAboutChangesFirst)
{
    // New last: until then the second recent file is other.sdx.
    enum class Way { Open, Recent, Drop, New };
    OpenDemoDatabase();
    const QString other = dir.filePath("other.sdx");
    ASSERT_TRUE(QFile::copy(dir.filePath("demo.sdx"), other));
    app->Document().OpenDocumentFile(other); // in the recent files
    for (Way way : {Way::Open, Way::Recent, Way::Drop, Way::New}) {
        for (MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::No, MsgAnswer::Yes}) {
            SCOPED_TRACE(testing::Message() << "way " << int(way) << ", answer " << int(answer));
            OpenDemoDatabase();
            CEditZarnDoc& doc = app->Document();
            Edit(doc);
            const QByteArray before = ReadBytes(dir.filePath("demo.sdx"));
            const QString target = way == Way::New ? dir.filePath("new.sdx") : other;
            prompts.QueueAnswer(answer);
            if (answer != MsgAnswer::Cancel && (way == Way::Open || way == Way::New))
                prompts.QueueFile(target);
            switch (way) {
            case Way::Open: frame->Action(ID_FILE_OPEN)->trigger(); break;
            case Way::New: frame->Action(ID_FILE_NEW)->trigger(); break;
            case Way::Recent: frame->RecentMenu()->Entries().at(1)->trigger(); break;
            case Way::Drop: DropOn(frame->ListView()->viewport(), {QUrl::fromLocalFile(other)}); break;
            }
            EXPECT_EQ(doc.strFilePath, answer == MsgAnswer::Cancel ? dir.filePath("demo.sdx") : target);
            EXPECT_EQ(doc.IsModified(), answer == MsgAnswer::Cancel);
            EXPECT_EQ(ReadBytes(dir.filePath("demo.sdx")) != before, answer == MsgAnswer::Yes) << "saved on Yes";
            QFile::remove(dir.filePath("new.sdx"));
            doc.SetModifiedFlag(false);
        }
    }
}

TEST_F(FileCommandsTest, ADropOfAnythingButOneSdxFileSaysWhy)
{
    const QUrl notes = QUrl::fromLocalFile(dir.filePath("notes.txt"));
    const std::pair<QList<QUrl>, QString> cases[] = {
        {{notes}, "notes.txt is not an .sdx file."},
        {{notes, QUrl::fromLocalFile(dir.filePath("a.sdx"))}, "2 files were dropped."},
    };
    for (const auto& [urls, reason] : cases) {
        prompts.QueueAnswer(MsgAnswer::Ok);
        DropOn(frame, urls);
        EXPECT_EQ(prompts.Messages().back(), (ShownMessage{"Drop a single .sdx channel database here to open it.",
                                                           "EditZarn", MsgButtons::Ok, MsgIcon::Warning, reason}));
    }
    EXPECT_EQ(app->Document().bDataLoaded, 0);
}

} // namespace

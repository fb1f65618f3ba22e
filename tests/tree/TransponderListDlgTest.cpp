// The transponder-list command from the tree as a user runs it: the dialog
// starts with the database's satellites checked and the chosen one current,
// the preview follows the boxes, OK is one editing step that the tree shows
// and Undo takes back; a list the database has no branch for is refused.
#include "CTransponderListDlg.h"
#include "LeftViewFixture.h"
#include "TransponderListSamples.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

class TransponderListDlgTest : public LeftViewTest {
protected:
    void SetUp() override
    {
        LeftViewTest::SetUp();
        QObject::connect(&doc, &CEditZarnDoc::StatusNote, [this](const QString& note) { strStatus = note; });
        Open();
    }

    // Writes a list file and chooses it in the next file dialog.
    void ChooseList(const QByteArray& text)
    {
        QFile file(dir.filePath("list.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        prompts.QueueFile(file.fileName());
    }

    QTemporaryDir dir;
    QString strStatus;
};

TEST_F(TransponderListDlgTest, UpdateFromASatelliteAddsTheCheckedOnesAsOneStep)
{
    const QByteArray list = QByteArray::fromStdString(SampleSatellitesXml(Db(), 40, 600, 7));
    const auto before = std::make_unique<Database>(Db());
    Select(Sat(2));
    ChooseList(list);
    Answer<CTransponderListDlg>([&](CTransponderListDlg& dialog) {
        QTreeWidget& entries = *dialog.pEntries;
        for (int i = 0; i < entries.topLevelItemCount(); ++i)
            EXPECT_EQ(entries.topLevelItem(i)->checkState(0) == Qt::Checked, i < before->header.sSatNumber) << i;
        EXPECT_EQ(entries.currentItem(), entries.topLevelItem(2));
        EXPECT_TRUE(dialog.pPreview->toPlainText().contains("In total: 0 new satellites"));
        dialog.pFilter->setText("nordsat");
        EXPECT_FALSE(entries.topLevelItem(6)->isHidden());
        EXPECT_TRUE(entries.topLevelItem(7)->isHidden());
        for (const int i : {6, 16}) {
            EXPECT_EQ(entries.topLevelItem(i)->text(3), "new");
            dialog.SetChecked(i, true);
        }
        const QString place = entries.topLevelItem(6)->text(1);
        EXPECT_TRUE(dialog.pPreview->toPlainText().contains(QString("[%1, new slot 7]: ").arg(place)));
        EXPECT_TRUE(dialog.pPreview->toPlainText().contains("In total: 2 new satellites"));
    });
    Menu(kMenuUpdateFromList);
    ASSERT_EQ(Root(kRootSatellite)->childCount(), before->header.sSatNumber + 2);
    EXPECT_GT(Sat(7)->childCount(), 0);
    EXPECT_EQ(view.currentItem(), Sat(2));
    EXPECT_TRUE(strStatus.startsWith("Transponder list: 2 satellites and ")) << strStatus.toStdString();
    EXPECT_EQ(doc.UndoText(), "Undo Import Transponder List");

    // The same choice again changes nothing and leaves no step.
    Select(Sat(2));
    ChooseList(list);
    Answer<CTransponderListDlg>([](CTransponderListDlg& dialog) {
        dialog.SetChecked(6, true);
        dialog.SetChecked(16, true);
    });
    Menu(kMenuUpdateFromList);
    EXPECT_EQ(strStatus, "Transponder list: nothing added or updated");
    doc.Undo();
    ExpectSameDatabase(Db(), *before);
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(TransponderListDlgTest, ListsForABranchTheTreeDoesNotShowAreRefused)
{
    OpenNew();
    ChooseList("<cables><cable name=\"Net\"><transponder frequency=\"346000\" symbol_rate=\"6900000\" "
               "modulation=\"3\"/></cable></cables>");
    prompts.QueueAnswer(MsgAnswer::Ok);
    view.ImportTransponderList({});
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>({{"A cables.xml list cannot be used on this database.",
                                                              "EditZarn", MsgButtons::Ok, MsgIcon::Stop,
                                                              "It holds no cable channels, so the tree shows no Cable "
                                                              "branch."}}));
    EXPECT_EQ(Db().header.sTpNumber, 0);
}

} // namespace

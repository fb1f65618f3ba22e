// The transponder-list command from the tree as a user runs it: the dialog
// starts with the database's satellites checked and the chosen one current,
// the preview follows the boxes, OK is one editing step that the tree shows
// and Undo takes back; a list the database has no branch for is refused.
#include "CEditZarnDoc.h"
#include "CLeftView.h"
#include "CTransponderListDlg.h"
#include "DatabaseBuilders.h"
#include "DemoDatabase.h"
#include "ModelOperations.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"
#include "TransponderListSamples.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class TransponderListDlgTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        view.fnRunMenu = [this](QMenu& menu, const QPoint&) -> QAction* {
            for (QAction* pAction : menu.actions())
                if (pAction->text() == strChoice)
                    return pAction;
            return nullptr;
        };
        view.fnRunDialog = [](QDialog& dialog) {
            ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        };
        QObject::connect(&doc, &CEditZarnDoc::StatusNote, [this](const QString& note) { strStatus = note; });
        BuildDemoDatabase(doc.Data(), DemoSize::Typical);
        doc.bDataLoaded = 1;
        emit doc.DatabaseOpened();
    }

    QString WriteList(const QByteArray& text)
    {
        const QString path = dir.filePath("list.xml");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    // Runs the menu entry choice of the selected node on the list at path;
    // answer handles the dialog and returns its result.
    void Run(const QString& choice, const QString& path, std::function<int(CTransponderListDlg&)> answer)
    {
        prompts.QueueFile(path);
        view.fnRunDialog = [answer](QDialog& dialog) { return answer(dynamic_cast<CTransponderListDlg&>(dialog)); };
        strChoice = choice;
        view.ShowContextMenu({});
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CEditZarnDoc doc{prompts};
    CLeftView view{doc};
    QString strChoice;
    QString strStatus;
};

TEST_F(TransponderListDlgTest, UpdateFromASatelliteAddsTheCheckedOnesAsOneStep)
{
    const QString path = WriteList(QByteArray::fromStdString(SampleSatellitesXml(doc.Data(), 40, 600, 7)));
    const auto before = std::make_unique<Database>(doc.Data());
    const auto satellite = [this](int s) { return view.Root(kRootSatellite)->child(s); };
    view.setCurrentItem(satellite(2));
    Run(kMenuUpdateFromList, path, [&](CTransponderListDlg& dialog) {
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
        dialog.OnOK();
        return dialog.result();
    });
    ASSERT_EQ(view.Root(kRootSatellite)->childCount(), before->header.sSatNumber + 2);
    EXPECT_GT(satellite(7)->childCount(), 0);
    EXPECT_EQ(view.currentItem(), satellite(2));
    EXPECT_TRUE(strStatus.startsWith("Transponder list: 2 satellites and ")) << strStatus.toStdString();
    EXPECT_EQ(doc.UndoText(), "Undo Import Transponder List");

    // The same choice again changes nothing and leaves no step.
    view.setCurrentItem(satellite(2));
    Run(kMenuUpdateFromList, path, [](CTransponderListDlg& dialog) {
        dialog.SetChecked(6, true);
        dialog.SetChecked(16, true);
        dialog.OnOK();
        return dialog.result();
    });
    EXPECT_EQ(strStatus, "Transponder list: nothing added or updated");
    doc.Undo();
    ExpectSameDatabase(doc.Data(), *before);
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(TransponderListDlgTest, ListsForABranchTheTreeDoesNotShowAreRefused)
{
    ResetDatabase(doc.Data());
    emit doc.DatabaseOpened();
    const QString path = WriteList("<cables><cable name=\"Net\"><transponder frequency=\"346000\" "
                                   "symbol_rate=\"6900000\" modulation=\"3\"/></cable></cables>");
    prompts.QueueFile(path);
    prompts.QueueAnswer(MsgAnswer::Ok);
    view.ImportTransponderList({});
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>({{"A cables.xml list cannot be used on this database.",
                                                              "EditZarn", MsgButtons::Ok, MsgIcon::Stop,
                                                              "It holds no cable channels, so the tree shows no Cable "
                                                              "branch."}}));
    EXPECT_EQ(doc.Data().header.sTpNumber, 0);
}

} // namespace

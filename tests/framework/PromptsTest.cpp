#include <gtest/gtest.h>

#include "QtPrompts.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"

#include <gtest/gtest-spi.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString kNewFilter = "SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||";
const QString kOpenFilter = "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||";
const QString kSaveAsFilter = "SDX Files (*.sdx)|*.sdx|Excel Files (*.xlsx *.xls)|*.xlsx;*.xls|All Files (*.*)|*.*||";

TEST(QtNameFiltersTest, ConvertsEveryPairInOrder)
{
    const std::pair<QString, QStringList> cases[] = {
        {kOpenFilter, {"SDX Files (*.sdx)", "All Files (*)"}},
        {kNewFilter, {"SDX Files (*.sdx)", "Bin Files (*.bin)", "All Files (*)"}},
        {kSaveAsFilter, {"SDX Files (*.sdx)", "Excel Files (*.xlsx *.xls)", "All Files (*)"}},
        {"Images (*.png;*.jpg)|*.png;*.jpg||", {"Images (*.png *.jpg)"}},
        {"Shown (*.txt)|*.log||", {"Shown (*.log)"}},
        {"Text|*.txt||", {"Text (*.txt)"}},
        {"A (*.a)|*.a", {"A (*.a)"}},
        {"A (*.a)|*.a|B", {"A (*.a)"}},
        {"", {}},
        {"||", {}},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(QtNameFilters(filter), expected) << filter.toStdString();
}

TEST(QtNameFiltersTest, ChosenFilterIsCountedFromOne)
{
    const QStringList filters = QtNameFilters(kSaveAsFilter);
    EXPECT_EQ(ChosenFilterIndex(filters, filters[0]), 1);
    EXPECT_EQ(ChosenFilterIndex(filters, filters[1]), 2);
    EXPECT_EQ(ChosenFilterIndex(filters, filters[2]), 3);
    EXPECT_EQ(ChosenFilterIndex(filters, "Other (*)"), 1);
}

class QtPromptsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
};

TEST_F(QtPromptsTest, MessageBoxCarriesExactTextCaptionButtonsAndIcon)
{
    struct Case {
        MsgButtons buttons;
        MsgIcon icon;
        QMessageBox::StandardButtons qtButtons;
        QMessageBox::Icon qtIcon;
    };
    const Case cases[] = {
        {MsgButtons::Ok, MsgIcon::None, QMessageBox::Ok, QMessageBox::NoIcon},
        {MsgButtons::Ok, MsgIcon::Warning, QMessageBox::Ok, QMessageBox::Warning},
        {MsgButtons::Ok, MsgIcon::Stop, QMessageBox::Ok, QMessageBox::Critical},
        {MsgButtons::YesNo, MsgIcon::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question},
    };
    const QString text = "Can't not save the file\n";
    for (const Case& c : cases) {
        const auto box = MakeMessageBox(nullptr, text, "EditZarn", c.buttons, c.icon);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->windowTitle(), "EditZarn");
        EXPECT_EQ(box->standardButtons(), c.qtButtons);
        EXPECT_EQ(box->icon(), c.qtIcon);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
    }
    const auto question = MakeMessageBox(nullptr, "?", "EditZarn", MsgButtons::YesNo, MsgIcon::Question);
    EXPECT_EQ(static_cast<QAbstractButton*>(question->defaultButton()), question->button(QMessageBox::Yes));
    // Enter on a question whose Yes replaces something keeps it.
    const auto replace = MakeMessageBox(nullptr, "?", "EditZarn", MsgButtons::YesNoDefaultNo, MsgIcon::Warning);
    EXPECT_EQ(replace->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(static_cast<QAbstractButton*>(replace->defaultButton()), replace->button(QMessageBox::No));
    // Escape and the box's close button answer Cancel where it is offered;
    // the reason stands as a second paragraph.
    const auto close = MakeMessageBox(nullptr, "?", "EditZarn", MsgButtons::YesNoCancel, MsgIcon::Question, "why");
    EXPECT_EQ(close->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(close->escapeButton(), close->button(QMessageBox::Cancel));
    EXPECT_EQ(close->informativeText(), "why");
}

TEST_F(QtPromptsTest, FileDialogsAreConfiguredForTheirCommand)
{
    const auto open = MakeFileDialog(nullptr, FileDialogKind::Open, "Select File", kOpenFilter);
    EXPECT_EQ(open->windowTitle(), "Select File");
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(open->nameFilters(), QtNameFilters(kOpenFilter));

    const auto save = MakeFileDialog(nullptr, FileDialogKind::Save, "Select File", kSaveAsFilter);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->fileMode(), QFileDialog::AnyFile);
    save->selectNameFilter(save->nameFilters().at(1));
    EXPECT_EQ(ChosenFilterIndex(save->nameFilters(), save->selectedNameFilter()), 2);
}

TEST(PromptHelpersTest, CaptionAndIconFollowTheFrameworkDefaults)
{
    ScriptedPrompts prompts;
    for (int i = 0; i < 6; ++i)
        prompts.QueueAnswer(i == 5 ? MsgAnswer::Yes : MsgAnswer::Ok);
    WindowMessage(prompts, "a");
    WindowMessage(prompts, "b", MsgButtons::Ok, MsgIcon::Stop);
    WindowMessage(prompts, "c", MsgButtons::Ok, MsgIcon::None, "Other");
    AppMessage(prompts, "d");
    AppMessage(prompts, "e", MsgButtons::Ok, MsgIcon::Stop);
    EXPECT_EQ(AppMessage(prompts, "f", MsgButtons::YesNo), MsgAnswer::Yes);
    const std::vector<ShownMessage> expected = {
        {"a", "EditZarn", MsgButtons::Ok, MsgIcon::None}, {"b", "EditZarn", MsgButtons::Ok, MsgIcon::Stop},
        {"c", "Other", MsgButtons::Ok, MsgIcon::None},    {"d", "EditZarn", MsgButtons::Ok, MsgIcon::Warning},
        {"e", "EditZarn", MsgButtons::Ok, MsgIcon::Stop}, {"f", "EditZarn", MsgButtons::YesNo, MsgIcon::Question},
    };
    EXPECT_EQ(prompts.Messages(), expected);
}

TEST(ScriptedPromptsTest, AnswersInOrderAndRecordsDialogs)
{
    ScriptedPrompts prompts;
    prompts.QueueFile("/tmp/a.xls", 2);
    prompts.QueueCancel();
    prompts.QueueFile("/tmp/b.sdx");
    const auto first = prompts.SaveFileDialog("Select File", kSaveAsFilter);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->strPath, "/tmp/a.xls");
    EXPECT_EQ(first->iFilterIndex, 2);
    EXPECT_FALSE(prompts.OpenFileDialog("Select File", kOpenFilter));
    EXPECT_EQ(prompts.SaveFileDialog("New File", kNewFilter)->iFilterIndex, 1);
    EXPECT_EQ(prompts.FileDialogs(), (std::vector<AskedFileDialog>{{AskedDialog::Save, "Select File", kSaveAsFilter},
                                                                   {AskedDialog::Open, "Select File", kOpenFilter},
                                                                   {AskedDialog::Save, "New File", kNewFilter}}));
}

TEST(ScriptedPromptsTest, UnansweredUnfitAndUnusedAnswersFailTheTest)
{
    ScriptedPrompts prompts;
    EXPECT_NONFATAL_FAILURE(
        EXPECT_EQ(prompts.MessageBox("q", "EditZarn", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::No),
        "without a queued answer");
    EXPECT_NONFATAL_FAILURE(EXPECT_FALSE(prompts.OpenFileDialog("t", kOpenFilter)), "without a queued answer");
    prompts.QueueAnswer(MsgAnswer::Yes);
    EXPECT_NONFATAL_FAILURE(prompts.MessageBox("m", "EditZarn", MsgButtons::Ok, MsgIcon::Warning), "does not fit");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedPrompts leftover;
            leftover.QueueAnswer(MsgAnswer::Ok);
        },
        "never asked for");
}

} // namespace

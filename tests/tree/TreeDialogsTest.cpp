// The tree's dialogs, driven without exec(): fields set, OK handler called,
// record and messages checked.
#include "BitFields.h"
#include "CEditZarnDoc.h"
#include "CFavRenameDlg.h"
#include "CModifiedTpDlg.h"
#include "CMoveDlg.h"
#include "CSatelliteDlg.h"
#include "CTransponderDlg.h"
#include "DatabaseBuilders.h"
#include "ModelOperations.h"
#include "OptionNames.h"
#include "SatelliteOperations.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"
#include "TransponderOperations.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <cstring>

namespace {

ShownMessage FieldMessage(const QString& text) { return {text, "EditZarn", MsgButtons::Ok, MsgIcon::Warning}; }

class TreeDialogsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void SetUp() override
    {
        ResetDatabase(doc.Data());
        doc.bDataLoaded = 1;
    }
    Database& Db() { return doc.Data(); }

    ScriptedPrompts prompts;
    CEditZarnDoc doc{prompts};
};

TEST_F(TreeDialogsTest, SatelliteDialogShowsTheRecord)
{
    for (uint16_t f : {11000, 11100, 11200})
        AddTransponder(Db(), MakeSatelliteTp(0, 2, f));
    AddTransponder(Db(), MakeSatelliteTp(0, 1, 10000)); // another satellite's

    struct Case {
        uint32_t ku;
        uint16_t low, high;
        QString lnbText;
    };
    const Case cases[] = {
        {0, 5150, 5750, "5150/5750"}, {1, 9750, 9750, "9750"}, {1, 9750, 10600, "Universal"}, {1, 9000, 9000, ""}};
    for (const Case& c : cases) {
        SatelliteRecord sat = DefaultSatellite();
        SetSatKuBand(sat, c.ku);
        sat.usLnbLow = c.low;
        sat.usLnbHigh = c.high;
        SetSatPosition(sat, 192);
        SetSatMotor(sat, 3);
        SetSatChosenTp(sat, 1);
        CSatelliteDlg dialog(Db(), prompts, sat, 2);
        EXPECT_EQ(kCaptionSatellite, dialog.windowTitle());
        EXPECT_EQ(c.lnbText, dialog.pLnbTypeList->currentText());
        EXPECT_EQ("New SAT", dialog.pNameEdit->text());
        EXPECT_EQ("19.2", dialog.pAngleEdit->text());
        EXPECT_EQ("None", dialog.pMotorList->currentText()) << "a stored 3 is not offered";
        ASSERT_EQ(3, dialog.pTransponderList->count());
        EXPECT_EQ("| 2 | 11100 | HOR | 27500 |", dialog.pTransponderList->currentText());
    }
    SatelliteRecord none = DefaultSatellite();
    SetSatChosenTp(none, 255);
    CSatelliteDlg dialog(Db(), prompts, none, 2);
    EXPECT_EQ(-1, dialog.pTransponderList->currentIndex());
}

TEST_F(TreeDialogsTest, SatelliteDialogRefusesBadFieldsAndStaysOpen)
{
    struct Case {
        QString name, angle, message;
    };
    const Case cases[] = {
        {QString(24, 'n'), "1", "Please enter no more than 23 characters."},
        {"ok", "east", "Please enter a number."},
        {"ok", "", "Please enter a number."},
        {"ok", "180.1", "Please enter a number between 0 and 180."},
        {"ok", "-0.5", "Please enter a number between 0 and 180."},
    };
    for (const Case& c : cases) {
        ScriptedPrompts local;
        const SatelliteRecord sat = DefaultSatellite();
        CSatelliteDlg dialog(Db(), local, sat, 0);
        dialog.pNameEdit->setText(c.name);
        dialog.pAngleEdit->setText(c.angle);
        local.QueueAnswer(MsgAnswer::Ok);
        dialog.OnOK();
        EXPECT_NE(QDialog::Accepted, dialog.result()) << c.message.toStdString();
        EXPECT_EQ(std::vector<ShownMessage>{FieldMessage(c.message)}, local.MessagesWithoutReasons());
        EXPECT_EQ(0, std::memcmp(&sat, &dialog.Record(), sizeof sat));
    }
}

TEST_F(TreeDialogsTest, SatelliteDialogWritesTheFieldsAndKeepsOtherBits)
{
    SatelliteRecord sat = DefaultSatellite();
    sat.ulSatPos = 0xF2000000u | 5;            // high bits kept
    sat.ulSatFlags |= 0xC0000008u | (1u << 8); // bits 3, 8, 30, 31 kept
    CSatelliteDlg dialog(Db(), prompts, sat, 0);
    dialog.pNameEdit->setText("A twenty char name!!");
    dialog.pAngleEdit->setText("19.2");
    dialog.pLnbTypeList->setCurrentIndex(12); // 5150/5750
    dialog.p22kHzList->setCurrentIndex(2);
    dialog.pTunerSelectList->setCurrentIndex(3);
    dialog.pMotorList->setCurrentIndex(2);
    dialog.pDiseqcList->setCurrentIndex(6);
    dialog.pDirectionList->setCurrentIndex(1);
    dialog.OnOK();
    ASSERT_EQ(QDialog::Accepted, dialog.result());
    const SatelliteRecord& out = dialog.Record();
    EXPECT_EQ(0, std::memcmp(out.acSatName, "A twenty char na", 16)) << "cut to 16 with no terminator";
    EXPECT_EQ(5150, out.usLnbLow);
    EXPECT_EQ(5750, out.usLnbHigh);
    EXPECT_EQ(0u, SatKuBand(out));
    EXPECT_EQ(192u, SatPosition(out));
    EXPECT_EQ(0xF2000000u, out.ulSatPos & ~0x7FFu);
    EXPECT_EQ(2u, Sat22kHz(out));
    EXPECT_EQ(3u, SatLnbPower(out));
    EXPECT_EQ(2u, SatMotor(out));
    EXPECT_EQ(6u, SatDiseqc(out));
    EXPECT_EQ(1u, SatDirection(out));
    EXPECT_EQ(255u, SatChosenTp(out)) << "a satellite without transponders has no choice";
    EXPECT_EQ(0xC0000108u, out.ulSatFlags & 0xC0000108u);
}

TEST_F(TreeDialogsTest, UserDefinedLnbKeepsTheValuesLastChosen)
{
    struct Case {
        std::vector<int> choices;
        uint16_t low, high;
        uint32_t ku;
    };
    const Case cases[] = {
        {{kUserDefinedLnb}, 9750, 10600, 1},
        {{10, kUserDefinedLnb}, 5150, 5150, 1},
        {{10}, 5150, 5150, 0},
        {{12, 3}, 9750, 9750, 1},
    };
    for (const Case& c : cases) {
        CSatelliteDlg dialog(Db(), prompts, DefaultSatellite(), 0);
        for (int choice : c.choices)
            dialog.pLnbTypeList->setCurrentIndex(choice);
        dialog.OnOK();
        ASSERT_EQ(QDialog::Accepted, dialog.result());
        EXPECT_EQ(c.low, dialog.Record().usLnbLow);
        EXPECT_EQ(c.high, dialog.Record().usLnbHigh);
        EXPECT_EQ(c.ku, SatKuBand(dialog.Record()));
    }
}

TEST_F(TreeDialogsTest, SixteenCharacterNameIsStoredWhole)
{
    CSatelliteDlg dialog(Db(), prompts, DefaultSatellite(), 0);
    dialog.pNameEdit->setText("ABCDEFGHIJKLMNOP");
    dialog.OnOK();
    EXPECT_EQ("ABCDEFGHIJKLMNOP", FieldText(dialog.Record().acSatName));
    CSatelliteDlg again(Db(), prompts, dialog.Record(), 0);
    EXPECT_EQ("ABCDEFGHIJKLMNOP", again.pNameEdit->text());
}

TEST_F(TreeDialogsTest, TransponderDialogsCheckEveryField)
{
    struct Case {
        TpForm form;
        QString frequency, symbolRate, message;
    };
    const Case cases[] = {
        {TpForm::Satellite, "0", "27500", "Please enter an integer between 1 and 20000."},
        {TpForm::Satellite, "20001", "27500", "Please enter an integer between 1 and 20000."},
        {TpForm::Satellite, "11.7", "27500", "Please enter an integer."},
        {TpForm::Satellite, "11747", "1999", "Please enter an integer between 2000 and 45000."},
        {TpForm::Satellite, "11747", "", "Please enter an integer."},
        {TpForm::Cable, "859", "6900", "Please enter an integer between 1 and 858."},
        {TpForm::Cable, "474", "65536", "Please enter an integer between 1 and 65535."},
        {TpForm::Cable, "474", "0", "Please enter an integer between 1 and 65535."},
        {TpForm::Terrestrial, "900001", "", "Please enter an integer between 1 and 900000."},
        {TpForm::Terrestrial, "abc", "", "Please enter an integer."},
    };
    for (const Case& c : cases) {
        ScriptedPrompts local;
        const TransponderRecord tp = c.form == TpForm::Satellite ? DefaultSatelliteTp(0)
                                     : c.form == TpForm::Cable   ? DefaultCableTp()
                                                                 : DefaultTerrestrialTp(kTpTerrestrial, 4);
        CTransponderDlg dialog(c.form, tp, 4, local);
        EXPECT_EQ(kCaptionTransponder, dialog.windowTitle());
        dialog.pFrequencyEdit->setText(c.frequency);
        if (dialog.pSymbolRateEdit)
            dialog.pSymbolRateEdit->setText(c.symbolRate);
        local.QueueAnswer(MsgAnswer::Ok);
        dialog.OnOK();
        EXPECT_NE(QDialog::Accepted, dialog.result()) << c.message.toStdString();
        EXPECT_EQ(std::vector<ShownMessage>{FieldMessage(c.message)}, local.MessagesWithoutReasons());
        EXPECT_EQ(0, std::memcmp(&tp, &dialog.Record(), sizeof tp));
    }
}

TEST_F(TreeDialogsTest, TransponderDialogsWriteTheirFieldsOnly)
{
    TransponderRecord sat = DefaultSatelliteTp(9);
    SetTpId(sat, 77);
    sat.usFirst = 0x1234;
    CTransponderDlg satDialog(TpForm::Satellite, sat, 4, prompts);
    satDialog.pFrequencyEdit->setText("12000");
    satDialog.pSymbolRateEdit->setText("45000");
    satDialog.pPolarisationList->setCurrentIndex(0);
    satDialog.pFecList->setCurrentIndex(7);
    satDialog.OnOK();
    ASSERT_EQ(QDialog::Accepted, satDialog.result());
    TransponderRecord expected = sat;
    expected.usFreq = 12000;
    expected.usSymRate = 45000;
    SetTpPolarisation(expected, 0);
    SetTpFec(expected, 7);
    EXPECT_EQ(0, std::memcmp(&expected, &satDialog.Record(), sizeof expected));

    TransponderRecord cable = DefaultCableTp();
    SetTpQam(cable, 6); // no such modulation: the list starts on the first
    CTransponderDlg cableDialog(TpForm::Cable, cable, 4, prompts);
    EXPECT_EQ("16QAM", cableDialog.pQamList->currentText());
    cableDialog.pSymbolRateEdit->setText("65535");
    cableDialog.pQamList->setCurrentIndex(2);
    cableDialog.OnOK();
    ASSERT_EQ(QDialog::Accepted, cableDialog.result());
    EXPECT_EQ(65535, cableDialog.Record().usSymRate);
    EXPECT_EQ(2u, TpQam(cableDialog.Record()));
    EXPECT_EQ(kTpCable, TpKind(cableDialog.Record()));

    TransponderRecord isdb = DefaultTerrestrialTp(kTpIsdbt, 4);
    SetTpId(isdb, 3999);
    CTransponderDlg terrestrialDialog(TpForm::Terrestrial, isdb, 4, prompts);
    EXPECT_EQ("474000", terrestrialDialog.pFrequencyEdit->text());
    EXPECT_EQ("8M", terrestrialDialog.pBandwidthList->currentText());
    EXPECT_EQ("256QAM", terrestrialDialog.pQamList->currentText());
    terrestrialDialog.pFrequencyEdit->setText("177500");
    terrestrialDialog.pBandwidthList->setCurrentIndex(1);
    terrestrialDialog.pQamList->setCurrentIndex(2);
    terrestrialDialog.OnOK();
    ASSERT_EQ(QDialog::Accepted, terrestrialDialog.result());
    const TransponderRecord& out = terrestrialDialog.Record();
    EXPECT_EQ(177500u, TpUlFreq(out));
    EXPECT_EQ(1u, TpBandwidth(out));
    EXPECT_EQ(2u, TpModulation(out));
    EXPECT_EQ(0x80u + 5, GetBits(out.ulTpFlags, 12, 8)) << "channel 5 of the plan";
    EXPECT_EQ(kTpIsdbt, TpKind(out)) << "an ISDB-T record stays ISDB-T";
    EXPECT_EQ(3999u, TpId(out));
}

TEST_F(TreeDialogsTest, MoveDialogReadsIntegers)
{
    ScriptedPrompts local;
    CMoveDlg dialog(local, 3, 1);
    EXPECT_EQ(kMoveTitle, dialog.windowTitle());
    EXPECT_FALSE(dialog.pFromEdit->isEnabled());
    dialog.pToEdit->setText("two");
    local.QueueAnswer(MsgAnswer::Ok);
    dialog.OnOK();
    EXPECT_NE(QDialog::Accepted, dialog.result());
    EXPECT_EQ(std::vector<ShownMessage>{FieldMessage("Please enter an integer.")}, local.MessagesWithoutReasons());
    dialog.pToEdit->setText("-7");
    dialog.OnOK();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(3, dialog.From());
    EXPECT_EQ(-7, dialog.To());
}

TEST_F(TreeDialogsTest, RenameDialogTakesFifteenCharacters)
{
    ScriptedPrompts local;
    CFavRenameDlg dialog(local, "MyFav");
    EXPECT_EQ(kCaptionRenameFav, dialog.windowTitle());
    EXPECT_EQ("MyFav", dialog.pNameEdit->text());
    dialog.pNameEdit->setText("0123456789ABCDEF");
    local.QueueAnswer(MsgAnswer::Ok);
    dialog.OnOK();
    EXPECT_NE(QDialog::Accepted, dialog.result());
    ShownMessage tooLong = FieldMessage("Please enter no more than 15 characters.");
    tooLong.strInformative = "Field: FAV Group Name";
    EXPECT_EQ(std::vector<ShownMessage>{tooLong}, local.Messages());
    dialog.pNameEdit->setText("0123456789ABCDE");
    dialog.OnOK();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ("0123456789ABCDE", dialog.Name());
}

// Answers the Transponder Parameters dialogs the Modified TP dialog opens.
struct TpDialogAnswers {
    std::vector<std::function<int(CTransponderDlg&)>> answers;
    size_t next = 0;
    int operator()(QDialog& dialog)
    {
        auto* pTp = dynamic_cast<CTransponderDlg*>(&dialog);
        EXPECT_TRUE(pTp && next < answers.size());
        return pTp && next < answers.size() ? answers[next++](*pTp) : QDialog::Rejected;
    }
};

int Accept(CTransponderDlg& dialog, const QString& frequency)
{
    dialog.pFrequencyEdit->setText(frequency);
    dialog.OnOK();
    return dialog.result();
}

TEST_F(TreeDialogsTest, ModifiedTpListsEditsAddsAndDeletes)
{
    SatelliteRecord sat = DefaultSatellite();
    std::strcpy(sat.acSatName, "Hot");
    AddSatellite(Db(), sat);
    AddSatellite(Db(), sat);
    for (uint16_t f : {10700, 10800, 10900, 11000, 11100})
        AddTransponder(Db(), MakeSatelliteTp(0, 0, f));
    AddTransponder(Db(), MakeSatelliteTp(0, 1, 12000));
    AppendChannel(Db(), false, MakeChannel("on 10800", 1, 1));

    TpDialogAnswers answers;
    answers.answers = {[](CTransponderDlg& d) { return Accept(d, "9999"); },
                       [](CTransponderDlg& d) { return Accept(d, "10700"); }, // equals the first
                       [](CTransponderDlg& d) { return Accept(d, "12345"); },
                       [](CTransponderDlg&) { return int(QDialog::Rejected); }};
    CModifiedTpDlg dialog(doc, 0, std::ref(answers));
    EXPECT_EQ("Hot--Transponder List", dialog.windowTitle());
    ASSERT_EQ(5, dialog.pList->count());
    EXPECT_EQ("01    10700    HOR     27500   Auto", dialog.pList->item(0)->text());
    EXPECT_FALSE(dialog.IsChanged());

    // Edit two lines: the first stored, the second refused as a duplicate.
    dialog.pList->item(3)->setSelected(true);
    dialog.pList->item(4)->setSelected(true);
    prompts.QueueAnswer(MsgAnswer::Ok);
    dialog.OnEdit();
    EXPECT_EQ((std::vector<ShownMessage>{{"Tp is already exist", "Edit Transponder", MsgButtons::Ok, MsgIcon::Stop}}),
              prompts.Messages());
    EXPECT_EQ("04    09999    HOR     27500   Auto", dialog.pList->item(3)->text());
    EXPECT_EQ(11100, Db().TransponderTable[4].usFreq);
    EXPECT_TRUE(dialog.IsChanged());

    dialog.OnAdd();
    ASSERT_EQ(6, dialog.pList->count());
    EXPECT_EQ("06    12345    VER     27500   3/4", dialog.pList->item(5)->text());
    dialog.OnAdd(); // cancelled
    EXPECT_EQ(6, dialog.pList->count());

    // Delete three lines without a question; the list is numbered from 01 again.
    dialog.pList->clearSelection();
    for (int line : {0, 1, 3})
        dialog.pList->item(line)->setSelected(true);
    dialog.OnDel();
    ASSERT_EQ(3, dialog.pList->count());
    EXPECT_EQ("01    10900    HOR     27500   Auto", dialog.pList->item(0)->text());
    EXPECT_EQ("02    11100    HOR     27500   Auto", dialog.pList->item(1)->text());
    EXPECT_EQ("03    12345    VER     27500   3/4", dialog.pList->item(2)->text());
    EXPECT_EQ((std::vector<int>{0, 1, 3}), dialog.LineRecords());
    EXPECT_EQ(4, Db().header.sTpNumber);
    EXPECT_EQ(0, Db().header.sTVNumber) << "the channel of 10800 went with it";
    EXPECT_EQ(12000, Db().TransponderTable[2].usFreq) << "the other satellite's transponder stays";
}

TEST_F(TreeDialogsTest, ModifiedTpEditMarksAChangeEvenWhenCancelled)
{
    AddSatellite(Db(), DefaultSatellite());
    AddTransponder(Db(), MakeSatelliteTp(0, 0, 10700));
    TpDialogAnswers answers;
    answers.answers = {[](CTransponderDlg&) { return int(QDialog::Rejected); }};
    CModifiedTpDlg dialog(doc, 0, std::ref(answers));
    dialog.OnEdit(); // nothing selected: nothing happens
    EXPECT_FALSE(dialog.IsChanged());
    dialog.pList->item(0)->setSelected(true);
    dialog.OnEdit();
    EXPECT_TRUE(dialog.IsChanged());
    EXPECT_FALSE(doc.IsModified());
}

} // namespace

// The Channel Parameters, Audio Parameters and Move dialogs, driven through
// their controls and OK handlers without running them modally.
#include "CAudioParamDlg.h"
#include "CChannelParamDlg.h"
#include "CMoveDlg.h"
#include "ChannelOperations.h"
#include "TestApplication.h"
#include "DatabaseBuilders.h"
#include "ScriptedPrompts.h"

#include "BitFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace {

const QString kPidRange = "Please enter an integer between 1 and 8191.";
// A result no ending gives: the dialog has not ended.
constexpr int kStillOpen = -1;

// A field's message, naming the field in its detail.
ShownMessage FieldMessage(const QString& text, const QString& field)
{
    return {text, "EditZarn", MsgButtons::Ok, MsgIcon::Warning, "Field: " + field};
}

class ChannelDialogsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        db = MakeEmptyDatabase();
        std::memcpy(db->SatelliteTable[0].acSatName, "Astra", 6);
        std::memcpy(db->SatelliteTable[1].acSatName,
                    "Hot\xeb"
                    "ird",
                    8);
        db->header.sSatNumber = 2;
        TransponderRecord tp = MakeSatelliteTp(7, 1, 11034);
        tp.usSymRate = 27500;
        SetTpPolarisation(tp, 1);
        SetTpFec(tp, 3);
        AppendTransponder(*db, tp);
        AppendTransponder(*db, MakeSatelliteTp(8, 1, 12000));
        TransponderRecord cable{};
        SetTpKind(cable, kTpCable);
        SetTpId(cable, 20);
        cable.usFreq = 346;
        cable.usSymRate = 6900;
        AppendTransponder(*db, cable);
        TransponderRecord dvbt{};
        SetTpKind(dvbt, kTpTerrestrial);
        SetTpId(dvbt, 30);
        SetTpUlFreq(dvbt, 482000);
        SetTpBandwidth(dvbt, 2);
        AppendTransponder(*db, dvbt);
        db->bHasTerrestrial = db->bHasCable = 1;
    }

    // An edited channel on transponder 8 with two tracks, the second the default.
    ChannelRecord Channel()
    {
        ChannelRecord c = MakeChannel("Arte Concert HD", 8, 0);
        c.sVideoPid = 401;
        c.sPcrPid = 402;
        c.sTxtPid = 403;
        c.ucAudioNum = 2;
        SetAudioPid(c.AudioEntries[0], 404);
        SetAudioLanguage(c.AudioEntries[0], 23);
        SetAudioPid(c.AudioEntries[1], 405);
        SetAudioLanguage(c.AudioEntries[1], 21);
        SetAudioMode(c.AudioEntries[1], 2);
        c.AudioEntries[1].ulAudioExtra = 0xABCD;
        SetChAudioIndex(c, 1);
        c.usFavBits = 0xFF0A;
        SetChVideoCoding(c, 2);
        return c;
    }

    std::unique_ptr<CChannelParamDlg> Open(const ChannelRecord& c, int mode = 0, bool tpChoice = true)
    {
        auto dialog = std::make_unique<CChannelParamDlg>(*db, prompts, ChannelDialogInput{c, 12, mode, tpChoice});
        dialog->fnAudioDialog = [this](AudioParams& params) {
            asked.push_back(params);
            if (answers.empty())
                return false;
            params = answers.front();
            answers.pop_front();
            return true;
        };
        return dialog;
    }

    static QStringList Items(const QComboBox* pBox)
    {
        QStringList items;
        for (int i = 0; i < pBox->count(); ++i)
            items << pBox->itemText(i);
        return items;
    }
    static QStringList Items(const QListWidget* pList)
    {
        QStringList items;
        for (int i = 0; i < pList->count(); ++i)
            items << pList->item(i)->text();
        return items;
    }

    std::unique_ptr<Database> db;
    ScriptedPrompts prompts;
    std::deque<AudioParams> answers;
    std::vector<AudioParams> asked;
};

TEST_F(ChannelDialogsTest, OpensOnTheRecord)
{
    ChannelRecord c = Channel();
    std::memcpy(c.acName, "Ch\xe2teau Plus Un Deux Trois", 26); // 26 bytes: shown whole
    auto dlg = Open(c);
    EXPECT_EQ(dlg->windowTitle(), "Channel Parameters");
    EXPECT_EQ(dlg->pNumberEdit->text(), "12");
    EXPECT_EQ(dlg->pNameEdit->text(), QString::fromUtf8("Château Plus Un Deux Trois"));
    EXPECT_EQ(dlg->pVideoPidEdit->text(), "401");
    EXPECT_EQ(dlg->pPcrPidEdit->text(), "402");
    EXPECT_EQ(dlg->pTxtPidEdit->text(), "403");
    EXPECT_TRUE(dlg->pVideoPidEdit->isEnabled());
    EXPECT_FALSE(dlg->apFavChecks[0]->isChecked());
    EXPECT_TRUE(dlg->apAudioModeButtons[2]->isChecked());
    EXPECT_EQ(Items(dlg->pAudioList), QStringList({"1  404  German", "2  405  French Default"}));
    EXPECT_EQ(Items(dlg->pSatelliteBox),
              QStringList({"1-Astra", QString::fromUtf8("2-Hotëird"), "3-Terrestrial", "4-Cable"}));
    EXPECT_EQ(dlg->pSatelliteBox->currentIndex(), 1);
    EXPECT_EQ(Items(dlg->pTransponderBox), QStringList({"11034/VER/27500/3/4", "12000/HOR/27500/Auto"}));
    EXPECT_EQ(dlg->pTransponderBox->currentIndex(), 1);

    dlg->pSatelliteBox->setCurrentIndex(2);
    EXPECT_EQ(Items(dlg->pTransponderBox), QStringList({"482000 / 8M"}));
    dlg->pSatelliteBox->setCurrentIndex(3);
    EXPECT_EQ(Items(dlg->pTransponderBox), QStringList({"346 / 6900"}));

    c.usTpId = 20; // a cable channel opens on "Cable"; radio mode locks the video PID
    auto radio = Open(c, 1, false);
    EXPECT_EQ(radio->pSatelliteBox->currentIndex(), 3);
    EXPECT_FALSE(radio->pVideoPidEdit->isEnabled());
    EXPECT_FALSE(radio->pSatelliteBox->isEnabled());
    EXPECT_FALSE(radio->pTransponderBox->isEnabled());
}

TEST_F(ChannelDialogsTest, OkWritesTheRecord)
{
    const ChannelRecord before = Channel();
    auto dlg = Open(before);
    dlg->pNameEdit->setText(QString::fromUtf8("Zwölf"));
    dlg->pVideoPidEdit->setText(" 8191 ");
    dlg->apFavChecks[0]->setChecked(true);
    dlg->pScrambleCheck->setChecked(true);
    dlg->pLockCheck->setChecked(true);
    dlg->apAudioModeButtons[1]->setChecked(true);
    dlg->pTransponderBox->setCurrentIndex(0);
    dlg->OnOK();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    const ChannelRecord& r = dlg->Record();
    EXPECT_EQ(FieldText(r.acName), "Zw\xf6lf");
    EXPECT_EQ(r.ucNameLen, 5);
    EXPECT_EQ(std::string(r.acName, sizeof r.acName), std::string("Zw\xf6lf") + std::string(23, '\0'));
    EXPECT_EQ(r.sVideoPid, 8191);
    EXPECT_TRUE(ChNoVideo(r));
    EXPECT_EQ(r.usFavBits, 0x000B); // groups 1-7 kept, bits 8-15 cleared
    EXPECT_EQ(ChCas(r), 0x8000u);
    EXPECT_TRUE(ChLocked(r));
    EXPECT_EQ(r.usTpId, 7);
    EXPECT_EQ(ChDelivery(r), kChSatellite);
    EXPECT_EQ(r.usServiceId, 1);
    EXPECT_EQ(r.ucAudioNum, 2);
    EXPECT_EQ(ChAudioIndex(r), 1u);
    EXPECT_EQ(AudioMode(r.AudioEntries[1]), 1u);
    EXPECT_EQ(r.AudioEntries[1].ulAudioExtra, 0xABCDu);
    EXPECT_EQ(AudioLanguage(r.AudioEntries[0]), 23u);
    EXPECT_EQ(ChVideoCoding(r), 2u);
    EXPECT_TRUE(prompts.Messages().empty());

    // Unticking Scramble clears every access bit; a terrestrial pick sets the delivery system.
    ChannelRecord scrambled = before;
    scrambled.ulChFlags |= 0x00FF0000;
    auto again = Open(scrambled);
    again->pScrambleCheck->setChecked(false);
    again->pSatelliteBox->setCurrentIndex(2);
    again->OnOK();
    EXPECT_EQ(ChCas(again->Record()), 0u);
    EXPECT_EQ(ChDelivery(again->Record()), kChTerrestrial);
    EXPECT_EQ(again->Record().usTpId, 30);
}

TEST_F(ChannelDialogsTest, EightFavouriteBoxesNamedAsTheGroups)
{
    std::memcpy(db->SettingsBlock.data() + kFavNamePos + 2 * kFavNameSize, "Kids", 5);
    auto dlg = Open(Channel()); // bits 0xFF0A: groups 2 and 4, and bits 8-15
    QStringList labels;
    QString checked;
    for (const QCheckBox* pBox : dlg->apFavChecks) {
        labels << pBox->text();
        checked += pBox->isChecked() ? '1' : '0';
    }
    EXPECT_EQ(labels, QStringList({"MyFav", "FAV 2", "Kids", "FAV 4", "FAV 5", "FAV 6", "FAV 7", "FAV 8"}));
    EXPECT_EQ(checked, "01010000");
    dlg->apFavChecks[1]->setChecked(false);
    dlg->apFavChecks[7]->setChecked(true);
    dlg->OnOK();
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->Record().usFavBits, 0x0088);
}

TEST_F(ChannelDialogsTest, ServiceIdFollowsTheHighestOfTheTransponder)
{
    for (uint16_t id : {1, 2, 7})
        AppendChannel(*db, id == 7, MakeChannel("x", 8, id));
    AppendChannel(*db, false, MakeChannel("other tp", 7, 50));
    auto dlg = Open(Channel());
    dlg->OnOK();
    EXPECT_EQ(dlg->Record().usServiceId, 8);

    AppendChannel(*db, false, MakeChannel("top", 8, 65535));
    auto full = Open(Channel());
    full->OnOK();
    EXPECT_EQ(full->Record().usServiceId, 3); // past 65535: the lowest free id
}

TEST_F(ChannelDialogsTest, BadFieldsKeepTheDialogOpen)
{
    struct Case {
        QLineEdit* CChannelParamDlg::*field;
        QString text;
        QString message;
        QString label;
        void (CChannelParamDlg::*submit)() = &CChannelParamDlg::OnOK;
    };
    const Case cases[] = {
        {&CChannelParamDlg::pNameEdit, "123456789012345678901", "Please enter no more than 20 characters.", "Name"},
        {&CChannelParamDlg::pVideoPidEdit, "0", kPidRange, "Video PID"},
        {&CChannelParamDlg::pVideoPidEdit, "8192", kPidRange, "Video PID"},
        {&CChannelParamDlg::pPcrPidEdit, "", "Please enter an integer.", "PCR PID"},
        {&CChannelParamDlg::pPcrPidEdit, "12a", "Please enter an integer.", "PCR PID"},
        {&CChannelParamDlg::pTxtPidEdit, "-1", kPidRange, "TXT PID"},
        {&CChannelParamDlg::pTxtPidEdit, "99999999999", "Please enter an integer.", "TXT PID"},
        {&CChannelParamDlg::pNameEdit, QString::fromUtf8("Canal \u0218"),
         QString::fromUtf8(
             "The receiver cannot store these characters: \"\u0218\" (U+0218)\nPlease use other characters."),
         "Name"},
        // Ticking FAV1 reads the fields too.
        {&CChannelParamDlg::pPcrPidEdit, "0", kPidRange, "PCR PID", &CChannelParamDlg::OnFavClicked},
    };
    for (const Case& c : cases) {
        ScriptedPrompts local;
        auto dlg = std::make_unique<CChannelParamDlg>(*db, local, ChannelDialogInput{Channel(), 1, 0, true});
        (dlg.get()->*c.field)->setText(c.text);
        local.QueueAnswer(MsgAnswer::Ok);
        dlg->setResult(kStillOpen);
        (dlg.get()->*c.submit)();
        EXPECT_EQ(dlg->result(), kStillOpen) << c.text.toStdString();
        EXPECT_EQ(local.Messages(), std::vector<ShownMessage>({FieldMessage(c.message, c.label)}));
    }
}

TEST_F(ChannelDialogsTest, TypingGoesWhereTheUserExpects)
{
    // Enter in a field presses OK, never another button. A stored channel's
    // dialog, and a new channel's with a name typed, pass their own checks.
    struct Case {
        ChannelRecord record;
        int mode;
        const char* pName; // typed first, or null
    };
    const Case cases[] = {
        {Channel(), 0, nullptr}, {MakeChannelTemplate(8, false), 0, "New"}, {MakeChannelTemplate(8, true), 1, "New"}};
    for (const Case& c : cases) {
        auto dlg = Open(c.record, c.mode);
        if (c.pName)
            dlg->pNameEdit->setText(c.pName);
        dlg->show();
        QTest::keyClick(dlg->pNameEdit, Qt::Key_Return);
        EXPECT_TRUE(asked.empty());
        EXPECT_EQ(dlg->result(), QDialog::Accepted) << c.mode << (c.pName != nullptr);
    }

    // The PID fields take digits only.
    auto typed = Open(Channel());
    typed->pPcrPidEdit->clear();
    QTest::keyClicks(typed->pPcrPidEdit, "1a2-3 ");
    EXPECT_EQ(typed->pPcrPidEdit->text(), "123");

    // What is typed into Audio Parameters replaces the PID it shows.
    CAudioParamDlg audio(prompts, {1, 0, false});
    audio.show();
    QTest::keyClicks(audio.pPidEdit, "101");
    audio.OnOK();
    EXPECT_EQ(audio.Params().iPid, 101);
}

TEST_F(ChannelDialogsTest, TypedOrMissingChoicesKeepTheDialogOpenWithWhatWasTyped)
{
    struct Case {
        void (*prepare)(CChannelParamDlg&);
        QString message;
        QString field; // the detail of the message
    };
    // Typed text counts as no choice, even another entry's text.
    const QString noTp = "Do not find the transponder", noSat = "Do not select right sat or type";
    const Case cases[] = {
        {[](CChannelParamDlg& d) { d.pTransponderBox->setEditText("typed"); }, noTp, "Field: Transponder"},
        {[](CChannelParamDlg& d) { d.pTransponderBox->setEditText("11034/VER/27500/3/4"); }, noTp,
         "Field: Transponder"},
        {[](CChannelParamDlg& d) {
             d.pSatelliteBox->setCurrentIndex(0);
             d.pSatelliteBox->setEditText("?");
         },
         noSat, "Field: Satellite Name"},
        {[](CChannelParamDlg& d) {
             d.pSatelliteBox->setEditText("4-Cable");
             emit d.pSatelliteBox->lineEdit()->editingFinished(); // the box loses the focus to OK
         },
         noSat, "Field: Satellite Name"},
    };
    for (const Case& c : cases) {
        ScriptedPrompts local;
        CChannelParamDlg dlg(*db, local, ChannelDialogInput{Channel(), 1, 0, true});
        dlg.pNameEdit->setText("Typed name");
        c.prepare(dlg);
        const QString typed[] = {dlg.pSatelliteBox->currentText(), dlg.pTransponderBox->currentText()};
        local.QueueAnswer(MsgAnswer::Ok);
        dlg.setResult(kStillOpen);
        dlg.OnOK();
        EXPECT_EQ(dlg.result(), kStillOpen);
        EXPECT_EQ(local.Messages(),
                  std::vector<ShownMessage>({{c.message, "Error", MsgButtons::Ok, MsgIcon::Stop, c.field}}));
        EXPECT_EQ(dlg.pNameEdit->text(), "Typed name");
        EXPECT_EQ(dlg.pSatelliteBox->currentText(), typed[0]);
        EXPECT_EQ(dlg.pTransponderBox->currentText(), typed[1]);
        // A committed choice then ends the dialog with everything typed.
        dlg.pSatelliteBox->setCurrentIndex(3);
        dlg.OnOK();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(FieldText(dlg.Record().acName), "Typed name");
        EXPECT_EQ(dlg.Record().usTpId, 20);
        EXPECT_EQ(ChDelivery(dlg.Record()), kChCable);
    }
    // A satellite without transponders leaves the box empty.
    db->header.sSatNumber = 3;
    auto dlg = Open(Channel());
    dlg->pSatelliteBox->setCurrentIndex(2);
    EXPECT_EQ(dlg->pTransponderBox->count(), 0);
    prompts.QueueAnswer(MsgAnswer::Ok);
    dlg->OnOK();
    EXPECT_EQ(prompts.Messages().back().strText, "Do not find the transponder");
}

TEST_F(ChannelDialogsTest, AudioButtons)
{
    auto dlg = Open(Channel());
    const ShownMessage selectFirst{"Please select item first", "EditZarn", MsgButtons::Ok, MsgIcon::None};
    prompts.QueueAnswer(MsgAnswer::Ok);
    prompts.QueueAnswer(MsgAnswer::Ok);
    dlg->OnAudioEdit();
    dlg->OnAudioDel();
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>({selectFirst, selectFirst}));

    answers = {{500, 18, true}};
    dlg->OnAudioAdd(); // opens on PID 1, language 0, not default
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].iPid, 1);
    EXPECT_FALSE(asked[0].bDefault);
    EXPECT_EQ(Items(dlg->pAudioList), QStringList({"1  404  German", "2  405  French", "3  500  English Default"}));

    dlg->pAudioList->setCurrentRow(1);
    answers = {{406, 61, false}}; // unticking Default never moves the default
    dlg->OnAudioEdit();
    EXPECT_EQ(asked[1].iPid, 405);
    EXPECT_FALSE(asked[1].bDefault);
    EXPECT_EQ(dlg->pAudioList->item(1)->text(), "2  406  Kongo");
    EXPECT_EQ(dlg->iDefaultAudio, 2);

    dlg->pAudioList->setCurrentRow(0); // a track before the default goes: the default stays on its track
    dlg->OnAudioDel();
    EXPECT_EQ(Items(dlg->pAudioList), QStringList({"1  406  Kongo", "2  500  English Default"}));
    dlg->pAudioList->setCurrentRow(1); // the default, last: track 0 becomes the default
    dlg->OnAudioDel();
    EXPECT_EQ(Items(dlg->pAudioList), QStringList({"1  406  Kongo Default"}));

    while (dlg->aAudioTracks.size() < 32)
        dlg->aAudioTracks.push_back({1, 0});
    const size_t shown = prompts.Messages().size();
    prompts.QueueAnswer(MsgAnswer::Ok);
    dlg->OnAudioAdd();
    ASSERT_EQ(prompts.Messages().size(), shown + 1);
    EXPECT_EQ(prompts.Messages().back(),
              (ShownMessage{"Audio Languages are full", "EditZarn", MsgButtons::Ok, MsgIcon::None}));
    dlg->OnOK();
    EXPECT_EQ(dlg->Record().ucAudioNum, 32);
    EXPECT_EQ(AudioPid(dlg->Record().AudioEntries[0]), 406u);
    EXPECT_EQ(AudioLanguage(dlg->Record().AudioEntries[0]), 61u);
}

TEST_F(ChannelDialogsTest, OddStoredValuesOpenSafely)
{
    ChannelRecord c = Channel();
    c.ucAudioNum = 200;     // more tracks than a record holds
    SetChAudioIndex(c, 40); // no such track
    SetAudioLanguage(c.AudioEntries[0], 250);
    auto dlg = Open(c);
    EXPECT_EQ(dlg->aAudioTracks.size(), 32u);
    EXPECT_EQ(dlg->pAudioList->item(0)->text(), "1  404  ");
    dlg->OnOK();
    EXPECT_EQ(ChAudioIndex(dlg->Record()), 0u);
    EXPECT_EQ(dlg->Record().ucAudioNum, 32);
}

TEST_F(ChannelDialogsTest, AudioParameters)
{
    struct Case {
        QString pid;
        int language; // -1: type a text that names no language
        bool bDefault;
        QString message; // empty: accepted
    };
    const Case cases[] = {
        {"8191", 60, true, {}},
        {"1", -1, false, {}},
        {"0", 3, false, kPidRange},
        {"8192", 3, false, kPidRange},
        {"x", 3, false, "Please enter an integer."},
    };
    for (const Case& c : cases) {
        ScriptedPrompts local;
        CAudioParamDlg dlg(local, {5, 9, false});
        EXPECT_EQ(dlg.windowTitle(), "Audio Parameters");
        EXPECT_EQ(dlg.pLanguageBox->count(), 61);
        EXPECT_EQ(dlg.pLanguageBox->currentIndex(), 9);
        dlg.pPidEdit->setText(c.pid);
        if (c.language < 0)
            dlg.pLanguageBox->setEditText("Klingon");
        else
            dlg.pLanguageBox->setCurrentIndex(c.language);
        dlg.pDefaultCheck->setChecked(c.bDefault);
        dlg.setResult(kStillOpen);
        if (!c.message.isEmpty())
            local.QueueAnswer(MsgAnswer::Ok);
        dlg.OnOK();
        if (c.message.isEmpty()) {
            EXPECT_EQ(dlg.result(), QDialog::Accepted);
            EXPECT_EQ(dlg.Params().iPid, c.pid.toInt());
            EXPECT_EQ(dlg.Params().iLanguage, c.language < 0 ? 9 : c.language);
            EXPECT_EQ(dlg.Params().bDefault, c.bDefault);
        } else {
            EXPECT_EQ(dlg.result(), kStillOpen);
            EXPECT_EQ(local.Messages(), std::vector<ShownMessage>({FieldMessage(c.message, "Audio PID")}));
        }
    }
    CAudioParamDlg kongo(prompts, {5, 61, true}); // not offered: no entry chosen, the value kept
    EXPECT_EQ(kongo.pLanguageBox->currentIndex(), -1);
    EXPECT_TRUE(kongo.pDefaultCheck->isChecked());
    kongo.OnOK();
    EXPECT_EQ(kongo.Params().iLanguage, 61);
}

TEST_F(ChannelDialogsTest, MoveDialog)
{
    CMoveDlg dlg(prompts, 7, 1);
    EXPECT_EQ(dlg.windowTitle(), "Move");
    EXPECT_EQ(dlg.pFromEdit->text(), "7");
    EXPECT_FALSE(dlg.pFromEdit->isEnabled());
    EXPECT_EQ(dlg.pToEdit->text(), "1");
    dlg.pToEdit->setText("3x");
    prompts.QueueAnswer(MsgAnswer::Ok);
    dlg.setResult(kStillOpen);
    dlg.OnOK();
    EXPECT_EQ(dlg.result(), kStillOpen);
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>({FieldMessage("Please enter an integer.", "To")}));
    dlg.pToEdit->setText("-40"); // no range check here
    dlg.OnOK();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.To(), -40);
}

} // namespace

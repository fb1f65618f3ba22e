#include <gtest/gtest.h>

#include "DataExchange.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>

namespace {

class DataExchangeTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    DataExchangeTest()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(pOther);
        layout->addWidget(pField);
        window.show();
        pOther->setFocus();
    }

    QWidget window;
    QLineEdit* pOther = new QLineEdit;
    QLineEdit* pField = new QLineEdit;
    ScriptedPrompts prompts;
};

// A read that either succeeds (true) or fails; the message it raises, if any.
struct ReadCase {
    const char* pName;
    std::function<bool(IPrompts&, QLineEdit*)> read;
    QString strText;
    QString strMessage;
};

TEST_F(DataExchangeTest, EachFailureShowsItsStandardMessageAndFocusesTheField)
{
    const QString longText(21, QLatin1Char('x'));
    const ReadCase cases[] = {
        {"int", [](IPrompts& p, QLineEdit* e) { return ReadInt(p, e) == -12; }, " -12 ", {}},
        {"int garbage", [](IPrompts& p, QLineEdit* e) { return ReadInt(p, e).has_value(); }, "12x",
         "Please enter an integer."},
        {"int empty", [](IPrompts& p, QLineEdit* e) { return ReadInt(p, e).has_value(); }, "",
         "Please enter an integer."},
        {"int range ok", [](IPrompts& p, QLineEdit* e) { return ReadIntInRange(p, e, 1, 8191) == 8191; }, "8191", {}},
        {"int below", [](IPrompts& p, QLineEdit* e) { return ReadIntInRange(p, e, 1, 8191).has_value(); }, "0",
         "Please enter an integer between 1 and 8191."},
        {"int above", [](IPrompts& p, QLineEdit* e) { return ReadIntInRange(p, e, -5, 5).has_value(); }, "6",
         "Please enter an integer between -5 and 5."},
        {"int range garbage", [](IPrompts& p, QLineEdit* e) { return ReadIntInRange(p, e, 1, 8191).has_value(); }, "x",
         "Please enter an integer."},
        {"number", [](IPrompts& p, QLineEdit* e) { return ReadNumber(p, e) == 13.5; }, "13.5", {}},
        {"number garbage", [](IPrompts& p, QLineEdit* e) { return ReadNumber(p, e).has_value(); }, "13,5",
         "Please enter a number."},
        {"number range ok",
         [](IPrompts& p, QLineEdit* e) { return ReadNumberInRange(p, e, 0, 180) == 180.0; },
         "180",
         {}},
        {"number above", [](IPrompts& p, QLineEdit* e) { return ReadNumberInRange(p, e, 0, 180).has_value(); },
         "180.5", "Please enter a number between 0 and 180."},
        {"number below", [](IPrompts& p, QLineEdit* e) { return ReadNumberInRange(p, e, -0.5, 2.5).has_value(); },
         "-1", "Please enter a number between -0.5 and 2.5."},
        {"number range garbage", [](IPrompts& p, QLineEdit* e) { return ReadNumberInRange(p, e, 0, 180).has_value(); },
         "abc", "Please enter a number."},
        {"text ok",
         [](IPrompts& p, QLineEdit* e) { return ReadText(p, e, 21) == QString(21, QLatin1Char('x')); },
         longText,
         {}},
        {"text long", [](IPrompts& p, QLineEdit* e) { return ReadText(p, e, 20).has_value(); }, longText,
         "Please enter no more than 20 characters."},
        {"record text Latin-1",
         [](IPrompts& p, QLineEdit* e) { return ReadRecordText(p, e, 20).has_value(); },
         QString::fromUtf8("Zw\u00f6lf \u00ff\u00b0"),
         {}},
        {"record text beyond Latin-1", [](IPrompts& p, QLineEdit* e) { return ReadRecordText(p, e, 20).has_value(); },
         QString::fromUtf8("\u20ac 1 \u0151\u20ac\U0001F4FA"),
         QString::fromUtf8("The receiver cannot store these characters: \"\u20ac\" (U+20AC), \"\u0151\" (U+0151), "
                           "\"\U0001F4FA\" (U+1F4FA)\nPlease use other characters.")},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.pName);
        ScriptedPrompts casePrompts;
        const bool failing = !c.strMessage.isEmpty();
        if (failing)
            casePrompts.QueueAnswer(MsgAnswer::Ok);
        pOther->setFocus();
        pField->setText(c.strText);
        EXPECT_EQ(c.read(casePrompts, pField), !failing);
        if (failing) {
            EXPECT_EQ(casePrompts.Messages(),
                      (std::vector<ShownMessage>{{c.strMessage, "EditZarn", MsgButtons::Ok, MsgIcon::Warning}}));
            EXPECT_EQ(window.focusWidget(), pField);
        } else {
            EXPECT_TRUE(casePrompts.Messages().empty());
            EXPECT_EQ(window.focusWidget(), pOther);
        }
        EXPECT_EQ(pField->text(), c.strText);
    }
}

TEST_F(DataExchangeTest, TypingLimitStopsGrowthButKeepsALongerStoredText)
{
    LimitTyping(pField, 5);
    pField->setText("abcdefgh");
    EXPECT_EQ(pField->text(), "abcdefgh");
    pField->end(false);
    QTest::keyClicks(pField, "x");
    EXPECT_EQ(pField->text(), "abcdefgh");
    QTest::keyClick(pField, Qt::Key_Backspace);
    EXPECT_EQ(pField->text(), "abcdefg");

    prompts.QueueAnswer(MsgAnswer::Ok);
    EXPECT_EQ(ReadText(prompts, pField, 5), std::nullopt);
    EXPECT_EQ(prompts.Messages().at(0).strText, "Please enter no more than 5 characters.");

    pField->clear();
    QTest::keyClicks(pField, "123456789");
    EXPECT_EQ(pField->text(), "12345");
}

} // namespace

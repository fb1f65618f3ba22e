// The translations: the window as a German user sees it, the choice of
// language, and every entry of the translation files against its source.
#include <gtest/gtest.h>

#include "CChannelPane.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "CLeftView.h"
#include "CommandIds.h"
#include "DataExchange.h"
#include "ListPrintLayout.h"
#include "CReferenceDlg.h"
#include "MainWindowFixture.h"
#include "Translations.h"
#include "TreeLabels.h"

#include <QDir>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

void RemoveTranslators()
{
    for (QTranslator* pTranslator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(pTranslator);
        delete pTranslator;
    }
}

QString QtYesButtonText()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

class GermanWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        EnsureApplication();
        InstallTranslators(*qApp, QLocale(QLocale::German, QLocale::Germany));
        MainWindowFixture::SetUp();
    }
    void TearDown() override { RemoveTranslators(); }
};

TEST_F(GermanWindowTest, MenusToolbarTreeListAndMessagesAreGerman)
{
    QStringList menus;
    for (const QAction* pMenu : frame->menuBar()->actions())
        menus << pMenu->text();
    EXPECT_EQ(menus, QStringList({"&Datei", "&Bearbeiten", "&Ansicht", "E&xtras", "&Hilfe"}));
    EXPECT_EQ(frame->Action(ID_FILE_OPEN)->text(), "Ö&ffnen...");
    EXPECT_EQ(frame->Action(ID_FILE_NEW)->statusTip(), "Ein neues Dokument erstellen");
    EXPECT_EQ(frame->Action(ID_CHANNEL_DELETE)->iconText(), "Löschen");
    EXPECT_EQ(frame->LeftView()->Root(kRootAllServices)->text(0), "Alle Programme");
    EXPECT_EQ(frame->ListView()->model()->headerData(kColumnProgramType, Qt::Horizontal).toString(), "Programmtyp");
    EXPECT_EQ(QString(kMsgSaveChanges), "Sollen die geänderten Daten gespeichert werden?");
    EXPECT_EQ(kMsgEnterIntegerBetween.arg(1).arg(8191), "Bitte eine ganze Zahl zwischen 1 und 8191 eingeben.");
    EXPECT_EQ(kPageText.arg(2), "SEITE 2");
    // Qt's own texts, from Qt's German translation.
    EXPECT_EQ(QtYesButtonText(), "&Ja");
}

// A toolbar label is a word of the menu item its button runs (letters only,
// "AZ" of "A--->Z"), and Print Preview's window is named as its menu item.
TEST_F(GermanWindowTest, ToolbarAndPreviewUseTheWordsOfTheirMenuItems)
{
    const auto letters = [](QString text) { return text.remove(QRegularExpression("[^\\p{L}]")).toLower(); };
    for (QAction* pAction : frame->findChild<QToolBar*>("toolbar")->actions())
        EXPECT_TRUE(letters(pAction->text()).contains(letters(pAction->iconText()))) << pAction->text().toStdString();
    EXPECT_EQ(frame->Action(ID_FILE_PRINT_PREVIEW)->text().remove('&'),
              QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"));
}

// Texts put together while the program runs: the filter's count, the step
// names of Edit > Undo and the reference list's summary.
TEST_F(GermanWindowTest, FilterCountUndoStepAndReferenceSummaryAreGerman)
{
    OpenDemoDatabase();
    frame->LeftView()->setCurrentItem(frame->LeftView()->Root(kRootChannelList));
    auto* pPane = qobject_cast<CChannelPane*>(frame->ListView()->parentWidget());
    ASSERT_NE(pPane, nullptr);
    QString count;
    QObject::connect(pPane, &CChannelPane::CountTextChanged, [&](const QString& text) { count = text; });
    EXPECT_EQ(pPane->FilterBox()->placeholderText(), "Nach Name filtern");
    pPane->LockedOnly()->setChecked(true);
    EXPECT_TRUE(QRegularExpression("^\\d+ von \\d+ Kanälen$").match(count).hasMatch()) << count.toStdString();

    app->Document().ApplyEdit(kActionDeleteChannels.arg(3), [](Database& db) {
        db.header.sTVNumber = int16_t(db.header.sTVNumber - 3);
        return true;
    });
    frame->UpdateCommandUI();
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(), "Rückgängig: 3 Kanäle löschen");

    ReferenceSummary summary;
    summary.aTables[1] = {.iByIdentity = 412, .iFavLeftOut = 7};
    summary.aTables[1].aByName.resize(3);
    summary.aTables[1].aUnmatched.resize(50);
    const CReferenceDlg dialog("/lists/arranged.csv", summary);
    EXPECT_EQ(dialog.pSummary->text().split('\n').value(2),
              "Radio: 412 nach Kennung, 3 nach Name, 50 ohne Partner (ans Ende gestellt), 0 Referenzkanäle nicht "
              "gefunden, 7 Favoriteneinträge ausgelassen");
}

// A reference list the reader refuses: the reason is German too.
TEST_F(GermanWindowTest, ARefusedReferenceListSaysWhyInGerman)
{
    OpenDemoDatabase();
    QFile sheet(dir.filePath("sheet.csv"));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly) && sheet.write("Liste;Empfang\r\n") > 0);
    sheet.close();
    prompts.QueueFile(dir.filePath("sheet.csv"));
    prompts.QueueAnswer(MsgAnswer::Ok);
    frame->Action(ID_FILE_APPLY_REFERENCE)->trigger();
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_TRUE(prompts.Messages()[0].strInformative.startsWith("Zeile 1: die erste Zeile ist nicht die Kopfzeile"));
}

// The first of the locale's languages decides; English is the source
// language, and Qt's texts are translated only along with the editor's own,
// so a window is never half in one language and half in another.
TEST(TranslationChoiceTest, OnlyALanguageTheEditorIsTranslatedIntoIsInstalled)
{
    EnsureApplication();
    const struct {
        QLocale locale;
        QString saveChanges;
        QString yes;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "Do you want to save changed data ?", "&Yes"},
        {QLocale(QLocale::German, QLocale::Austria), "Sollen die geänderten Daten gespeichert werden?", "&Ja"},
        {QLocale(QLocale::French, QLocale::France), "Do you want to save changed data ?", "&Yes"},
    };
    for (const auto& c : cases) {
        InstallTranslators(*qApp, c.locale);
        EXPECT_EQ(QString(kMsgSaveChanges), c.saveChanges) << c.locale.name().toStdString();
        EXPECT_EQ(QtYesButtonText(), c.yes) << c.locale.name().toStdString();
        RemoveTranslators();
    }
}

struct Entry {
    QString strContext, strSource, strTranslation;
};

std::vector<Entry> ReadEntries(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            entries.push_back({context, xml.readElementText(), {}});
        else if (xml.name() == u"translation" && !entries.empty())
            entries.back().strTranslation = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

// What a translation must keep of its source for the code that uses it: the
// arguments it fills in, one accelerator where the source has one, the line
// breaks that split prompt from label, the blanks at either end, and the
// patterns of a file-dialog filter.
QStringList Shape(const QString& text)
{
    static const QRegularExpression argument(QStringLiteral("%\\d+"));
    static const QRegularExpression accelerator(QStringLiteral("&[^& ]"));
    static const QRegularExpression lead(QStringLiteral("^\\s*"));
    static const QRegularExpression trail(QStringLiteral("\\s*$"));
    QStringList args;
    for (const QRegularExpressionMatch& match : argument.globalMatch(text))
        args << match.captured();
    args.sort();
    QStringList shape = {args.join(' '), QString::number(text.count(accelerator)), QString::number(text.count('\n')),
                         lead.match(text).captured(), trail.match(text).captured()};
    if (text.endsWith("||")) {
        const QStringList fields = text.split('|');
        for (qsizetype i = 1; i < fields.size(); i += 2)
            shape << fields[i];
    }
    return shape;
}

TEST(TranslationFilesTest, EveryEntryIsTranslatedAndKeepsWhatTheCodeNeeds)
{
    const QDir dir(QStringLiteral(EDITZARN_SOURCE_DIR "/translations"));
    const QStringList files = dir.entryList({"*.ts"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const std::vector<Entry> entries = ReadEntries(dir.filePath(name));
        EXPECT_FALSE(entries.empty()) << name.toStdString();
        for (const Entry& e : entries) {
            const std::string where = (name + ": " + e.strContext + " \"" + e.strSource + "\"").toStdString();
            EXPECT_FALSE(e.strTranslation.isEmpty()) << where;
            EXPECT_EQ(Shape(e.strTranslation), Shape(e.strSource)) << where;
        }
    }
}

} // namespace

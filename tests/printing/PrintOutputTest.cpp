// Printing through Qt: the print commands with scripted dialogs, the inputs
// read from the panes, the PDF that sdxtool prints, and the main window's
// print commands for the active pane.
#include "CEditZarnApp.h"
#include "CEditZarnDoc.h"
#include "CMainFrame.h"
#include "ChannelCells.h"
#include "CommandIds.h"
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "PanePrinter.h"
#include "ScriptedPrompts.h"
#include "TreeLabels.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "TestApplication.h"
#include "ToolRun.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The text of a PDF, one entry per page, each line with its runs of blanks
// made single and the ends trimmed; empty lines dropped.
std::vector<QStringList> PdfPages(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    std::vector<QStringList> pages;
    for (const QString& page : QString::fromUtf8(process.readAllStandardOutput()).split('\f')) {
        QStringList lines;
        for (const QString& line : page.split('\n'))
            if (const QString simple = line.simplified(); !simple.isEmpty())
                lines << simple;
        if (!lines.isEmpty())
            pages.push_back(lines);
    }
    return pages;
}

bool HavePdfToText() { return !QStandardPaths::findExecutable("pdftotext").isEmpty(); }

// Dialogs that answer as queued: the print dialog prints to a PDF file,
// optionally a page range; the preview draws its pages into a PDF file.
class ScriptedPrintDialogs : public IPrintDialogs {
public:
    explicit ScriptedPrintDialogs(QString pdf) : strPdf(std::move(pdf)) {}

    bool RunPrintDialog(QPrinter& printer, int pageCount) override
    {
        aPrintDialogPages.push_back(pageCount);
        ToPdf(printer);
        if (range.first > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(range.first, range.second);
        }
        return bAccept;
    }
    void RunPreview(QPrinter& printer, int sidePages, const std::function<void(QPrinter&)>& paint,
                    const std::function<void(QPrinter&)>& print) override
    {
        aPreviewSidePages.push_back(sidePages);
        ToPdf(printer);
        (bPrintFromPreview ? print : paint)(printer);
    }
    void RunPageSetup(QPrinter& printer) override
    {
        ++iPageSetups;
        printer.setPageSize(QPageSize(QPageSize::A5));
    }

    bool bAccept = true;
    bool bPrintFromPreview = false; // the preview's Print button instead of its pages
    QString strPdf;
    std::pair<int, int> range{0, 0};
    std::vector<int> aPrintDialogPages, aPreviewSidePages;
    int iPageSetups = 0;

private:
    void ToPdf(QPrinter& printer) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(strPdf);
    }
};

class PrintOutputTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    ListPrintInput Channels(int count)
    {
        ListPrintInput input;
        input.titles = {"Index",     "Name",    "FTA/CAS", "Lock",         "Video PID",
                        "Audio PID", "PCR PID", "TXT PID", "Program Type", "My Fav"};
        for (int i = 1; i <= count; ++i)
            input.rows.push_back(
                {QString::number(i), QString("Channel %1").arg(i), "FTA", "Unlock", "1", "2", "3", "4", "S2", "Yes"});
        return input;
    }

    QTemporaryDir dir;
};

TEST_F(PrintOutputTest, PrintAsksWithThePageCountAndPrintsTheChosenRange)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString pdf = dir.filePath("out.pdf");
    auto* pDialogs = new ScriptedPrintDialogs(pdf);
    PanePrinter printer{std::unique_ptr<IPrintDialogs>(pDialogs)};
    ListPrintout printout(Channels(300));
    pDialogs->range = {2, 3};
    ASSERT_TRUE(printer.Print(printout));
    ASSERT_EQ(pDialogs->aPrintDialogPages.size(), 1u);
    const int pages = pDialogs->aPrintDialogPages[0];
    EXPECT_GE(pages, 3);
    const auto text = PdfPages(pdf);
    ASSERT_EQ(text.size(), 2u);
    EXPECT_TRUE(text[0].join(' ').startsWith("Q.N. PAGE 2 |Index|"));
    EXPECT_TRUE(text[1].join(' ').startsWith("Q.N. PAGE 3 |Index|"));

    // Cancelled: nothing printed.
    QFile::remove(pdf);
    pDialogs->bAccept = false;
    EXPECT_FALSE(printer.Print(printout));
    EXPECT_FALSE(QFile::exists(pdf));

    // The preview shows every page, two side by side, even after a range.
    printer.Preview(printout);
    EXPECT_EQ(pDialogs->aPreviewSidePages, std::vector<int>{2});
    EXPECT_EQ(int(PdfPages(pdf).size()), pages);
    TreePrintout tree(TreePrintInput{});
    printer.Preview(tree);
    EXPECT_EQ(pDialogs->aPreviewSidePages, (std::vector<int>{2, 1}));

    // Page set-up changes the printer the next job uses.
    printer.PrintSetup();
    EXPECT_EQ(pDialogs->iPageSetups, 1);
    EXPECT_EQ(printer.Printer().pageLayout().pageSize().id(), QPageSize::A5);
}

TEST_F(PrintOutputTest, UnwritableOutputIsReportedAsAFailure)
{
    ListPrintout printout(Channels(3));
    EXPECT_NE(QString(), PrintToPdf(printout, dir.filePath("no-folder/out.pdf")));
    EXPECT_EQ(QString(), PrintToPdf(printout, dir.filePath("out.pdf")));
}

TEST_F(PrintOutputTest, InputsComeFromTheModelAndTheTreeAsShown)
{
    QStandardItemModel model(2, 10);
    for (int c = 0; c < 10; ++c)
        model.setHeaderData(c, Qt::Horizontal, QString("T%1").arg(c));
    model.setItem(1, 1, new QStandardItem("Name B"));
    const ListPrintInput list = ListInputFromModel(model);
    EXPECT_EQ(list.titles[9], "T9");
    ASSERT_EQ(list.rows.size(), 2u);
    EXPECT_EQ(list.rows[1][1], "Name B");
    EXPECT_EQ(list.rows[0][1], "");

    QTreeWidget tree;
    QPixmap red(16, 16);
    red.fill(Qt::red);
    auto* pSat = new QTreeWidgetItem(&tree, {"Satellite"});
    pSat->setIcon(0, QIcon(red));
    auto* pSatA = new QTreeWidgetItem(pSat, {"| 1 | A |"});
    new QTreeWidgetItem(pSatA, {"1 | 11000 | HOR"});
    new QTreeWidgetItem(&tree, {"Cable"});
    pSat->setExpanded(true);
    tree.show();
    const TreePrintInput input = TreeInputFromWidget(tree);
    ASSERT_EQ(input.nodes.size(), 4u);
    EXPECT_EQ(input.nodes[0].image.pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(input.iIndent, tree.indentation());
    EXPECT_GT(input.iNodeHeight, 0);
    QStringList shown;
    for (int i : ShownNodes(input.nodes))
        shown << input.nodes[size_t(i)].strLabel;
    EXPECT_EQ(shown, (QStringList{"Satellite", "| 1 | A |", "Cable"}));
}

// sdxtool prints every channel once, in order, under the header of each page.
TEST_F(PrintOutputTest, SdxtoolPrintsEveryRowOnceInOrderWithTheHeaderOnEveryPage)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    auto pDb = std::make_unique<Database>();
    BuildDemoDatabase(*pDb, DemoSize::Typical);
    // A name longer than the others widens the Name column for every row.
    std::memcpy(pDb->TvChannelTable[7].acName, "A Rather Long Channel Name", 26);
    const QString sdx = dir.filePath("demo.sdx");
    ASSERT_EQ(SaveDatabaseFile(*pDb, sdx), FileSaveResult::Ok);
    // The rows as the file holds them.
    ASSERT_EQ(LoadDatabaseFile(*pDb, sdx), LoadResult::Ok);

    for (const bool radio : {false, true}) {
        const QString pdf = dir.filePath(radio ? "radio.pdf" : "tv.pdf");
        QStringList args{"print", sdx, pdf};
        if (radio)
            args << "--radio";
        const ToolRun run = RunTool(args);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        ListPrintInput expected;
        for (int c = 0; c < kListColumns; ++c)
            expected.titles[size_t(c)] = kChannelColumns[c].pTitle;
        const int count = radio ? pDb->header.sRadioNumber : pDb->header.sTVNumber;
        for (int i = 0; i < count; ++i) {
            ListRow row;
            for (int c = 0; c < kListColumns; ++c)
                row[size_t(c)] = QString::fromLatin1(FormatRowCell(*pDb, radio, RowFilter::All, i, i, c));
            expected.rows.push_back(row);
        }
        const auto widths = ListColumnWidths(expected);
        const QString header = ListHeaderLine(expected.titles, widths).simplified();

        const auto pages = PdfPages(pdf);
        ASSERT_GE(pages.size(), radio ? 2u : 4u);
        QStringList printed;
        for (size_t p = 0; p < pages.size(); ++p) {
            const QStringList& lines = pages[p];
            const qsizetype at = lines.indexOf(header);
            ASSERT_GE(at, 1) << "page " << p + 1;
            EXPECT_EQ(lines.mid(0, at).join(' '), QString("Q.N. PAGE %1").arg(p + 1));
            EXPECT_EQ(lines.count(header), 1) << "page " << p + 1;
            printed << lines.mid(at + 1);
        }
        QStringList rows;
        for (const ListRow& row : expected.rows)
            rows << ListRowLine(row, widths).simplified();
        ASSERT_EQ(printed.size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            ASSERT_EQ(printed[i], rows[i]) << "row " << i + 1;
    }
}

TEST_F(PrintOutputTest, SdxtoolPrintsTheExpandedTreeAndRefusesBadArguments)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    auto pDb = std::make_unique<Database>();
    BuildDemoDatabase(*pDb, DemoSize::Typical);
    const QString sdx = dir.filePath("demo.sdx");
    ASSERT_EQ(SaveDatabaseFile(*pDb, sdx), FileSaveResult::Ok);
    const QString pdf = dir.filePath("tree.pdf");
    ASSERT_EQ(RunTool({"print", sdx, pdf, "--tree"}).exitCode, 0);

    QStringList printed;
    const auto pages = PdfPages(pdf);
    const QRegularExpression titleLine("^(QRX)? ?(PAGE \\d+)?$");
    for (size_t p = 0; p < pages.size(); ++p) {
        QStringList lines = pages[p], title;
        while (!lines.isEmpty() && titleLine.match(lines.front()).hasMatch())
            title << lines.takeFirst();
        EXPECT_EQ(title.join(' '), QString("QRX PAGE %1").arg(p + 1));
        printed << lines;
    }
    QStringList labels;
    for (const TreeLine& line : TreeOutline(*pDb))
        labels << QString::fromLatin1(line.strLabel).simplified();
    EXPECT_EQ(printed, labels);

    const std::pair<QStringList, int> refused[] = {
        {{"print", sdx, pdf, "--wide"}, 1},
        {{"print", sdx}, 1},
        {{"print", dir.filePath("missing.sdx"), pdf}, 2},
        {{"print", sdx, dir.filePath("no-folder/out.pdf")}, 2},
    };
    for (const auto& [args, code] : refused) {
        EXPECT_EQ(RunTool(args).exitCode, code) << qPrintable(args.join(' '));
    }
}

// File Print and Print Preview print the pane that is active.
TEST_F(PrintOutputTest, MainWindowPrintsTheActivePane)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    ScriptedPrompts prompts;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    CEditZarnApp app(settings, &prompts);
    app.InitInstance();
    CMainFrame* pFrame = app.MainFrame();
    const QString pdf = dir.filePath("pane.pdf");
    auto* pDialogs = new ScriptedPrintDialogs(pdf);
    pFrame->Printer().SetDialogs(std::unique_ptr<IPrintDialogs>(pDialogs));

    ASSERT_EQ(pFrame->ActivePane(), Pane::Tree);
    pFrame->Action(ID_FILE_PRINT)->trigger();
    auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    for (const char* root : kRootTexts)
        EXPECT_TRUE(pages[0].contains(root)) << root;
    EXPECT_EQ(pDialogs->aPrintDialogPages, std::vector<int>{1});

    pFrame->Action(ID_NEXT_PANE)->trigger();
    ASSERT_EQ(pFrame->ActivePane(), Pane::List);
    pFrame->Action(ID_FILE_PRINT_PREVIEW)->trigger();
    EXPECT_EQ(pDialogs->aPreviewSidePages, std::vector<int>{2});
    pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].front().startsWith("Q.N.")); // the list has no rows: its header only
    EXPECT_TRUE(pages[0].back().startsWith("|Index|Name|FTA/CAS|"));

    pFrame->Action(ID_FILE_PRINT_SETUP)->trigger();
    EXPECT_EQ(pDialogs->iPageSetups, 1);

    // Print to File onto a read-only file, from the print dialog or the
    // preview: the file stays and the message says why.
    const QString kept = dir.filePath("kept.pdf");
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    file.close();
    ASSERT_TRUE(QFile::setPermissions(kept, QFileDevice::ReadOwner));
    pDialogs->strPdf = kept;
    pDialogs->bPrintFromPreview = true;
    for (const int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW}) {
        prompts.QueueAnswer(MsgAnswer::Ok);
        pFrame->Action(id)->trigger();
    }
    const ShownMessage refused{kMsgPdfNotWritten, "EditZarn", MsgButtons::Ok, MsgIcon::Stop, kept + " is read-only."};
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>(2, refused));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "kept");
}

} // namespace

// The page arithmetic of the printed channel list and tree, and the exact
// drawing of their pages on a recording canvas.
#include "ListPrintLayout.h"
#include "RecordingCanvas.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"
#include "TreePrintLayout.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QApplication>

#include <gtest/gtest.h>

namespace {

const ListRow kTitles = {"Index",     "Name",    "FTA/CAS", "Lock",         "Video PID",
                         "Audio PID", "PCR PID", "TXT PID", "Program Type", "My Fav"};

ListRow Row(const QString& index, const QString& name)
{
    return {index, name, "FTA", "Unlock", "101", "102", "103", "0", "S2", " "};
}

ListPrintInput ListOf(std::initializer_list<QString> names)
{
    ListPrintInput input{kTitles, {}};
    int n = 0;
    for (const QString& name : names)
        input.rows.push_back(Row(QString::number(++n), name));
    return input;
}

using Kind = RecordingCanvas::Kind;

TEST(ListPrintLayoutTest, NameWidthIsTheLongestNameRaisedToEvenOthersTitleOrLongestCell)
{
    struct Case {
        std::initializer_list<QString> names;
        int iNameWidth;
    };
    const Case cases[] = {
        {{}, 0}, {{"abc"}, 4}, {{"ab", "abcd"}, 4}, {{"abcde", "x"}, 6}, {{"Das Erste HD  "}, 14},
    };
    for (const Case& c : cases) {
        const auto widths = ListColumnWidths(ListOf(c.names));
        EXPECT_EQ(widths,
                  (std::array<int, kListColumns>{5, c.iNameWidth, 7, c.names.size() ? 6 : 4, 9, 9, 7, 7, 12, 6}));
    }
    // Cells longer than their titles widen their columns; "Lock" fits its title.
    ListPrintInput input = ListOf({"a"});
    input.rows[0] = {"123456", "a", "FTA", "Lock", "1234567890", "1", "1", "1", "ISDT", "Yes"};
    EXPECT_EQ(ListColumnWidths(input), (std::array<int, kListColumns>{6, 2, 7, 4, 10, 9, 7, 7, 12, 6}));
}

TEST(ListPrintLayoutTest, BodyFontSizeFollowsTheWidthSumWithinFourAndSixteenPoints)
{
    const std::pair<int, int> cases[] = {{86, 93},  {40, 160}, {250, 40}, {50, 160}, {51, 157},
                                         {200, 40}, {201, 40}, {0, 160},  {-3, 160}};
    for (const auto& [sum, tenths] : cases)
        EXPECT_EQ(BodyFontTenths(sum), tenths) << "sum " << sum;
    // Line height at 300 units an inch: 9.3 points is 38.75 units, rounded.
    EXPECT_EQ(CharHeight(93, 300), 39);
    EXPECT_EQ(CharHeight(160, 300), 67);
    EXPECT_EQ(CharHeight(40, 300), 17);
}

TEST(ListPrintLayoutTest, HeaderCentresTitlesAndLeavesNarrowNameBare)
{
    struct Case {
        std::initializer_list<QString> names;
        QString strHeader;
    };
    const QString rest = "|FTA/CAS| Lock |Video PID|Audio PID|PCR PID|TXT PID|Program Type|My Fav|";
    const Case cases[] = {
        {{"ab"}, "|Index|Name" + rest},
        {{"abcd"}, "|Index|Name" + rest},
        {{"abcde"}, "|Index| Name " + rest},
        {{"Channel 123"}, "|Index|    Name    " + rest},
    };
    for (const Case& c : cases) {
        const ListPrintInput input = ListOf(c.names);
        EXPECT_EQ(ListHeaderLine(input.titles, ListColumnWidths(input)), c.strHeader);
    }
}

TEST(ListPrintLayoutTest, RowCellsFillToWidthPlusOneAndLongCellsShiftTheLine)
{
    const std::array<int, kListColumns> widths = {5, 4, 7, 4, 9, 9, 7, 7, 12, 6};
    EXPECT_EQ(ListRowLine(Row("1", "ab"), widths),
              " 1     ab   FTA     Unlock101       102       103     0       S2           " + QString(7, ' '));
    // An index, a name and a lock text longer than their columns push the rest right.
    EXPECT_EQ(ListRowLine(Row("123456", "abcdefg"), widths),
              " 123456abcdefgFTA     Unlock101       102       103     0       S2           " + QString(7, ' '));
}

TEST(ListPrintLayoutTest, EveryRowIsOnExactlyOnePageInOrder)
{
    EXPECT_EQ(ListRowsPerPage(3308, 43), 71);
    EXPECT_EQ(ListRowsPerPage(300, 43), 1); // (100 / 43) - 1 = 1
    EXPECT_EQ(ListRowsPerPage(250, 43), 1); // would be 0
    EXPECT_EQ(ListRowsPerPage(100, 43), 1); // would be negative

    struct Case {
        int iItems, iRows, iPages, iLast;
    };
    const Case cases[] = {{0, 70, 1, 0},    {1, 70, 1, 1},       {70, 70, 1, 70}, {71, 70, 2, 1},
                          {140, 70, 2, 70}, {8000, 70, 115, 20}, {5, 1, 5, 1},    {3, 0, 3, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(PageCount(c.iItems, c.iRows), c.iPages) << c.iItems << " rows";
        EXPECT_EQ(RowsOnPage(c.iItems, c.iRows, c.iPages), c.iLast) << c.iItems << " rows";
        int total = 0;
        for (int p = 1; p <= c.iPages; ++p)
            total += RowsOnPage(c.iItems, c.iRows, p);
        EXPECT_EQ(total, c.iItems);
        EXPECT_EQ(RowsOnPage(c.iItems, c.iRows, c.iPages + 1), 0);
    }
}

// A page 2 inches wide and 1.2 inches high at 300 units: (360 - 200) / 49 - 1 = 2 rows a page.
TEST(ListPrintoutTest, DrawsTitleRulePageHeaderAndRowsAtTheirPlaces)
{
    ListPrintout printout(ListOf({"One", "Two", "Three"}));
    RecordingCanvas canvas(QSizeF(2, 1.2));
    const PrintFont initial = canvas.Font();
    ASSERT_EQ(printout.BeginPrinting(canvas), 2);
    EXPECT_EQ(printout.Layout().iBodyTenths, 8012 / 74);
    EXPECT_EQ(printout.Layout().iLineHeight, 49); // 108 tenths are 45 units, + 4
    EXPECT_EQ(printout.Layout().iRowsPerPage, 2);

    const PrintFont title{"Monotype Corsiva", FontHint::Cursive, 75};
    const PrintFont body{"Courier New", FontHint::FixedPitch, 45};
    const QString header = "|Index| Name |FTA/CAS| Lock |Video PID|Audio PID|PCR PID|TXT PID|Program Type|My Fav|";
    const auto widths = printout.Layout().aiWidth;
    struct Expected {
        Kind kind;
        double dX, dY;
        QString strText;
        PrintFont font;
    };
    const auto check = [&](int page, const std::vector<Expected>& expected) {
        canvas.items.clear();
        printout.PrintPage(canvas, page);
        ASSERT_EQ(canvas.items.size(), expected.size()) << "page " << page;
        for (size_t i = 0; i < expected.size(); ++i) {
            const RecordingCanvas::Item& item = canvas.items[i];
            EXPECT_EQ(item.kind, expected[i].kind) << i;
            EXPECT_EQ(item.dX, expected[i].dX) << i;
            EXPECT_EQ(item.dY, expected[i].dY) << i;
            EXPECT_EQ(item.strText, expected[i].strText) << i;
            EXPECT_EQ(item.font, expected[i].font) << i;
        }
        EXPECT_EQ(canvas.Font(), initial) << "the font before the page is selected back";
    };
    check(1, {{Kind::Text, 4, 4, "    Q.N.", title},
              {Kind::Line, 0, 114, {}, title},
              {Kind::Text, 600 - 280, 40, "PAGE 1", initial},
              {Kind::Text, 10, 146, header, body},
              {Kind::Text, 10, 160 + 49, ListRowLine(Row("1", "One"), widths), body},
              {Kind::Text, 10, 160 + 98, ListRowLine(Row("2", "Two"), widths), body}});
    EXPECT_EQ(canvas.items[1].dX2, 600);
    EXPECT_EQ(canvas.items[1].dY2, 114);
    check(2, {{Kind::Text, 4, 4, "    Q.N.", title},
              {Kind::Line, 0, 114, {}, title},
              {Kind::Text, 600 - 280, 40, "PAGE 2", initial},
              {Kind::Text, 10, 146, header, body},
              {Kind::Text, 10, 160 + 49, ListRowLine(Row("3", "Three"), widths), body}});
}

// Pre-order nodes from "depth:label" with "+" after a label for expanded.
std::vector<PrintNode> Nodes(std::initializer_list<const char*> outline)
{
    std::vector<PrintNode> nodes;
    for (const char* line : outline) {
        QString text = QString::fromLatin1(line);
        const bool expanded = text.endsWith('+');
        if (expanded)
            text.chop(1);
        nodes.push_back({text.section(':', 0, 0).toInt(), text.section(':', 1), {}, expanded});
    }
    return nodes;
}

QStringList Labels(const std::vector<PrintNode>& nodes, const std::vector<int>& indices)
{
    QStringList labels;
    for (int i : indices)
        labels << nodes[size_t(i)].strLabel;
    return labels;
}

TEST(TreePrintLayoutTest, WalkShowsEveryNodeUnderExpandedParentsInOrder)
{
    struct Case {
        std::vector<PrintNode> nodes;
        QStringList shown;
    };
    const Case cases[] = {
        {{}, {}},
        {Nodes({"0:A", "0:B"}), {"A", "B"}},
        // Collapsed branches hide everything below them.
        {Nodes({"0:A", "1:a1+", "2:x", "0:B"}), {"A", "B"}},
        // Climbing two levels after an expanded two-level branch reaches the
        // next top-level node.
        {Nodes({"0:Sat+", "1:S1+", "2:t1", "2:t2", "0:Cable", "0:FAV+", "1:MyFav"}),
         {"Sat", "S1", "t1", "t2", "Cable", "FAV", "MyFav"}},
        {Nodes({"0:R+", "1:a+", "2:b+", "3:c", "1:d", "0:E+"}), {"R", "a", "b", "c", "d", "E"}},
        // Expanded without children.
        {Nodes({"0:A+", "0:B+", "1:b"}), {"A", "B", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Labels(c.nodes, ShownNodes(c.nodes)), c.shown);
    EXPECT_EQ(NextShownNode(cases[3].nodes, -1), -1);
    EXPECT_EQ(NextShownNode(cases[3].nodes, 6), -1);
}

TEST(TreePrintLayoutTest, RowsPerPageAreAtLeastOne)
{
    const std::tuple<int, int, int> cases[] = {{3508, 18, 39}, {3300, 20, 32}, {3508, 80, 1}, {100, 18, 1}};
    for (const auto& [height, nodeHeight, rows] : cases)
        EXPECT_EQ(TreeRowsPerPage(height, nodeHeight), rows) << height << "/" << nodeHeight;
}

// A page 1 inch wide and 4 inches high at 300 units, nodes 10 high: 1200 / 10 / 4 - 9 = 21
// rows a page, drawn at 75 units an inch.
TEST(TreePrintoutTest, PagesStartWhereThePreviousEndedAndDrawIconAndLabel)
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    TreePrintInput input{10, 20, {}};
    for (int i = 0; i < 30; ++i)
        input.nodes.push_back({i == 0 ? 0 : 1, QString("node %1").arg(i), i == 2 ? QImage() : icon, i == 0});
    input.nodes.push_back({0, "last", icon, false});
    input.nodes.push_back({1, "hidden", icon, false});
    TreePrintout printout(input);
    RecordingCanvas canvas(QSizeF(1, 4));
    const PrintFont initial = canvas.Font();
    ASSERT_EQ(printout.BeginPrinting(canvas), 2);
    EXPECT_EQ(printout.RowsPerPage(), 21);
    EXPECT_EQ(printout.PageStarts(), (std::vector<int>{0, 21}));

    // A range that starts on page 2 prints the nodes after the first 21.
    printout.PrintPage(canvas, 2);
    const auto& items = canvas.items;
    ASSERT_EQ(items.size(), 3u + 2 * 10);
    const PrintFont title{"Monotype Corsiva", FontHint::Cursive, 64 * 300 / 720.0};
    const PrintFont text{"Tahoma", FontHint::SansSerif, 12, true, true};
    EXPECT_EQ(items[0].strText, "    QRX");
    EXPECT_EQ(items[0].font, title);
    EXPECT_EQ(std::pair(items[0].dX, items[0].dY), std::pair(0.0, 44.0));
    EXPECT_EQ(items[1].strText, "PAGE 2");
    EXPECT_EQ(items[1].font, text);
    EXPECT_EQ(std::pair(items[1].dX, items[1].dY), std::pair(75.0 - 64, 64.0));
    EXPECT_EQ(items[2].kind, Kind::Line);
    EXPECT_EQ(std::tuple(items[2].dX, items[2].dY, items[2].dX2, items[2].dY2), std::tuple(0.0, 84.0, 75.0, 84.0));
    // Node 21 (depth 1) is first: its icon 10 left of the label edge, its text 10 right.
    const int left1 = TreeLabelLeft(1, 20), left0 = TreeLabelLeft(0, 20);
    EXPECT_EQ(items[3].kind, Kind::Image);
    EXPECT_EQ(std::pair(items[3].dX, items[3].dY), std::pair(double(left1 - 10), 100.0));
    EXPECT_EQ(items[3].image, icon);
    EXPECT_EQ(items[4].strText, "node 21");
    EXPECT_EQ(std::pair(items[4].dX, items[4].dY), std::pair(double(left1 + 10), 100.0));
    EXPECT_EQ(items[4].font, text);
    EXPECT_EQ(items.back().strText, "last");
    EXPECT_EQ(std::pair(items.back().dX, items.back().dY), std::pair(double(left0 + 10), 100.0 + 10 * 9));
    EXPECT_EQ(canvas.Font(), (PrintFont{initial.strFamily, initial.hint, initial.dHeight / 4}));

    // Page 1: node 2 has no icon, so only its text.
    canvas.items.clear();
    printout.PrintPage(canvas, 1);
    EXPECT_EQ(canvas.items.size(), 3u + 2 * 21 - 1);
}

TEST(PrintFontTest, FixedPitchFontsResolveToFixedPitchEvenForProportionalFamilies)
{
    EnsureApplication();
    for (const char* family : {"Courier New", "DejaVu Sans", "No Such Family"}) {
        const QFont font = ResolvePrintFont({family, FontHint::FixedPitch, 10}, 9.3);
        const QFontMetricsF metrics(font);
        EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'))
            << family << " gave " << qPrintable(QFontInfo(font).family());
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.3);
    }
    EXPECT_TRUE(ResolvePrintFont({"Tahoma", FontHint::SansSerif, 12, true}, 8).bold());
}

// A cell height is the ascent and descent together; the em comes out smaller.
TEST(PrintFontTest, CellHeightFontsAreAsTallAsTheirCell)
{
    EnsureApplication();
    QImage surface(1, 1, QImage::Format_Mono); // 72 dpi: a pixel is a point
    surface.setDotsPerMeterX(2835);
    surface.setDotsPerMeterY(2835);
    for (const char* family : {"Tahoma", "DejaVu Sans", "Courier New"})
        for (const double cell : {12.0, 48.0}) {
            const QFont font = ResolvePrintFont({family, FontHint::SansSerif, 0, true, true}, cell);
            const QFontMetricsF metrics(font, &surface);
            EXPECT_NEAR(metrics.ascent() + metrics.descent(), cell, cell / 12) << family;
            EXPECT_LT(font.pointSizeF(), cell * 0.95) << family;
        }
}

} // namespace

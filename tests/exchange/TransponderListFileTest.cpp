// Reading transponder lists: the three kinds with what the reader keeps of
// them, and every kind of bad file refused with its line and reason.
#include "TransponderListFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TransponderListFileTest, ReadsTheThreeKinds)
{
    // Latin-1 as declared, entities decoded, unknown elements and attributes passed over.
    const QByteArray satellites =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
        "<!-- positions in tenths of a degree -->\n"
        "<satellites>\n"
        " <sat name=\"19.2E Astra &amp; M\xfcnchen\" flags=\"0\" position=\"192\">\n"
        "  <transponder frequency=\"11747000\" symbol_rate=\"27500000\" polarization=\"3\" "
        "fec_inner=\"4\" system=\"1\" modulation=\"2\" is_id=\"-1\"/>\n"
        "  <note><transponder frequency=\"1\"/></note>\n"
        "  <transponder frequency=\"10714000\" symbol_rate=\" 22000000 \" polarization=\"0\"/>\n"
        " </sat>\n"
        " <sat name=\"177.0W C-band NSS 9\" position=\"-1771\"/>\n"
        "</satellites>\n";
    ListError error;
    const auto list = ReadTransponderList(satellites, error);
    ASSERT_TRUE(list) << error.Text().toStdString();
    EXPECT_EQ(list->kind, TransponderListKind::Satellites);
    ASSERT_EQ(list->aEntries.size(), 2u);
    const ListEntry& astra = list->aEntries[0];
    EXPECT_EQ(astra.strName, "19.2E Astra & M\xc3\xbcnchen");
    EXPECT_EQ(std::tie(astra.strPosition, astra.iPosition), std::make_tuple(std::string("192"), int64_t(192)));
    ASSERT_EQ(astra.aTransponders.size(), 2u);
    const ListTransponder& first = astra.aTransponders[0];
    EXPECT_EQ(std::tie(first.iFrequency, first.iSymbolRate, first.iPolarisation, first.iFec),
              std::make_tuple(11747000, 27500000, 3, 4));
    EXPECT_EQ(astra.aTransponders[1].iFec, kListValueMissing);
    EXPECT_EQ(std::tie(list->aEntries[1].strPosition, list->aEntries[1].iPosition),
              std::make_tuple(std::string("-1771"), int64_t(-1771)));

    const auto cables = ReadTransponderList("<cables><cable name=\"Net\" countrycode=\"DEU\">"
                                            "<transponder frequency=\"346000\" symbol_rate=\"6900000\" "
                                            "modulation=\"3\" fec_inner=\"0\"/></cable></cables>",
                                            error);
    ASSERT_TRUE(cables);
    EXPECT_EQ(cables->kind, TransponderListKind::Cables);
    EXPECT_EQ(cables->aEntries.at(0).strCountry, "DEU");
    EXPECT_EQ(cables->aEntries[0].aTransponders.at(0).iModulation, 3);

    const auto terrestrial = ReadTransponderList("<locations><terrestrial name=\"Berlin\" flags=\"5\">"
                                                 "<transponder centre_frequency=\"474000000\" bandwidth=\"1\" "
                                                 "constellation=\"4\" system=\"0\"/></terrestrial></locations>",
                                                 error);
    ASSERT_TRUE(terrestrial);
    const ListTransponder& tp = terrestrial->aEntries.at(0).aTransponders.at(0);
    EXPECT_EQ(std::tie(tp.iFrequency, tp.iBandwidth, tp.iModulation), std::make_tuple(474000000, 1, 4));
}

TEST(TransponderListFileTest, BadFilesAreRefusedWithLineAndReason)
{
    struct Case {
        const char* pszText;
        int iLine;
        const char* pszReason;
    };
    const Case cases[] = {
        {"", 1, "the file is not correct XML: Premature end of document."},
        {"plain text", 1, "the file is not correct XML"},
        {"<satellites>\n<sat name=\"a\" position=\"1\">\n", 3, "Premature end of document."},
        {"<?xml version=\"1.0\"?>\n<sats/>", 2,
         "the root element <sats> is not <satellites>, <cables> or <locations>"},
        {"<satellites>\n<sat name=\"a\"/>", 2, "the attribute position is missing"},
        {"<satellites>\n<sat name=\"a\" position=\"19.2\"/>", 2, "the attribute position is not a whole number"},
        {"<satellites><sat name=\"a\" position=\"1\">\n<transponder frequency=\"1\" polarization=\"0\"/>", 2,
         "the attribute symbol_rate is missing"},
        {"<satellites><sat name=\"a\" position=\"1\">\n\n<transponder frequency=\"1\" symbol_rate=\"2\" "
         "polarization=\"0\" fec_inner=\"\"/>",
         3, "the attribute fec_inner is not a whole number"},
        {"<cables><cable countrycode=\"DEU\"/></cables>", 1, "the attribute name is missing"},
        {"<locations><terrestrial name=\"x\"><transponder bandwidth=\"0\"/></terrestrial></locations>", 1,
         "the attribute centre_frequency is missing"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE satellites [\n<!ENTITY big \"xxxxxxxx\">\n]>\n"
         "<satellites><sat name=\"&big;\" position=\"1\"/></satellites>",
         4, "the document type declares entities, which are not read"},
        {"<!DOCTYPE satellites SYSTEM \"http://example.org/list.dtd\">\n<satellites/>", 1,
         "the document type refers to a definition outside the file, which is not read"},
        {"<satellites><sat name=\"&nbsp;\" position=\"1\"/></satellites>", 1, "the file is not correct XML"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        ListError error;
        EXPECT_FALSE(ReadTransponderList(c.pszText, error));
        EXPECT_EQ(error.iLine, c.iLine);
        EXPECT_TRUE(error.Text().contains(QString::fromUtf8(c.pszReason))) << error.Text().toStdString();
    }
    // What cannot be read at all is no bad list (one too large is, see the outside files' test).
    QTemporaryDir dir;
    EXPECT_EQ(LoadTransponderList(dir.path()).result, LoadResult::CannotOpen);
    EXPECT_EQ(LoadTransponderList(dir.filePath("missing.xml")).result, LoadResult::CannotOpen);
}

} // namespace

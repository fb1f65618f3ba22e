// Every entry of the translation files against its source.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

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

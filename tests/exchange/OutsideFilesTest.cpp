// Pages, reference lists and transponder lists made by other programs: a
// file larger than 64 MiB is refused by its size without being read, UTF-16
// text as such, and neither refusal of a page or reference list names a line.
#include "BytesRead.h"
#include "DatabaseBuilders.h"
#include "ListingImport.h"
#include "ReferenceFile.h"
#include "TransponderListFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(OutsideFiles, WholeFileRefusalsSayWhyWithoutALine)
{
    QTemporaryDir dir;
    const auto importPage = [](const QString& path) {
        auto db = MakeEmptyDatabase();
        QString reason;
        ImportListingFile(*db, path, nullptr, &reason);
        return reason;
    };
    const auto loadReference = [](const QString& path) {
        const ReferenceLoad load = LoadReferenceFile(path);
        EXPECT_EQ(LoadResult::NotCorrect, load.result);
        EXPECT_EQ(0, load.csvError.iLine);
        return QString::fromStdString(load.csvError.strReason);
    };
    const auto loadList = [](const QString& path) {
        const ListLoad load = LoadTransponderList(path);
        EXPECT_EQ(LoadResult::NotCorrect, load.result);
        EXPECT_EQ(0, load.error.iLine);
        return load.error.Text();
    };
    const qint64 kOver = (qint64(64) << 20) + 1;
    const struct {
        const char* pName;
        QByteArray bytes;
        qint64 iSize; // sparse: nothing to read when refused by size
        std::function<QString(const QString&)> read;
        const char* pReason;
    } cases[] = {
        {"big at 1E.htm", "<td>", kOver, importPage, "larger than 64 MiB"},
        {"big.csv", "TV,", kOver, loadReference, "larger than 64 MiB"},
        {"satellites.xml", "<", kOver, loadList, "the file is larger than 64 MiB"},
        {"wide.csv", QByteArray("\xFF\xFET\0V\0", 6), 6, loadReference, "UTF-16 text: save it as UTF-8"},
        {"bare.csv", QByteArray("T\0V\0,\0", 6), 6, loadReference, "UTF-16 text: save it as UTF-8"},
    };
    for (const auto& c : cases) {
        QFile file(dir.filePath(c.pName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) > 0 && file.resize(c.iSize));
        file.close();
        const std::optional<int64_t> before = BytesRead();
        const QString reason = c.read(file.fileName());
        EXPECT_TRUE(reason.contains(c.pReason)) << c.pName << ": " << reason.toStdString();
        if (before) {
            EXPECT_LT(*BytesRead() - *before, 1 << 20) << c.pName;
        }
    }
}

} // namespace

// Pages and reference lists made by other programs: a file larger than
// 64 MiB is refused by its size without being read, UTF-16 text as such,
// and neither refusal names a line.
#include "BytesRead.h"
#include "DatabaseBuilders.h"
#include "ListingImport.h"
#include "ReferenceFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(OutsideFiles, WholeFileRefusalsSayWhyWithoutALine)
{
    QTemporaryDir dir;
    const auto make = [&](const char* name, const QByteArray& bytes, qint64 size) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        if (size > 0) {
            EXPECT_TRUE(file.resize(size)); // sparse: nothing to read if refused by size
        }
        return file.fileName();
    };
    const qint64 kOver = (qint64(64) << 20) + 1;
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
    struct Case {
        QString path;
        std::function<QString(const QString&)> read;
        const char* pReason;
    };
    const Case cases[] = {
        {make("big at 1E.htm", "<td>", kOver), importPage, "larger than 64 MiB"},
        {make("big.csv", "TV,", kOver), loadReference, "larger than 64 MiB"},
        {make("wide.csv",
              QByteArray("\xFF\xFE"
                         "T\0V\0",
                         6),
              0),
         loadReference, "UTF-16 text: save it as UTF-8"},
        {make("bare.csv", QByteArray("T\0V\0,\0", 6), 0), loadReference, "UTF-16 text: save it as UTF-8"},
    };
    for (const Case& c : cases) {
        const std::optional<int64_t> before = BytesRead();
        const QString reason = c.read(c.path);
        EXPECT_TRUE(reason.contains(c.pReason)) << c.path.toStdString() << ": " << reason.toStdString();
        if (before) {
            EXPECT_LT(*BytesRead() - *before, 1 << 20) << c.path.toStdString();
        }
    }
}

} // namespace

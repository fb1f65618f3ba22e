// editzarn-icons OUTDIR [SIZE...]: writes the application icon as PNG files
// in the layout of the hicolor icon theme (OUTDIR/NxN/apps/editzarn.png),
// drawn by the same code that draws the window icon. The build runs it to
// make the icon files the package installs; it needs no display.
#include "AppIcons.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::vector<int> kDefaultSizes = {16, 24, 32, 48, 64, 128, 256};
const QString kIconFile = QStringLiteral("%1/%2x%2/apps/editzarn.png");

constexpr int kExitOk = 0;
constexpr int kExitBadArguments = 1;
constexpr int kExitCannotWrite = 2;

// A size argument as a number of pixels; 0 for anything else.
int ParseSize(const char* pszText)
{
    char* pEnd = nullptr;
    const long size = std::strtol(pszText, &pEnd, 10);
    if (pEnd == pszText || *pEnd != '\0' || size < 1 || size > kMaxApplicationImageSize)
        return 0;
    return static_cast<int>(size);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: editzarn-icons OUTDIR [SIZE...]\n");
        return kExitBadArguments;
    }
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i) {
        const int size = ParseSize(argv[i]);
        if (size == 0) {
            std::fprintf(stderr, "editzarn-icons: not a size from 1 to %d: %s\n", kMaxApplicationImageSize, argv[i]);
            return kExitBadArguments;
        }
        sizes.push_back(size);
    }
    if (sizes.empty())
        sizes = kDefaultSizes;

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int size : sizes) {
        const QString path = kIconFile.arg(outDir).arg(size);
        if (!QDir().mkpath(QFileInfo(path).path()) || !ApplicationImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "editzarn-icons: cannot write %s\n", qPrintable(path));
            return kExitCannotWrite;
        }
    }
    return kExitOk;
}

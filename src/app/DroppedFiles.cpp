#include "DroppedFiles.h"

namespace {

constexpr TrText kReasonSeveral{"DroppedFiles", QT_TRANSLATE_NOOP("DroppedFiles", "%1 files were dropped.")};
constexpr TrText kReasonNotLocal{"DroppedFiles",
                                 QT_TRANSLATE_NOOP("DroppedFiles", "%1 is not a file on this computer.")};
constexpr TrText kReasonNotSdx{"DroppedFiles", QT_TRANSLATE_NOOP("DroppedFiles", "%1 is not an .sdx file.")};

} // namespace

DroppedDatabase DatabaseOfDrop(const QList<QUrl>& urls)
{
    if (urls.size() != 1)
        return {{}, kReasonSeveral.arg(urls.size())};
    const QUrl& url = urls.constFirst();
    if (!url.isLocalFile())
        return {{}, kReasonNotLocal.arg(url.toDisplayString())};
    const QString path = url.toLocalFile();
    // The receiver's files carry the extension in either case.
    if (!path.endsWith(QLatin1String(".sdx"), Qt::CaseInsensitive))
        return {{}, kReasonNotSdx.arg(url.fileName())};
    return {path, {}};
}

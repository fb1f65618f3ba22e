#include "RecentFiles.h"

#include <QFileInfo>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString EntryKey(int i) { return QStringLiteral("File%1").arg(i + 1); }

} // namespace

void RecentFileList::Load(QSettings& settings)
{
    strFiles.clear();
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(EntryKey(i)).toString();
        if (!path.isEmpty())
            strFiles << path;
    }
    settings.endGroup();
}

void RecentFileList::Save(QSettings& settings) const
{
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (int i = 0; i < strFiles.size(); ++i)
        settings.setValue(EntryKey(i), strFiles[i]);
    settings.endGroup();
}

void RecentFileList::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    strFiles.removeAll(absolute);
    strFiles.prepend(absolute);
    while (strFiles.size() > kSize)
        strFiles.removeLast();
}

void RecentFileList::Remove(int index)
{
    if (index >= 0 && index < strFiles.size())
        strFiles.removeAt(index);
}

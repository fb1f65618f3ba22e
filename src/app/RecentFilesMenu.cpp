#include "RecentFilesMenu.h"

#include "CEditZarnDoc.h"
#include "RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

constexpr qsizetype kLongestShownPath = 40;
const QString kEllipsis = QStringLiteral("...");

} // namespace

QString ShortenedPath(const QString& path)
{
    QString shown = path;
    const QString home = QDir::homePath();
    if (home.size() > 1 && shown.startsWith(home + '/'))
        shown = '~' + shown.mid(home.size());
    QStringList parts = shown.split('/');
    // First part (empty for the root, or "~"), "...", parent folder, name.
    if (shown.size() <= kLongestShownPath || parts.size() <= 4)
        return shown;
    const QString tail = parts.mid(parts.size() - 2).join('/');
    const QString head = parts[0].isEmpty() ? '/' + parts[1] : parts[0];
    const QString cut = head + '/' + kEllipsis + '/' + tail;
    return cut.size() <= kLongestShownPath ? cut : head + '/' + kEllipsis + '/' + parts.last();
}

RecentFilesMenu::RecentFilesMenu(QMenu& menu, QAction& placeholder, RecentFileList& list, CEditZarnDoc& doc)
    : QObject(&menu), menu(menu), placeholder(placeholder), list(list), doc(doc)
{
    connect(&doc, &CEditZarnDoc::FileUsed, this, [this](const QString& path) {
        this->list.Add(path);
        Rebuild();
    });
    Rebuild();
}

void RecentFilesMenu::SetEnabled(bool bNowEnabled)
{
    bEnabled = bNowEnabled;
    for (QAction* pEntry : aEntries)
        pEntry->setEnabled(bEnabled);
}

void RecentFilesMenu::Rebuild()
{
    for (QAction* pEntry : aEntries)
        delete pEntry;
    aEntries.clear();
    const QStringList& files = list.Files();
    for (int i = 0; i < files.size(); ++i) {
        QString label = ShortenedPath(files[i]);
        label.replace('&', QStringLiteral("&&"));
        auto* pEntry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(label), &menu);
        pEntry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        pEntry->setStatusTip(placeholder.statusTip());
        pEntry->setToolTip(files[i]);
        pEntry->setEnabled(bEnabled);
        connect(pEntry, &QAction::triggered, this, [this, i] { OpenEntry(i); });
        menu.insertAction(&placeholder, pEntry);
        aEntries.push_back(pEntry);
    }
    placeholder.setVisible(files.isEmpty());
}

void RecentFilesMenu::OpenEntry(int index)
{
    if (!doc.SaveModified())
        return;
    const QString path = list.Files().value(index);
    const bool gone = !QFileInfo::exists(path);
    doc.OpenDocumentFile(path);
    if (gone) {
        list.Remove(index);
        Rebuild();
    }
}

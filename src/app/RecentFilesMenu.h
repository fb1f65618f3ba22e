// The File menu's recently-used files: up to four numbered entries with
// shortened paths where the "Recent File" placeholder stands (the
// placeholder shows, disabled, while the list is empty). Choosing an entry
// opens that file (after the question about unsaved changes); an entry
// whose file is gone is dropped after the open failure is shown.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

class CEditZarnDoc;
class QAction;
class QMenu;
class RecentFileList;

// path as a menu shows it: the home folder as "~", and a long path cut to
// its first folder, "..." and its last two parts.
QString ShortenedPath(const QString& path);

class RecentFilesMenu : public QObject {
    Q_OBJECT

public:
    RecentFilesMenu(QMenu& menu, QAction& placeholder, RecentFileList& list, CEditZarnDoc& doc);

    // Entries are enabled when Open is.
    void SetEnabled(bool bEnabled);
    const std::vector<QAction*>& Entries() const { return aEntries; }

private:
    void Rebuild();
    void OpenEntry(int index);

    QMenu& menu;
    QAction& placeholder;
    RecentFileList& list;
    CEditZarnDoc& doc;
    std::vector<QAction*> aEntries;
    bool bEnabled = true;
};

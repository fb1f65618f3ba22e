// Files dropped onto the main window: one local .sdx file opens as File Open
// opens it; anything else is refused with the reason and nothing changes.
#pragma once

#include "TrText.h"

#include <QList>
#include <QString>
#include <QUrl>

inline constexpr TrText kMsgDropRefused{
    "DroppedFiles", QT_TRANSLATE_NOOP("DroppedFiles", "Drop a single .sdx channel database here to open it.")};

struct DroppedDatabase {
    QString strPath;    // the file to open, or empty
    QString strRefusal; // why nothing opens (shown below kMsgDropRefused), or empty
};

DroppedDatabase DatabaseOfDrop(const QList<QUrl>& urls);

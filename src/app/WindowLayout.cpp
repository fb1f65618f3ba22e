#include "WindowLayout.h"

#include "CEditZarnView.h"
#include "CMainFrame.h"

#include <QSettings>
#include <QSplitter>

namespace {

const QString kKeyGeometry = QStringLiteral("Geometry");
const QString kKeySplitter = QStringLiteral("Splitter");
const QString kKeyColumnWidths = QStringLiteral("ColumnWidths");

} // namespace

void RestoreWindowLayout(QSettings& settings, CMainFrame& frame)
{
    settings.beginGroup(kLayoutGroup);
    frame.restoreGeometry(settings.value(kKeyGeometry).toByteArray());
    frame.Splitter()->restoreState(settings.value(kKeySplitter).toByteArray());
    QList<int> widths;
    for (const QVariant& width : settings.value(kKeyColumnWidths).toList())
        widths << (width.canConvert<int>() ? width.toInt() : 0);
    frame.ListView()->SetColumnWidths(widths);
    settings.endGroup();
}

void SaveWindowLayout(QSettings& settings, const CMainFrame& frame)
{
    settings.beginGroup(kLayoutGroup);
    settings.setValue(kKeyGeometry, frame.saveGeometry());
    settings.setValue(kKeySplitter, frame.Splitter()->saveState());
    QVariantList widths;
    for (int width : frame.ListView()->ColumnWidths())
        widths << width;
    settings.setValue(kKeyColumnWidths, widths);
    settings.endGroup();
}

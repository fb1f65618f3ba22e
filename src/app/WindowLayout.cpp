#include "WindowLayout.h"

#include "CEditZarnView.h"
#include "CMainFrame.h"

#include <QSettings>
#include <QSplitter>

namespace {

const QString kKeyGeometry = QStringLiteral("Geometry");
const QString kKeySplitter = QStringLiteral("Splitter");
const QString kKeyColumnWidths = QStringLiteral("ColumnWidths");
const QString kKeyShownColumns = QStringLiteral("ShownColumns");

// A list of numbers kept under key; an entry that is no number reads as -1.
QList<int> ReadNumbers(const QSettings& settings, const QString& key)
{
    QList<int> numbers;
    for (const QVariant& value : settings.value(key).toList()) {
        bool bNumber = false;
        const int number = value.toInt(&bNumber);
        numbers << (bNumber ? number : -1);
    }
    return numbers;
}

void WriteNumbers(QSettings& settings, const QString& key, const QList<int>& numbers)
{
    QVariantList values;
    for (int number : numbers)
        values << number;
    settings.setValue(key, values);
}

} // namespace

void RestoreWindowLayout(QSettings& settings, CMainFrame& frame)
{
    settings.beginGroup(kLayoutGroup);
    frame.restoreGeometry(settings.value(kKeyGeometry).toByteArray());
    frame.Splitter()->restoreState(settings.value(kKeySplitter).toByteArray());
    frame.ListView()->SetColumnWidths(ReadNumbers(settings, kKeyColumnWidths));
    frame.ListView()->SetShownColumns(ReadNumbers(settings, kKeyShownColumns));
    settings.endGroup();
}

void SaveWindowLayout(QSettings& settings, const CMainFrame& frame)
{
    settings.beginGroup(kLayoutGroup);
    settings.setValue(kKeyGeometry, frame.saveGeometry());
    settings.setValue(kKeySplitter, frame.Splitter()->saveState());
    WriteNumbers(settings, kKeyColumnWidths, frame.ListView()->ColumnWidths());
    WriteNumbers(settings, kKeyShownColumns, frame.ListView()->ShownColumns());
    settings.endGroup();
}

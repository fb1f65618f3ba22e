#include "WindowLayout.h"

#include "CEditZarnView.h"
#include "CMainFrame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>

#include <algorithm>

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

constexpr double kFirstStartShare = 0.8;

// A restored window that is not maximised is fitted to the screen it is on,
// or to the one the window system would show it on.
void FitToScreen(QWidget& window)
{
    if (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QScreen* pScreen = QGuiApplication::screenAt(window.geometry().center());
    if (!pScreen)
        pScreen = window.screen();
    // The window system's frame is not known before the window shows: a
    // title bar and a thin border, as the style draws them, stand for it.
    const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QMargins frame(border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight), border, border);
    window.setGeometry(FittedGeometry(window.geometry(), pScreen->availableGeometry(), frame));
}

} // namespace

QRect FirstStartGeometry(const QRect& available)
{
    QRect geometry(QPoint(), available.size() * kFirstStartShare);
    geometry.moveCenter(available.center());
    return geometry;
}

QRect FittedGeometry(const QRect& geometry, const QRect& available, const QMargins& frame)
{
    const QRect area = available.marginsRemoved(frame);
    QRect fitted(geometry.topLeft(), geometry.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

void RestoreWindowLayout(QSettings& settings, CMainFrame& frame)
{
    settings.beginGroup(kLayoutGroup);
    if (frame.restoreGeometry(settings.value(kKeyGeometry).toByteArray()))
        FitToScreen(frame);
    if (frame.Splitter()->restoreState(settings.value(kKeySplitter).toByteArray()))
        frame.KeepTreePaneWidth();
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

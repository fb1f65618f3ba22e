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

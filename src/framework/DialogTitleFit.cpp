#include "DialogTitleFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QMessageBox>
#include <QStyle>

#include <algorithm>

namespace {

// The title bar's icon and its minimise, maximise and close buttons, each
// about as wide as the bar is high, and a margin.
constexpr int kBarSquares = 5;

} // namespace

int TitleBarWidth(const QString& title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) +
           kBarSquares * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

void FitWidthToTitle(QWidget& dialog)
{
    const int width = TitleBarWidth(dialog.windowTitle());
    if (dialog.minimumWidth() < width)
        dialog.setMinimumWidth(std::min(width, dialog.maximumWidth()));
}

bool DialogTitleFit::eventFilter(QObject* pObject, QEvent* pEvent)
{
    const QEvent::Type type = pEvent->type();
    if (type == QEvent::Show || type == QEvent::WindowTitleChange)
        if (auto* pDialog = qobject_cast<QDialog*>(pObject); pDialog && !qobject_cast<QMessageBox*>(pDialog))
            FitWidthToTitle(*pDialog);
    return QObject::eventFilter(pObject, pEvent);
}

// Keeps dialogs at least as wide as their titles, so that the window manager
// does not cut a title short ("Rename FA…oup name"). One filter on the
// application acts on every dialog when it is shown and when its title
// changes. Message boxes size themselves for their titles and are left alone.
#pragma once

#include <QObject>

class QWidget;

// The width a window needs for title in its title bar: the text in the
// title-bar font, bold as many window managers draw it, and room for the
// bar's icon and buttons.
int TitleBarWidth(const QString& title);

// Raises the minimum width of a dialog to TitleBarWidth of its title.
void FitWidthToTitle(QWidget& dialog);

class DialogTitleFit : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
};

// Dialogs shown under the application's filter are at least as wide as
// their titles need, also after the title changes.
#include "CMoveDlg.h"
#include "DialogTitleFit.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

TEST(DialogTitleFitTest, ShownDialogsAreAsWideAsTheirTitles)
{
    EnsureApplication();
    DialogTitleFit filter;
    QApplication::instance()->installEventFilter(&filter);

    const QString title = QStringLiteral("Rename FAV group name");
    EXPECT_GT(TitleBarWidth(title), QFontMetrics(QApplication::font()).horizontalAdvance(title));
    ScriptedPrompts prompts;
    CMoveDlg dialog(prompts, 1, 1);
    dialog.setWindowTitle(title);
    dialog.show();
    EXPECT_GE(dialog.width(), TitleBarWidth(title));
    dialog.setWindowTitle(title + title);
    EXPECT_GE(dialog.width(), TitleBarWidth(title + title));
    QApplication::instance()->removeEventFilter(&filter);
}

} // namespace

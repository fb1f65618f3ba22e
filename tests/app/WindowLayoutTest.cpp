// The main window's size and panes: the first start, a layout kept from
// another screen, a narrow window and the tree pane's width.
#include "CLeftView.h"
#include "MainWindowFixture.h"
#include "TreeLabels.h"
#include "WindowLayout.h"

#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

namespace {

using WindowLayoutTest = MainWindowFixture;

TEST_F(WindowLayoutTest, TreePaneWidensToItsSatelliteLabelsUpToAThird)
{
    CLeftView& tree = *frame->LeftView();
    frame->resize(600, 600);
    OpenDemoDatabase();
    EXPECT_EQ(tree.width(), 200);
    frame->resize(1500, 600);
    OpenDemoDatabase();
    tree.Root(kRootSatellite)->setExpanded(true);
    QApplication::processEvents();
    EXPECT_LT(tree.width(), 500);
    EXPECT_FALSE(tree.horizontalScrollBar()->isVisible()) << "every satellite label whole";

    // A splitter kept from the last run stays where it is.
    frame->Splitter()->setSizes({150, 1350});
    app->ExitInstance();
    app = std::make_unique<CEditZarnApp>(*settings, &prompts);
    app->InitInstance();
    frame = app->MainFrame();
    OpenDemoDatabase();
    EXPECT_EQ(frame->LeftView()->width(), 150);
}

// Shrunk and moved into the screen (the offscreen one is 800 pixels wide).
TEST_F(WindowLayoutTest, AWindowKeptOnALargerScreenIsFittedToThisOne)
{
    frame->setGeometry(100, 100, 5000, 4000);
    app->ExitInstance();
    CEditZarnApp next(*settings, &prompts);
    next.InitInstance();
    EXPECT_TRUE(next.MainFrame()->screen()->availableGeometry().contains(next.MainFrame()->frameGeometry()));
}

TEST_F(WindowLayoutTest, ANarrowWindowKeepsTheFilterBoxAndTheToolbarOverflow)
{
    frame->resize(200, 500);
    QApplication::processEvents();
    const auto* pBox = frame->findChild<QLineEdit*>("filterBox");
    EXPECT_GE(pBox->width(), 12 * pBox->fontMetrics().horizontalAdvance(QLatin1Char('x')));
    const auto* pMore = frame->findChild<QToolBar*>("toolbar")->findChild<QToolButton*>("qt_toolbar_ext_button");
    ASSERT_TRUE(pMore && pMore->isVisible());
    EXPECT_LE(pMore->mapTo(frame, QPoint(pMore->width(), 0)).x(), frame->width());
}

} // namespace

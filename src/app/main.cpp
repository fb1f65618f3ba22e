// EditZarn: the channel database editor.
#include "AppIcons.h"
#include "CEditZarnApp.h"
#include "CEditZarnDoc.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "FileNames.h"
#include "Translations.h"
#include "TreeLabels.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPainter>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>

namespace {

const QString kDescription = QStringLiteral("Editor for the channel database (.sdx) of a digital TV receiver.");
const QString kFileArgument = QStringLiteral("file");
const QString kFileHelp = QStringLiteral("The .sdx database to open.");
const QString kScreenshotHelp = QStringLiteral(
    "Save a picture of the main window to PNG once it is shown, then quit. The picture lists all channels and "
    "opens the first satellite.");
const QString kScreenshotFailed = QStringLiteral("editzarn: cannot write %1\n");
// The installed desktop entry (data/), which a Wayland desktop matches to the
// window for its icon and name.
const QString kDesktopFileName = QStringLiteral("org.example.editzarn");
// Time for the window to be laid out and painted before the picture is taken.
constexpr int kScreenshotDelayMs = 500;

// The window as the user sees it: a title bar with the caption drawn by the
// style above the window's own contents (a virtual display has no window
// manager to draw one).
QImage WindowPicture(QWidget& window)
{
    QStyleOptionTitleBar title;
    title.initFrom(&window);
    title.text = window.windowHandle()->title(); // as shown: the modified mark resolved
    title.titleBarFlags = window.windowFlags();
    title.titleBarState = Qt::WindowActive;
    title.state |= QStyle::State_Active;
    title.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarMinButton | QStyle::SC_TitleBarMaxButton |
                        QStyle::SC_TitleBarCloseButton;
    const int titleHeight = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &title, &window);
    title.rect = QRect(0, 0, window.width(), titleHeight);

    // At the screen's pixel ratio: a 2x screen gives a picture of twice the pixels.
    const qreal ratio = window.devicePixelRatioF();
    QImage picture(QSize(window.width(), titleHeight + window.height()) * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    window.style()->drawComplexControl(QStyle::CC_TitleBar, &title, &painter, &window);
    painter.drawPixmap(0, titleHeight, window.grab());
    return picture;
}

// Shows what the editor is for: every channel listed and the first
// satellite's transponders open, as a user would after opening a file.
void ShowChannelsForPicture(CMainFrame& frame)
{
    CLeftView& tree = *frame.LeftView();
    if (QTreeWidgetItem* pSatellites = tree.Root(kRootSatellite); pSatellites && pSatellites->childCount() > 0)
        pSatellites->child(0)->setExpanded(true);
    if (QTreeWidgetItem* pAll = tree.Root(kRootChannelList))
        tree.setCurrentItem(pAll);
}

// The options of the editor; the hidden screenshot option serves scripts/screenshot.
void DescribeOptions(QCommandLineParser& parser, const QCommandLineOption& screenshot)
{
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(kFileArgument, kFileHelp, QStringLiteral("[file]"));
    parser.addOption(screenshot);
}

// --help and --version are answered without a display.
bool AsksForHelpOrVersion(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* pOption : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], pOption) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(kSettingsOrganisation);
    QCoreApplication::setApplicationName(kSettingsApplication);
    QCoreApplication::setApplicationVersion(QStringLiteral(EDITZARN_VERSION));
    QCommandLineOption screenshot(QStringLiteral("screenshot"), kScreenshotHelp, QStringLiteral("png"));
    screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineParser parser;
    DescribeOptions(parser, screenshot);
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication core(argc, argv);
        parser.process(core); // prints and exits
        return 0;
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    InstallTranslators(application);
    QApplication::setWindowIcon(ApplicationIcon());
    // File names keep the bytes they were given, valid UTF-8 or not (Qt's
    // own options are gone from argv by now).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << DecodeFileName(QByteArray(argv[i]));
    parser.process(arguments);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(1);

    QSettings settings;
    CEditZarnApp app(settings);
    app.InitInstance(parser.positionalArguments().value(0));

    int result = 0;
    if (parser.isSet(screenshot)) {
        ShowChannelsForPicture(*app.MainFrame());
        QTimer::singleShot(kScreenshotDelayMs, &application, [&] {
            const QString path = parser.value(screenshot);
            if (!WindowPicture(*app.MainFrame()).save(path, "PNG")) {
                std::fputs(qPrintable(kScreenshotFailed.arg(path)), stderr);
                result = 1;
            }
            app.Document().SetModifiedFlag(false); // the picture never asks to save
            application.quit();
        });
    }
    const int exitCode = application.exec();
    app.ExitInstance();
    return result ? result : exitCode;
}

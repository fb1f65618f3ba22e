// Every command of the window that reads or writes a file, given a FIFO, a
// device, a socket or a folder: refused at once with the reason, and the
// thing left as it was. A hang ends the test program (alarm).
#include "CEditZarnDoc.h"
#include "CommandIds.h"
#include "MainWindowFixture.h"
#include "NonRegularFiles.h"

#include <QAction>

#include <functional>
#include <iostream>

namespace {

class NonRegularFilesTest : public MainWindowFixture {};

TEST_F(NonRegularFilesTest, EveryCommandRefusesWhatIsNotARegularFile)
{
    OpenDemoDatabase();
    struct Command {
        const char* pName;
        std::function<void()> run;
        int iFilterIndex;
        const char* pSuffix;
    };
    const auto menu = [this](int id) { return [this, id] { frame->Action(id)->trigger(); }; };
    // File Open is offered while no database is open; the document's command is the same.
    const Command commands[] = {
        {"Open", [this] { app->Document().OnFileOpen(); }, 1, ".sdx"},
        {"New", [this] { app->Document().OnFileNew(); }, 1, ".sdx"},
        {"Save As", menu(ID_FILE_SAVE_AS), 1, ".sdx"},
        {"Save As workbook", menu(ID_FILE_SAVE_AS), kExcelFilterIndex, ".xlsx"},
        {"Apply Reference List", menu(ID_FILE_APPLY_REFERENCE), 1, ".csv"},
        {"Export Reference List", menu(ID_FILE_EXPORT_REFERENCE), 1, ".csv"},
        {"Import Transponder List", menu(ID_FILE_IMPORT_TRANSPONDERS), 1, ".xml"},
    };
    for (const auto& [kind, what] : kNonRegularKinds) {
        for (const Command& command : commands) {
            const QString path = dir.filePath(QStringLiteral("odd") + command.pSuffix);
            const QByteArray name = QFile::encodeName(path);
            if (!MakeNonRegular(name, kind)) {
                std::cout << "skipped: a " << what << " cannot be made here\n";
                break;
            }
            SCOPED_TRACE(std::string(what) + ", " + command.pName);
            const size_t shown = prompts.Messages().size();
            prompts.QueueFile(path, command.iFilterIndex);
            prompts.QueueAnswer(MsgAnswer::Ok);
            ::alarm(20);
            command.run();
            ::alarm(0);
            ASSERT_GT(prompts.Messages().size(), shown);
            const ShownMessage& last = prompts.Messages().back();
            EXPECT_TRUE((last.strText + last.strInformative).contains("is not a regular file"))
                << last.strText.toStdString() << " / " << last.strInformative.toStdString();
            EXPECT_EQ(kind, KindOf(name));
            ::remove(name.constData());
        }
    }
}

} // namespace

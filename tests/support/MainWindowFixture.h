// The main window as the application builds it, with every question answered
// by a scripted double and the settings in a temporary folder. For tests
// that link the application shell.
#pragma once

#include "CEditZarnApp.h"
#include "CEditZarnDoc.h"
#include "CMainFrame.h"
#include "DatabaseBuilders.h"
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

// The whole file at path; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) { return ReadWholeFile(path, 1 << 24).bytes; }

// The caption as the window system shows it (the modified mark resolved).
inline QString ShownTitle(const QWidget* pWindow) { return pWindow->windowHandle()->title(); }

class MainWindowFixture : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        settings = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        app = std::make_unique<CEditZarnApp>(*settings, &prompts);
        app->InitInstance();
        frame = app->MainFrame();
    }

    // Saves the typical demo database in the test's folder and opens it.
    void OpenDemoDatabase()
    {
        auto db = MakeEmptyDatabase();
        BuildDemoDatabase(*db, DemoSize::Typical);
        ASSERT_EQ(SaveDatabaseFile(*db, dir.filePath("demo.sdx")), FileSaveResult::Ok);
        app->Document().OpenDocumentFile(dir.filePath("demo.sdx"));
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<CEditZarnApp> app;
    CMainFrame* frame = nullptr;
};

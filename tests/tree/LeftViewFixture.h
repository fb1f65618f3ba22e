// The tree pane's test fixture: a document with its tree under the
// offscreen platform, every dialog, menu and message answered by the test.
#pragma once

#include "BitFields.h"
#include "CEditZarnDoc.h"
#include "CLeftView.h"
#include "DatabaseBuilders.h"
#include "DemoDatabase.h"
#include "ModelOperations.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"

#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

// Every node, indented two spaces a level, in display order.
inline QStringList WidgetLines(const QTreeWidget& tree)
{
    QStringList lines;
    const std::function<void(const QTreeWidgetItem*, int)> walk = [&](const QTreeWidgetItem* pItem, int depth) {
        lines << QString(2 * depth, ' ') + pItem->text(0);
        for (int i = 0; i < pItem->childCount(); ++i)
            walk(pItem->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        walk(tree.topLevelItem(i), 0);
    return lines;
}

inline QStringList OutlineLines(const Database& db)
{
    QStringList lines;
    for (const TreeLine& line : TreeOutline(db))
        lines << QString(2 * line.iDepth, ' ') + QString::fromLatin1(line.strLabel);
    return lines;
}

inline ShownMessage Question(const QString& text) { return {text, "EditZarn", MsgButtons::YesNo, MsgIcon::Question}; }
inline ShownMessage Box(const QString& text, const QString& caption = "EditZarn", MsgIcon icon = MsgIcon::None)
{
    return {text, caption, MsgButtons::Ok, icon};
}

class LeftViewTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        QObject::connect(&view, &CLeftView::ListKindReported, [this](int kind) { aReported.push_back(kind); });
        QObject::connect(&view, &CLeftView::ListCleared, [this] { ++iCleared; });
        view.fnRunDialog = [this](QDialog& dialog) {
            EXPECT_FALSE(aDialogs.empty()) << "unexpected dialog " << dialog.metaObject()->className();
            if (aDialogs.empty())
                return int(QDialog::Rejected);
            const auto answer = aDialogs.front();
            aDialogs.pop_front();
            return answer(dialog);
        };
        view.fnRunMenu = [this](QMenu& menu, const QPoint&) -> QAction* {
            ++iMenus;
            menuEntries.clear();
            QAction* pChosen = nullptr;
            for (QAction* pAction : menu.actions()) {
                menuEntries << (pAction->isSeparator() ? QStringLiteral("-") : pAction->text());
                if (!pAction->isSeparator() && pAction->text() == strMenuChoice)
                    pChosen = pAction;
            }
            return pChosen;
        };
    }
    void TearDown() override { EXPECT_TRUE(aDialogs.empty()) << "dialog answers left over"; }

    Database& Db() { return doc.Data(); }
    void Open(DemoSize size = DemoSize::Typical)
    {
        BuildDemoDatabase(Db(), size);
        Loaded();
    }
    void OpenNew()
    {
        ResetDatabase(Db());
        Loaded();
    }
    void Loaded()
    {
        doc.bDataLoaded = 1;
        emit doc.DatabaseOpened();
        aReported.clear();
    }
    QTreeWidgetItem* Root(int position) { return view.Root(position); }
    QTreeWidgetItem* Sat(int s) { return Root(kRootSatellite)->child(s); }
    QTreeWidgetItem* Tp(int s, int p) { return Sat(s)->child(p); }
    void Select(QTreeWidgetItem* pItem)
    {
        view.setCurrentItem(pItem);
        aReported.clear();
    }

    // Queues an answer for the next dialog, which must be a Dialog: fill sets
    // its fields, then OK is pressed (or Cancel when ok is false).
    template <typename Dialog>
    void Answer(std::function<void(Dialog&)> fill, bool ok = true)
    {
        aDialogs.push_back([fill, ok](QDialog& dialog) {
            auto* pDialog = dynamic_cast<Dialog*>(&dialog);
            EXPECT_TRUE(pDialog) << "got " << dialog.metaObject()->className();
            if (!pDialog)
                return int(QDialog::Rejected);
            if (fill)
                fill(*pDialog);
            if (!ok)
                return int(QDialog::Rejected);
            if constexpr (requires { pDialog->OnOK(); })
                pDialog->OnOK();
            else
                pDialog->accept();
            return pDialog->result();
        });
    }
    // The entries of the selected node's menu; choose runs that entry.
    QStringList Menu(const QString& choose = {})
    {
        strMenuChoice = choose;
        menuEntries.clear();
        view.ShowContextMenu(QPoint(10, 10));
        return menuEntries;
    }
    void Key(Qt::Key key) { QTest::keyClick(&view, key); }

    ScriptedPrompts prompts;
    CEditZarnDoc doc{prompts};
    CLeftView view{doc};
    std::vector<int> aReported;
    int iCleared = 0;
    std::deque<std::function<int(QDialog&)>> aDialogs;
    QStringList menuEntries;
    QString strMenuChoice;
    int iMenus = 0;
};

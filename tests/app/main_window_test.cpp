// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as it opens: its start state, its menus and the switch
// between its two views.

#include "class_letter.h"
#include "common/app_info.h"
#include "common/classic_font.h"
#include "qstring_printer.h"
#include "table_rows.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public WindowFixture {
public:
    QWidget* client() const { return window.centralWidget(); }

    // The views' controls: every widget under the client area that a layout
    // table names.
    QList<QWidget*> controls() const {
        QList<QWidget*> named;
        for (QWidget* control : client()->findChildren<QWidget*>()) {
            if (!control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_"))
                named.append(control);
        }
        return named;
    }

    // The controls the Tab key moves the focus to, in one round and more.
    QList<QWidget*> tabRound() {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QList<QWidget*> reached;
        for (int press = 0; press < 16 && QApplication::focusWidget(); ++press) {
            reached.append(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return reached;
    }
};

// Whatever has no font of its own, the menu bar included, takes the window's
// classic face; the layout gives some controls their own size and weight.
TEST_F(MainWindowTest, ControlsShowTheClassicFace) {
    const struct {
        QWidget* control;
        qreal points;
        bool bold;
    } fonts[] = {
        {window.menuBar(), 8.25, false},       {control("lbl_info1"), 8.25, false},
        {control("lbl_ClassExt"), 8.25, true}, {control("lbl_MaskAnswer"), 9.75, true},
        {control("txt_Subnets"), 12, true},
    };
    const QString classicFace = QFontInfo(classicFont()).family();
    for (const auto& f : fonts) {
        SCOPED_TRACE(f.control->objectName().toStdString());
        const QFontInfo shown(f.control->font());
        EXPECT_EQ(shown.family(), classicFace);
        EXPECT_EQ(shown.pointSizeF(), f.points);
        EXPECT_EQ(shown.bold(), f.bold);
    }
}

// One fact of the window as it opens, checked on a fresh window.
struct StartFact {
    const char* name;
    void (*holds)(MainWindowTest& test);
};

using ::PrintTo;

class OpensWithNothingAsked : public MainWindowTest,
                              public testing::WithParamInterface<StartFact> {};

TEST_P(OpensWithNothingAsked, Holds) {
    GetParam().holds(*this);
}

const StartFact startFacts[] = {
    {"TitleNamesMaskDiscovery",
     [](MainWindowTest& t) {
         EXPECT_EQ(t.window.windowTitle(), QStringLiteral("Tarnwell - Mask Discovery"));
     }},
    {"ClientAreaOfTheLayout",
     [](MainWindowTest& t) {
         EXPECT_EQ(t.client()->size(), QSize(311, 188));
     }},
    // Drawn at every size the desktop asks for, so none is scaled up.
    {"IconDrawnAtEverySize",
     [](MainWindowTest& t) {
         QList<QSize> drawn;
         for (int size : iconSizes)
             drawn.append(QSize(size, size));
         EXPECT_EQ(t.window.windowIcon().availableSizes(), drawn);
         for (const QSize& size : drawn)
             EXPECT_EQ(t.window.windowIcon().pixmap(size).size(), size);
     }},
    {"RangeInformationHidden",
     [](MainWindowTest& t) {
         EXPECT_FALSE(t.control("frm_View")->isVisible());
     }},
    // Each view's pane covers the client area from its top-left corner.
    {"PanesCoverTheClientArea",
     [](MainWindowTest& t) {
         for (const char* name : {"frm_View", "frm_ClassType", "txt_Subnets"})
             EXPECT_EQ(t.control(name)->mapTo(t.client(), QPoint()), t.control(name)->pos())
                 << name;
     }},
    {"SharesClassB",
     [](MainWindowTest& t) {
         EXPECT_EQ(letterOf(t.window.state().networkClass()), QStringLiteral("B"));
         EXPECT_EQ(t.window.state().NetPattern(), QStringLiteral("X.Y"));
     }},
    {"InputsEmpty",
     [](MainWindowTest& t) {
         for (const char* empty : {"txt_Subnets", "txt_hosts", "txt_SubnetMask"})
             EXPECT_EQ(t.text(empty), QString()) << empty;
     }},
    {"ResultsBlank",
     [](MainWindowTest& t) {
         for (const char* empty : {"lbl_MaskAnswer", "lbl_Discovery", "lbl_Start", "lbl_End"})
             EXPECT_EQ(t.caption(empty), QString()) << empty;
         EXPECT_EQ(t.control<QListWidget>("list_Range")->count(), 0);
     }},
    // The Range Information view's network is set only when that view is chosen.
    {"NetworkCaptions",
     [](MainWindowTest& t) {
         EXPECT_EQ(t.control<QLabel>("lbl_ClassExt")->text(), QStringLiteral("X.Y.0.0"));
         EXPECT_EQ(t.control<QLabel>("lbl_Ext2")->text(), QStringLiteral(".0.0"));
     }},
    {"OnlyCalculateAndViewSubnetsDisabled",
     [](MainWindowTest& t) {
         for (const QWidget* placed : t.controls()) {
             const QString name = placed->objectName();
             EXPECT_EQ(placed->isEnabled(), name != u"cmd_Calc" && name != u"cmd_View")
                 << name.toStdString();
         }
     }},
    {"ClassBOptionsSelected",
     [](MainWindowTest& t) {
         for (const auto& [option, selected] :
              {std::pair{"rb_B", true}, std::pair{"rb_C", false}, std::pair{"rb_B2", true},
               std::pair{"rb_C2", false}})
             EXPECT_EQ(t.control<QAbstractButton>(option)->isChecked(), selected) << option;
     }},
    {"SubnetsBoxHasTheFocus",
     [](MainWindowTest& t) {
         t.window.activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&t.window));
         EXPECT_EQ(QApplication::focusWidget(), t.control("txt_Subnets"));
     }},
};
INSTANTIATE_TEST_SUITE_P(StartState, OpensWithNothingAsked, testing::ValuesIn(startFacts), rowName);

// The offscreen platform has a screen too, larger than the window. The window
// is placed before it has a frame, so it may lie off by the frame's width.
TEST_F(MainWindowTest, OpensCentredOnTheScreen) {
    const QPoint offCentre =
        window.frameGeometry().center() - window.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 8) << offCentre.x() << ", " << offCentre.y();
}

TEST_F(MainWindowTest, MenuBarHoldsFileViewAndHelp) {
    const struct {
        const char* name;
        const char* caption;
        std::vector<std::pair<const char*, const char*>> items;
    } menus[] = {
        {"menu_File", "&File", {{"menu_FileExit", "E&xit"}}},
        {"menu_View",
         "&View",
         {{"menu_ViewSMD", "&Mask Discovery"}, {"menu_ViewRI", "&Range Information"}}},
        {"menu_Help", "&Help", {{"menu_HelpAbout", "&About"}}},
    };
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), std::size(menus));
    for (qsizetype i = 0; i < bar.size(); ++i) {
        SCOPED_TRACE(menus[i].name);
        QMenu* menu = bar[i]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromLatin1(menus[i].name));
        EXPECT_EQ(menu->title(), QString::fromLatin1(menus[i].caption));
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), menus[i].items.size());
        for (qsizetype j = 0; j < items.size(); ++j) {
            EXPECT_EQ(items[j]->objectName(), QString::fromLatin1(menus[i].items[j].first));
            EXPECT_EQ(items[j]->text(), QString::fromLatin1(menus[i].items[j].second));
            EXPECT_TRUE(items[j]->shortcut().isEmpty());
            EXPECT_FALSE(items[j]->isCheckable());
            EXPECT_TRUE(items[j]->isEnabled() && items[j]->isVisible());
        }
    }
}

TEST_F(MainWindowTest, ViewMenuSwitchesTheViewAndItsTitle) {
    const struct {
        const char* item;
        const char* title;
        bool rangeViewShown;
    } steps[] = {
        {"menu_ViewSMD", "Tarnwell - Mask Discovery", false},
        {"menu_ViewRI", "Tarnwell - Range Information", true},
        {"menu_ViewRI", "Tarnwell - Range Information", true},
        {"menu_ViewSMD", "Tarnwell - Mask Discovery", false},
    };
    QWidget* rangeView = control("frm_View");
    for (const auto& step : steps) {
        SCOPED_TRACE(step.item);
        choose(step.item);
        EXPECT_EQ(window.windowTitle(), QString::fromLatin1(step.title));
        EXPECT_EQ(rangeView->isVisible(), step.rangeViewShown);
        // Shown, the Range Information view lies over every Mask Discovery
        // control; hidden, each of them can be seen and clicked again.
        for (QWidget* placed : controls()) {
            if (placed == rangeView || rangeView->isAncestorOf(placed))
                continue;
            QWidget* onTop = client()->childAt(placed->mapTo(client(), placed->rect().center()));
            const QWidget* expected = step.rangeViewShown ? rangeView : placed;
            EXPECT_TRUE(onTop && (onTop == expected || expected->isAncestorOf(onTop)))
                << placed->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, TabStaysWithinTheShownView) {
    QWidget* rangeView = control("frm_View");
    for (const bool rangeViewShown : {false, true}) {
        SCOPED_TRACE(rangeViewShown ? "Range Information" : "Mask Discovery");
        choose(rangeViewShown ? "menu_ViewRI" : "menu_ViewSMD");
        const QList<QWidget*> reached = tabRound();
        EXPECT_GE(reached.size(), 16);
        for (QWidget* focused : reached)
            EXPECT_EQ(rangeView->isAncestorOf(focused), rangeViewShown)
                << focused->objectName().toStdString();
        const char* firstInput = rangeViewShown ? "txt_SubnetMask" : "txt_Subnets";
        EXPECT_TRUE(reached.contains(control(firstInput))) << firstInput;
    }
}

} // namespace

namespace {

// Help, About opens the dialog modally over this window and returns once it
// is closed; each opening loads it afresh.
TEST_F(MainWindowTest, HelpAboutOpensTheModalDialogOverTheWindow) {
    for (int opening = 0; opening < 2; ++opening) {
        QString caption;
        QWidget* owner = nullptr;
        QTimer::singleShot(0, &window, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            caption = dialog->windowTitle();
            owner = dialog->parentWidget();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        choose("menu_HelpAbout");
        EXPECT_EQ(caption, "About Tarnwell");
        EXPECT_EQ(owner, &window);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(MainWindowTest, FileExitClosesTheWindowWhateverItShows) {
    type("txt_Subnets", "6");
    click("cmd_Calc");
    choose("menu_FileExit");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Enter clicks the focused command button, as Space does; typed into a box
// it is still discarded, since no button is the window's default.
TEST_F(MainWindowTest, EnterClicksTheFocusedCommandButtonOnly) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } enterKeys[] = {{Qt::Key_Return, {}}, {Qt::Key_Enter, Qt::KeypadModifier}};
    for (const auto& enter : enterKeys) {
        SCOPED_TRACE(enter.key);
        choose("menu_ViewSMD");
        retype("txt_Subnets", QStringLiteral("6"));
        press("txt_Subnets", enter.key, enter.modifiers);
        EXPECT_EQ(control<QLineEdit>("txt_Subnets")->text(), QStringLiteral("6"));
        EXPECT_TRUE(control<QLabel>("lbl_MaskAnswer")->text().isEmpty());

        press("cmd_Calc", enter.key, enter.modifiers);
        EXPECT_EQ(control<QLabel>("lbl_MaskAnswer")->text(), QStringLiteral("255.255.224.0"));
        press("cmd_View", enter.key, enter.modifiers);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarnwell - Range Discovery"));

        retype("txt_SubnetMask", QStringLiteral("255.255.192.0"));
        press("cmd_Discover", enter.key, enter.modifiers);
        EXPECT_EQ(control<QListWidget>("list_Range")->count(), 2);
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
}

} // namespace

// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as it opens: its controls where the design puts them, its
// start state, its menus and the switch between its two views.

#include "common/classic_font.h"
#include "common/twips.h"
#include "main_window_fixture.h"
#include "qstring_printer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Placed {
    const char* name;
    const char* kind;      // the Qt class the control is built on
    const char* container; // a frame, or nullptr for the client area
    const char* caption;
    int left;
    int top;
    int width;
    int height;
};

// clang-format off
constexpr Placed layout[] = {
    {"frm_View",       "QWidget",      nullptr,         "",                                          0, -120, 4695, 2895},
    {"frm_Class",      "QGroupBox",    "frm_View",      "Class",                                   135,  285, 1365,  615},
    {"rb_B2",          "QRadioButton", "frm_Class",     "B",                                       120,  240,  495,  255},
    {"rb_C2",          "QRadioButton", "frm_Class",     "C",                                       720,  240,  495,  255},
    {"lbl_SMLU",       "QLabel",       "frm_View",      "Find IP range based on Subnet Mask:",    1680,  120, 1335,  615},
    {"txt_SubnetMask", "QLineEdit",    "frm_View",      "",                                       3120,  240, 1335,  285},
    {"frm_blank",      "QWidget",      "frm_View",      "",                                         15,  960, 1620, 1095},
    {"Label1",         "QLabel",       "frm_blank",     "ISP, InterNIC, or private address format", 135, 120, 1305,  615},
    {"lbl_Ext2",       "QLabel",       "frm_blank",     ".0.0",                                    120,  750, 1365,  255},
    {"Label2",         "QLabel",       "frm_View",      "Available Segments",                     1800,  840, 1455,  255},
    {"list_Range",     "QListWidget",  "frm_View",      "",                                       1725, 1095, 1530, 1620},
    {"Label3",         "QLabel",       "frm_View",      "Starting Address",                       3360, 1440, 1215,  255},
    {"lbl_Start",      "QLabel",       "frm_View",      "",                                       3360, 1680, 1215,  255},
    {"labelx",         "QLabel",       "frm_View",      "Ending Address",                         3360, 2040, 1215,  255},
    {"lbl_End",        "QLabel",       "frm_View",      "",                                       3360, 2280, 1215,  255},
    {"cmd_Discover",   "QPushButton",  "frm_View",      "View Range Information",                  120, 2160, 1455,  495},
    {"frm_ClassType",  "QGroupBox",    nullptr,         "Class",                                   150,    0, 1455,  615},
    {"rb_B",           "QRadioButton", "frm_ClassType", "B",                                       240,  240,  495,  195},
    {"rb_C",           "QRadioButton", "frm_ClassType", "C",                                       720,  240,  495,  195},
    {"frm_display",    "QWidget",      nullptr,         "",                                         60,  600, 1650, 1095},
    {"lbl_InterNic",   "QLabel",       "frm_display",   "ISP, InterNIC, or private address format", 120, 135, 1410,  615},
    {"lbl_ClassExt",   "QLabel",       "frm_display",   "X.Y.0.0",                                 120,  720, 1365,  255},
    {"lbl_info1",      "QLabel",       nullptr,         "Desired subnets:",                       2160,  120,  705,  435},
    {"txt_Subnets",    "QLineEdit",    nullptr,         "",                                       2880,  120,  975,  405},
    {"lbl_info3",      "QLabel",       nullptr,         "Desired nodes:",                         2160,  720,  660,  390},
    {"txt_hosts",      "QLineEdit",    nullptr,         "",                                       2880,  720,  975,  405},
    {"cmd_Calc",       "QPushButton",  nullptr,         "Calculate",                              1800, 1200, 1215,  495},
    {"cmd_View",       "QPushButton",  nullptr,         "View Subnets",                           3240, 1200, 1215,  495},
    {"lbl_Mask",       "QLabel",       nullptr,         "Closest Match to your requested information can be met with",
                                                                                                   120, 1800, 4455,  255},
    {"lbl_MaskAnswer", "QLabel",       nullptr,         "",                                        120, 2040, 1710,  300},
    {"Label4",         "QLabel",       nullptr,         "with this subnet, which allows:",        1920, 2040, 2655,  255},
    {"lbl_Discovery",  "QLabel",       nullptr,         "",                                        120, 2400, 4515,  315},
};
// clang-format on

bool isMaskDiscoveryControl(const Placed& row) {
    for (const char* container = row.container; container;) {
        if (qstrcmp(container, "frm_View") == 0)
            return false;
        const Placed* holder = std::find_if(std::begin(layout), std::end(layout), [&](auto& r) {
            return qstrcmp(r.name, container) == 0;
        });
        container = holder->container;
    }
    return qstrcmp(row.name, "frm_View") != 0;
}

QString captionOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    return {};
}

class MainWindowTest : public WindowFixture {
protected:
    QWidget* client() const { return window.centralWidget(); }

    // The controls the Tab key moves the focus to, in one round and more.
    QList<QWidget*> tabRound() {
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QList<QWidget*> reached;
        for (int press = 0; press < 16 && QApplication::focusWidget(); ++press) {
            reached.append(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return reached;
    }
};

TEST_F(MainWindowTest, ControlsSitInTheirContainersAsDesigned) {
    for (const Placed& row : layout) {
        SCOPED_TRACE(row.name);
        auto* placed = control(row.name);
        EXPECT_TRUE(placed->inherits(row.kind));
        EXPECT_EQ(captionOf(placed), QString::fromUtf8(row.caption));
        const QRect expected(twips(row.left), twips(row.top), twips(row.width), twips(row.height));
        const QRect actual = row.container
                                 ? placed->geometry()
                                 : QRect(placed->mapTo(client(), QPoint()), placed->size());
        EXPECT_EQ(actual, expected);
        if (row.container) {
            EXPECT_EQ(placed->parentWidget()->objectName(), QString::fromLatin1(row.container));
        } else {
            // Whatever holds it on the client area is no control of its own.
            for (QWidget* up = placed->parentWidget(); up != client(); up = up->parentWidget()) {
                ASSERT_NE(up, nullptr);
                EXPECT_EQ(tabIndexOf(up), -1) << up->objectName().toStdString();
            }
        }
    }

    // "or" fits its box to its text; only where it starts is given.
    auto* orLabel = control<QLabel>("lbl_info2");
    EXPECT_EQ(orLabel->text(), QStringLiteral("or"));
    EXPECT_EQ(orLabel->mapTo(client(), QPoint()), QPoint(twips(2040), twips(480)));

    // Line1 runs from (1680, 720) to (4560, 720) inside frm_View.
    auto* line = control("Line1");
    EXPECT_EQ(line->parentWidget(), control("frm_View"));
    EXPECT_EQ(line->geometry(), QRect(twips(1680), twips(720), twips(4560 - 1680), 1));
}

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

TEST_F(MainWindowTest, TabFollowsTheDesignedOrder) {
    const QStringList expected = {"txt_Subnets",    "txt_hosts",    "cmd_Calc",   "cmd_View",
                                  "txt_SubnetMask", "cmd_Discover", "list_Range", "rb_C",
                                  "rb_B",           "rb_B2",        "rb_C2"};
    QStringList chain;
    QWidget* start = control("txt_Subnets");
    QWidget* next = start;
    do {
        if (expected.contains(next->objectName()) && !chain.contains(next->objectName()))
            chain.append(next->objectName());
        next = next->nextInFocusChain();
    } while (next != start);
    EXPECT_EQ(chain, expected);
}

TEST_F(MainWindowTest, OpensInMaskDiscoveryWithNothingAsked) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarnwell - Mask Discovery"));
    EXPECT_EQ(client()->size(), QSize(311, 188));
    // Drawn at every size the desktop asks for, so none is scaled up.
    const QList<QSize> drawn = {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(window.windowIcon().availableSizes(), drawn);
    for (const QSize& size : drawn)
        EXPECT_EQ(window.windowIcon().pixmap(size).size(), size);
    EXPECT_TRUE(control("frm_View")->isHidden());
    EXPECT_EQ(window.state().IPClass, QStringLiteral("B"));
    EXPECT_EQ(window.state().NetPattern, QStringLiteral("X.Y"));

    for (const char* empty : {"txt_Subnets", "txt_hosts", "txt_SubnetMask", "lbl_MaskAnswer",
                              "lbl_Discovery", "lbl_Start", "lbl_End"})
        EXPECT_EQ(captionOf(control(empty)), QString()) << empty;
    EXPECT_EQ(control<QListWidget>("list_Range")->count(), 0);
    EXPECT_EQ(control<QLabel>("lbl_ClassExt")->text(), QStringLiteral("X.Y.0.0"));
    EXPECT_EQ(control<QLabel>("lbl_Ext2")->text(), QStringLiteral(".0.0"));

    for (const Placed& row : layout) {
        const bool startsDisabled =
            qstrcmp(row.name, "cmd_Calc") == 0 || qstrcmp(row.name, "cmd_View") == 0;
        EXPECT_EQ(control(row.name)->isEnabled(), !startsDisabled) << row.name;
    }
    for (const auto& [option, selected] : {std::pair{"rb_B", true}, std::pair{"rb_C", false},
                                           std::pair{"rb_B2", true}, std::pair{"rb_C2", false}})
        EXPECT_EQ(control<QAbstractButton>(option)->isChecked(), selected) << option;

    EXPECT_EQ(control("lbl_InterNic")->toolTip(),
              QStringLiteral("This Class B address will have been assigned to you and will look "
                             "like 192.127.0.0 or if you use a private internal address, the "
                             "address will be like 10.5.0.0"));

    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), control("txt_Subnets"));
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
        for (const Placed& row : layout) {
            if (!isMaskDiscoveryControl(row))
                continue;
            QWidget* placed = control(row.name);
            QWidget* onTop = client()->childAt(placed->mapTo(client(), placed->rect().center()));
            const QWidget* expected = step.rangeViewShown ? rangeView : placed;
            EXPECT_TRUE(onTop && (onTop == expected || expected->isAncestorOf(onTop))) << row.name;
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

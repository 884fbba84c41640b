// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The About dialog on the offscreen platform, opened modally as the main
// window opens it and driven from the keyboard.

#include "about/about_dialog.h"
#include "common/app_info.h"
#include "common/control_table.h"
#include "common/label.h"

#include "accessibility_checks.h"
#include "qstring_printer.h"
#include "recording_message_box.h"
#include "scripted_system_services.h"
#include "table_rows.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

using ::PrintTo;

const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");

class AboutDialogTest : public ::testing::Test {
protected:
    // Opens a dialog modally, as Help, About does, and runs `act` once it is
    // up; gives whether the dialog was closed by the time `act` returned.
    bool open(const std::function<void(AboutDialog&)>& act) {
        AboutDialog dialog(messages, system, nullptr);
        bool closedByAct = false;
        QTimer::singleShot(0, &dialog, [&] {
            if (!QTest::qWaitForWindowActive(&dialog))
                ADD_FAILURE() << "the dialog never became active";
            act(dialog);
            closedByAct = !dialog.isVisible();
            dialog.done(QDialog::Rejected); // ends a dialog the act left open
        });
        dialog.exec();
        return closedByAct;
    }

    static QString caption(const AboutDialog& dialog, const char* label) {
        return controlNamed<Label>(&dialog, label)->caption();
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // An access key clicks its button the way the mouse would, after the
    // button has been shown pressed for a moment.
    void pressAltS() {
        press(Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !system.opens.empty(); }))
            << "System Info was not clicked";
    }

    RecordingMessageBox messages;
    ScriptedSystemServices system;
};

TEST_F(AboutDialogTest, LoadShowsTitleAndVersion) {
    open([](AboutDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Tarnwell"));
        EXPECT_EQ(caption(dialog, "lblTitle"), QStringLiteral("Tarnwell"));
        EXPECT_EQ(caption(dialog, "lblVersion"),
                  QStringLiteral("Version ") + QLatin1String(applicationVersion));
    });
}

// Each opening loads afresh from the application information.
// The title and version are set at load, so they are described, not named.
TEST_F(AboutDialogTest, ControlsTellAScreenReaderWhatTheyHold) {
    AboutDialog dialog(messages, system, nullptr);
    const Told told[] = {
        {"lblTitle", nullptr, "Application title"},
        {"lblVersion", nullptr, "Application version"},
        {"picIcon", "Program picture", ""},
    };
    for (const Told& row : told)
        expectTold(&dialog, row);
}

TEST_F(AboutDialogTest, ReopeningLoadsAgain) {
    const QString title = QCoreApplication::applicationName();
    open([](AboutDialog&) {});
    QCoreApplication::setApplicationName(QStringLiteral("Renamed"));
    open([](AboutDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Renamed"));
        EXPECT_EQ(caption(dialog, "lblTitle"), QStringLiteral("Renamed"));
    });
    QCoreApplication::setApplicationName(title);
}

TEST_F(AboutDialogTest, FocusStartsOnOk) {
    open([](AboutDialog& dialog) {
        EXPECT_EQ(QApplication::focusWidget(), controlNamed<QPushButton>(&dialog, "cmdOK"));
    });
}

struct CloseCase {
    const char* name;
    const char* focus; // the button that has the focus
    Qt::Key key;
    bool closes;
};

class AboutDialogKeys : public AboutDialogTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(AboutDialogKeys, CloseOrStartTheTool) {
    const CloseCase& row = GetParam();
    const bool closed = open([&](AboutDialog& dialog) {
        controlNamed<QPushButton>(&dialog, row.focus)->setFocus();
        press(row.key);
    });
    EXPECT_EQ(closed, row.closes);
    // Only System Info looks anything up.
    EXPECT_EQ(system.opens.empty(), row.closes);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, AboutDialogKeys,
    testing::Values(CloseCase{"EscOnOk", "cmdOK", Qt::Key_Escape, true},
                    CloseCase{"EscOnSysInfo", "cmdSysInfo", Qt::Key_Escape, true},
                    CloseCase{"EnterOnOk", "cmdOK", Qt::Key_Return, true},
                    CloseCase{"KeypadEnterOnOk", "cmdOK", Qt::Key_Enter, true},
                    CloseCase{"EnterOnSysInfoClicksIt", "cmdSysInfo", Qt::Key_Return, false},
                    CloseCase{"SpaceOnSysInfoClicksIt", "cmdSysInfo", Qt::Key_Space, false}),
    rowName);

TEST_F(AboutDialogTest, TabMovesBetweenTheButtons) {
    open([](AboutDialog& dialog) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controlNamed<QPushButton>(&dialog, "cmdSysInfo"));
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controlNamed<QPushButton>(&dialog, "cmdOK"));
    });
}

TEST_F(AboutDialogTest, AltSWithoutTheToolShowsTheMessageAndStaysOpen) {
    const bool closed = open([this](AboutDialog&) { pressAltS(); });

    EXPECT_FALSE(closed);
    EXPECT_EQ(system.opens.size(), 2u);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, unavailable);
    EXPECT_EQ(messages.shown[0].style, 0);
    EXPECT_EQ(messages.shown[0].title, QString()); // the application's title
}

TEST_F(AboutDialogTest, AltSStartsAToolThatIsThere) {
    system.setString("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "C:\\Tools\\tool.exe");

    const bool closed = open([this](AboutDialog&) { pressAltS(); });

    EXPECT_FALSE(closed);
    EXPECT_EQ(system.started, std::vector<std::string>{"C:\\Tools\\tool.exe"});
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace

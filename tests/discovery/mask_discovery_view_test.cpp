// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Mask Discovery view in the real window, driven from the keyboard and
// the mouse as a person would.

#include "class_letter.h"
#include "common/label.h"
#include "common/system_colour.h"
#include "common/text_box.h"
#include "mask_discovery_invariants.h"
#include "qstring_printer.h"
#include "system_colours.h"
#include "window_fixture.h"

#include <QInputMethodEvent>

namespace {

const QString entryErrorText =
    QStringLiteral("You have entered a value which is invalid and does not fall into an accepted "
                   "IP formatting range.  Please try again.");

class MaskDiscoveryViewTest : public WindowFixture {
protected:
    TextBox* box(const char* name) const { return control<TextBox>(name); }

    void clearBoxes() {
        box("txt_Subnets")->clear();
        box("txt_hosts")->clear();
    }

    // What the view shows, in one text, to compare it before and after.
    QString shown() const {
        QStringList parts;
        for (const char* name : {"txt_Subnets", "txt_hosts"})
            parts << box(name)->text() << QString::number(enabled(name)) << shownColour(name);
        for (const char* name : {"lbl_MaskAnswer", "lbl_Discovery", "lbl_ClassExt"})
            parts << caption(name);
        for (const char* name : {"cmd_Calc", "cmd_View"})
            parts << QString::number(enabled(name));
        return parts.join(u'|');
    }

    void expectEntryErrors(qsizetype count) const {
        ASSERT_EQ(messages.shown.size(), count);
        for (const RecordingMessageBox::Message& message : messages.shown) {
            EXPECT_EQ(message.text, entryErrorText);
            EXPECT_EQ(message.style, 0);
            EXPECT_EQ(message.title, QStringLiteral("Entry Error"));
        }
    }
};

TEST_F(MaskDiscoveryViewTest, TypingIntoOneBoxLocksTheOtherUntilItIsEmptyAgain) {
    // Fusion draws a disabled box in the window colour anyway; where disabled
    // boxes are drawn otherwise, only the box's own colour shows it locked.
    QPalette theme = window.palette();
    theme.setColor(QPalette::Disabled, QPalette::Base, Qt::darkCyan);
    window.setPalette(theme);

    const std::pair<const char*, const char*> boxes[] = {{"txt_Subnets", "txt_hosts"},
                                                         {"txt_hosts", "txt_Subnets"}};
    for (const auto& [typed, partner] : boxes) {
        SCOPED_TRACE(typed);
        type(typed, QStringLiteral("6"));
        EXPECT_FALSE(enabled(partner));
        EXPECT_EQ(shownColour(partner), systemColourValue(lockedColour, theme).name());
        EXPECT_TRUE(enabled("cmd_Calc"));

        press(typed, Qt::Key_Backspace);
        EXPECT_EQ(box(typed)->text(), QString());
        EXPECT_TRUE(enabled(partner));
        EXPECT_EQ(shownColour(partner), systemColourValue(openColour, theme).name());
        EXPECT_FALSE(enabled("cmd_Calc"));
    }
}

// A desktop theme changed while the window is open reaches the boxes: the
// locked one at once, and the one unlocked later, in the colours of the
// theme as it is then.
TEST_F(MaskDiscoveryViewTest, BoxesFollowAPaletteChange) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    const auto switchTo = [](const QPalette& palette) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the widgets hear of it later
    };

    type("txt_Subnets", QStringLiteral("6"));
    switchTo(dark);
    EXPECT_EQ(shownColour("txt_hosts"), QStringLiteral("#323232"));
    press("txt_Subnets", Qt::Key_Backspace);
    EXPECT_EQ(shownColour("txt_hosts"), QStringLiteral("#242424"));
    switchTo(light);
    EXPECT_EQ(shownColour("txt_hosts"), light.color(QPalette::Base).name());
}

TEST_F(MaskDiscoveryViewTest, OnlyDigitsAndBackspaceAreTyped) {
    QApplication::clipboard()->setText(QStringLiteral("7"));
    for (const char* name : {"txt_Subnets", "txt_hosts"}) {
        SCOPED_TRACE(name);
        type(name, QStringLiteral("1a.- Z,+2"));
        press(name, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box(name)->text(), QStringLiteral("12"));
        press(name, Qt::Key_Backspace);
        EXPECT_EQ(box(name)->text(), QStringLiteral("1"));
        press(name, Qt::Key_Backspace);
    }
}

// An input method commits whole texts at once; each of their characters
// passes the same filter as a typed one.
TEST_F(MaskDiscoveryViewTest, InputMethodsCommitOnlyTheDigits) {
    const std::pair<QString, QString> commits[] = {
        {QStringLiteral("2048"), QStringLiteral("2048")},
        {QStringLiteral("1a.5 -"), QStringLiteral("15")},
        {QStringLiteral("\u0663\uff17"), QString()},
        {QStringLiteral("\U0001D7D9") + QStringLiteral("7"), QStringLiteral("7")},
    };
    for (const char* name : {"txt_Subnets", "txt_hosts"}) {
        for (const auto& [committed, kept] : commits) {
            SCOPED_TRACE(std::string(name) + " " + committed.toStdString());
            clearBoxes();
            QInputMethodEvent commit;
            commit.setCommitString(committed);
            QApplication::sendEvent(box(name), &commit);
            EXPECT_EQ(box(name)->text(), kept);
        }
    }
}

TEST_F(MaskDiscoveryViewTest, CalculateShowsTheClosestMaskWithItsCounts) {
    const struct {
        const char* classOption;
        const char* box;
        const char* typed;
        const char* mask;
        const char* sentence;
    } cases[] = {
        {"rb_B", "txt_Subnets", "6", "255.255.224.0", "6 segments with 8190 hosts per segment."},
        {"rb_B", "txt_Subnets", "007", "255.255.240.0", "14 segments with 4094 hosts per segment."},
        {"rb_B", "txt_hosts", "16382", "255.255.192.0", "2 segments with 16382 hosts per segment."},
        {"rb_C", "txt_Subnets", "1", "255.255.255.0", "1 segments with 254 hosts per segment."},
        {"rb_C", "txt_hosts", "20", "255.255.255.224", "6 segments with 30 hosts per segment."},
        {"rb_C", "txt_hosts", "200", "255.255.255.0", "1 segments with 254 hosts per segment."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.classOption) + " " + c.box + " " + c.typed);
        click(c.classOption);
        clearBoxes();
        type(c.box, QString::fromLatin1(c.typed));
        click("cmd_Calc");
        EXPECT_EQ(caption("lbl_MaskAnswer"), QString::fromLatin1(c.mask));
        EXPECT_EQ(caption("lbl_Discovery"), QString::fromLatin1(c.sentence));
        EXPECT_TRUE(enabled("cmd_View"));
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Typed requests out of range, and pasted texts that are no plain decimal
// number, all get the same error box and change nothing else.
TEST_F(MaskDiscoveryViewTest, CalculateRefusesWhatFitsNoMaskWithTheEntryErrorAlone) {
    const struct {
        const char* classOption;
        const char* box;
        QString text;
        bool pasted;
    } cases[] = {
        {"rb_B", "txt_hosts", QStringLiteral("3"), false},
        {"rb_B", "txt_Subnets", QStringLiteral("0"), false},
        {"rb_B", "txt_Subnets", QStringLiteral("16383"), false},
        {"rb_B", "txt_hosts", QStringLiteral("65535"), false},
        {"rb_C", "txt_Subnets", QStringLiteral("31"), false},
        {"rb_C", "txt_hosts", QStringLiteral("255"), false},
        {"rb_B", "txt_Subnets", QStringLiteral("12a"), true},
        {"rb_B", "txt_hosts", QStringLiteral("-50"), true},
        {"rb_B", "txt_Subnets", QStringLiteral("1e3"), true},
        {"rb_B", "txt_hosts", QStringLiteral(" 60"), true},
        {"rb_B", "txt_Subnets", QStringLiteral("٦"), true},
        {"rb_B", "txt_hosts", QString(400, u'9'), true},
    };
    qsizetype errors = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.classOption) + " " + c.box + " " + c.text.toStdString());
        click(c.classOption);
        clearBoxes();
        if (c.pasted)
            paste(c.box, c.text);
        else
            type(c.box, c.text);
        ASSERT_EQ(box(c.box)->text(), c.text);
        const QString before = shown();
        click("cmd_Calc");
        expectEntryErrors(++errors);
        EXPECT_EQ(shown(), before);
        EXPECT_EQ(caption("lbl_MaskAnswer"), QString());
        EXPECT_EQ(caption("lbl_Discovery"), QString());
        EXPECT_FALSE(enabled("cmd_View"));
    }
}

TEST_F(MaskDiscoveryViewTest, PickingAClassEmptiesTheRequestAndSetsTheClass) {
    const struct {
        const char* option;
        const char* box;
        const char* ipClass;
        const char* netPattern;
        const char* network;
    } cases[] = {
        {"rb_C", "txt_Subnets", "C", "X.Y.Z", "X.Y.Z.0"},
        {"rb_B", "txt_hosts", "B", "X.Y", "X.Y.0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        type(c.box, QStringLiteral("40"));
        click("cmd_Calc");
        ASSERT_FALSE(caption("lbl_MaskAnswer").isEmpty());
        click(c.option);
        EXPECT_EQ(letterOf(window.state().networkClass()), QString::fromLatin1(c.ipClass));
        EXPECT_EQ(window.state().NetPattern(), QString::fromLatin1(c.netPattern));
        const QString open = systemColourValue(openColour, window.palette()).name();
        EXPECT_EQ(shown(), QStringLiteral("|1|%1||1|%1|||%2|0|0").arg(open, c.network));
    }
}

TEST_F(MaskDiscoveryViewTest, EveryStepOfASessionKeepsTheInvariants) {
    const struct {
        const char* step;
        std::function<void()> act;
        const char* mask;
        qsizetype errors;
    } session[] = {
        {"type 6", [&] { type("txt_Subnets", "6"); }, "", 0},
        {"calculate", [&] { click("cmd_Calc"); }, "255.255.224.0", 0},
        {"type 0", [&] { type("txt_Subnets", "0"); }, "", 0},
        {"calculate 60", [&] { click("cmd_Calc"); }, "255.255.252.0", 0},
        {"type into the locked box", [&] { type("txt_hosts", "5"); }, "255.255.252.0", 0},
        {"click into the locked box", [&] { click("txt_hosts"); }, "255.255.252.0", 0},
        {"delete one digit", [&] { press("txt_Subnets", Qt::Key_Backspace); }, "", 0},
        {"delete the other", [&] { press("txt_Subnets", Qt::Key_Backspace); }, "", 0},
        {"calculate when disabled", [&] { click("cmd_Calc"); }, "", 0},
        {"type nodes 20", [&] { type("txt_hosts", "20"); }, "", 0},
        {"pick class C", [&] { click("rb_C"); }, "", 0},
        {"type nodes 20 again", [&] { type("txt_hosts", "20"); }, "", 0},
        {"calculate C", [&] { click("cmd_Calc"); }, "255.255.255.224", 0},
        {"type 0", [&] { type("txt_hosts", "0"); }, "", 0},
        {"calculate 200", [&] { click("cmd_Calc"); }, "255.255.255.0", 0},
        {"paste a letter", [&] { paste("txt_hosts", "x"); }, "", 0},
        {"calculate 200x", [&] { click("cmd_Calc"); }, "", 1},
        {"type a discarded key", [&] { type("txt_hosts", "."); }, "", 1},
        {"pick class B", [&] { click("rb_B"); }, "", 1},
        {"paste into subnets", [&] { paste("txt_Subnets", "3"); }, "", 1},
        {"calculate pasted 3", [&] { click("cmd_Calc"); }, "255.255.224.0", 1},
        {"pick class B again", [&] { click("rb_B"); }, "255.255.224.0", 1},
    };
    EXPECT_EQ(brokenMaskDiscoveryInvariant(*this), QString());
    for (const auto& s : session) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(brokenMaskDiscoveryInvariant(*this), QString());
        EXPECT_EQ(caption("lbl_MaskAnswer"), QString::fromLatin1(s.mask));
        EXPECT_EQ(messages.shown.size(), s.errors);
    }
}

TEST_F(MaskDiscoveryViewTest, AVisitToRangeInformationKeepsTheRequestAndTheClass) {
    // The Range Information view sets the shared class its own way; back in
    // this view, the class is again the one its options show.
    const struct {
        const char* option;
        const char* rangeOption; // clicked while away, or nullptr
        const char* ipClass;
        const char* netPattern;
        const char* mask;
    } cases[] = {
        {"rb_C", nullptr, "C", "X.Y.Z", "255.255.255.224"},
        {"rb_B", "rb_C2", "B", "X.Y", "255.255.224.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + (c.rangeOption ? c.rangeOption : "-"));
        click(c.option);
        type("txt_Subnets", QStringLiteral("6"));
        click("cmd_Calc");
        ASSERT_EQ(caption("lbl_MaskAnswer"), QString::fromLatin1(c.mask));
        const QString before = shown();

        choose("menu_ViewRI");
        if (c.rangeOption)
            click(c.rangeOption);
        choose("menu_ViewSMD");
        EXPECT_EQ(shown(), before);
        EXPECT_EQ(letterOf(window.state().networkClass()), QString::fromLatin1(c.ipClass));
        EXPECT_EQ(window.state().NetPattern(), QString::fromLatin1(c.netPattern));

        click("cmd_Calc");
        EXPECT_EQ(shown(), before);
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace

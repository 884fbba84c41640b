// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The event rules the views rely on, checked on each control by itself.

#include "common/captioned_frame.h"
#include "common/command_button.h"
#include "common/label.h"
#include "common/list_box.h"
#include "common/option_button.h"
#include "common/text_box.h"

#include "click_row.h"
#include "qstring_printer.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(TextBox, RaisesChangedOncePerDifferentTextBeforeSetTextReturns) {
    TextBox box;
    QStringList seen;
    QObject::connect(&box, &TextBox::changed, [&] { seen.append(box.text()); });

    box.setText(QStringLiteral("6"));
    EXPECT_EQ(seen, QStringList{"6"}); // the handler ran inside setText
    box.setText(QStringLiteral("6"));
    EXPECT_EQ(seen.size(), 1);
    box.setText(QString());
    QTest::keyClicks(&box, QStringLiteral("12"));
    EXPECT_EQ(seen, (QStringList{"6", "", "1", "12"}));
}

// Each key is typed into "12" at `cursor` with a handler that records every
// code it is given and discards one of them. Where `text` is set the key
// carries it, as the platforms deliver that key.
struct KeyCase {
    const char* name;
    int cursor;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char16_t* text;
    int discarded;
    std::vector<int> codesSeen;
    const char* after;
    int cursorAfter;
};

TEST(TextBox, KeyPressHandlerSeesTypedCharactersOnly) {
    const KeyCase cases[] = {
        {"letter kept", 2, Qt::Key_A, Qt::NoModifier, nullptr, 0, {'a'}, "12a", 3},
        {"digit discarded", 2, Qt::Key_3, Qt::NoModifier, nullptr, '3', {'3'}, "12", 2},
        {"backspace kept", 2, Qt::Key_Backspace, Qt::NoModifier, nullptr, 0, {8}, "1", 1},
        {"backspace discarded", 2, Qt::Key_Backspace, Qt::NoModifier, nullptr, 8, {8}, "12", 2},
        {"Ctrl+V discarded as 22", 2, Qt::Key_V, Qt::ControlModifier, nullptr, 22, {22}, "12", 2},
        {"Ctrl+V kept pastes", 2, Qt::Key_V, Qt::ControlModifier, nullptr, 0, {22}, "12ab", 4},
        {"Delete carrying DEL", 0, Qt::Key_Delete, Qt::NoModifier, u"\x7f", 127, {}, "2", 0},
        {"Left", 2, Qt::Key_Left, Qt::NoModifier, nullptr, 0, {}, "12", 1},
        {"Home", 2, Qt::Key_Home, Qt::NoModifier, nullptr, 0, {}, "12", 0},
    };
    QApplication::clipboard()->setText(QStringLiteral("ab"));
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        TextBox box;
        box.setText(QStringLiteral("12"));
        box.setCursorPosition(c.cursor);
        std::vector<int> seen;
        box.setKeyPressHandler([&, discarded = c.discarded](int& code) {
            seen.push_back(code);
            if (code == discarded)
                code = 0;
        });
        if (c.text)
            QTest::sendKeyEvent(QTest::Click, &box, c.key, QString::fromUtf16(c.text), c.modifiers);
        else
            QTest::keyClick(&box, c.key, c.modifiers);
        EXPECT_EQ(seen, c.codesSeen);
        EXPECT_EQ(box.text(), QString::fromLatin1(c.after));
        EXPECT_EQ(box.cursorPosition(), c.cursorAfter);
    }
}

TEST(TextBox, PastedAndInsertedTextBypassesTheFilter) {
    TextBox box;
    int changes = 0;
    QObject::connect(&box, &TextBox::changed, [&] { ++changes; });
    box.setKeyPressHandler([](int& code) { code = 0; });

    QApplication::clipboard()->setText(QStringLiteral("1a. -"));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("1a. -"));
    box.insert(QStringLiteral("x"));
    EXPECT_EQ(box.text(), QStringLiteral("1a. -x"));
    EXPECT_EQ(changes, 2);
}

// Two frames of two options each, the first option of each selected.
class OptionButtonTest : public ::testing::Test {
protected:
    OptionButtonTest() {
        for (int frame = 0; frame < 2; ++frame) {
            auto* group = new QGroupBox(&window);
            group->setGeometry(0, frame * 60, 200, 50);
            for (int option = 0; option < 2; ++option) {
                OptionButton*& button = options[frame][option];
                button = new OptionButton(group);
                button->setText(QStringLiteral("BC").mid(option, 1));
                button->setGeometry(10 + option * 90, 20, 80, 20);
                QObject::connect(button, &OptionButton::picked,
                                 [this, frame, option] { ++picks[frame][option]; });
            }
            options[frame][0]->setValue(true);
        }
        picks = {};
        window.show();
    }

    // Clicks an option where a person would: on its round indicator.
    static void click(OptionButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }

    // Which options are selected, frame by frame: "10 10" at the start.
    QString selection() const {
        QString shown;
        for (const auto& frame : options)
            shown +=
                QStringLiteral("%1%2 ").arg(int(frame[0]->value())).arg(int(frame[1]->value()));
        return shown.trimmed();
    }

    QWidget window;
    std::array<std::array<OptionButton*, 2>, 2> options{};
    std::array<std::array<int, 2>, 2> picks{};
};

TEST_F(OptionButtonTest, SelectingFromTheProgramClearsTheSiblingAndClicksOnce) {
    options[0][1]->setValue(true);
    EXPECT_EQ(selection(), QStringLiteral("01 10"));
    EXPECT_EQ(picks, (std::array<std::array<int, 2>, 2>{{{0, 1}, {0, 0}}}));

    options[0][1]->setValue(true); // already selected: no Click
    EXPECT_EQ(picks[0][1], 1);
}

TEST_F(OptionButtonTest, ClearingFromTheProgramOnlyClears) {
    options[0][0]->setValue(false);
    EXPECT_EQ(selection(), QStringLiteral("00 10"));
    EXPECT_EQ(picks, (std::array<std::array<int, 2>, 2>{}));

    // The frame still keeps one option selected at a time afterwards.
    options[0][0]->setValue(true);
    options[0][1]->setValue(true);
    EXPECT_EQ(selection(), QStringLiteral("01 10"));
    EXPECT_EQ(picks, (std::array<std::array<int, 2>, 2>{{{1, 1}, {0, 0}}}));
}

TEST_F(OptionButtonTest, UserClickSelectsWithinItsFrameOnly) {
    click(options[1][1]);
    EXPECT_EQ(selection(), QStringLiteral("10 01"));
    EXPECT_EQ(picks, (std::array<std::array<int, 2>, 2>{{{0, 0}, {0, 1}}}));

    options[1][1]->setValue(false);
    click(options[1][0]);
    EXPECT_EQ(selection(), QStringLiteral("10 10"));
    EXPECT_EQ(picks[1][0], 1);
}

TEST(Label, RaisesChangedOnlyForADifferentCaption) {
    Label label;
    QStringList seen;
    QObject::connect(&label, &Label::changed, [&] { seen.append(label.caption()); });
    for (const char* caption : {"", "X.Y.0.0", "X.Y.0.0", "X.Y.Z.0", ""})
        label.setCaption(QString::fromLatin1(caption));
    EXPECT_EQ(seen, (QStringList{"X.Y.0.0", "X.Y.Z.0", ""}));
}

TEST(ListBox, PicksRowsChosenByMouseOrKeyboardButNotOnClear) {
    ListBox list;
    list.addItems({"X.Y.192.0", "X.Y.160.0", "X.Y.128.0"});
    list.resize(120, 100);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QList<int> picked;
    QObject::connect(&list, &ListBox::picked, [&] { picked.append(list.listIndex()); });
    EXPECT_EQ(list.listIndex(), -1);

    // The first arrow key picks the first row rather than skipping past it.
    list.activateWindow();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    clickRow(&list, 2);
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(picked, (QList<int>{0, 2, 1}));

    list.clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(picked.size(), 3);
}

TEST(ListBox, AsksForItsMenuOnShiftF10AndTheMenuKeyOnly) {
    ListBox list;
    list.addItems({"X.Y.192.0", "X.Y.160.0"});
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    int asked = 0;
    QObject::connect(&list, &ListBox::menuRequested, [&] { ++asked; });
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int asked;
    } keys[] = {
        {Qt::Key_F10, Qt::NoModifier, 0},
        {Qt::Key_Down, Qt::ShiftModifier, 0},
        {Qt::Key_F10, Qt::ShiftModifier, 1},
        {Qt::Key_Menu, Qt::NoModifier, 2},
    };
    for (const auto& k : keys) {
        QTest::keyClick(&list, k.key, k.modifiers);
        EXPECT_EQ(asked, k.asked) << QKeySequence(k.key | k.modifiers).toString().toStdString();
    }
}

// The caption is drawn once, wrapped by the button itself; the style draws
// only the bevel, or a second, unwrapped caption would show through.
TEST(CommandButton, LeavesTheCaptionOutOfWhatTheStyleDraws) {
    class LabelRecorder : public QProxyStyle {
    public:
        void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const override {
            const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            if (element == CE_PushButtonLabel && button)
                labels.append(button->text);
            QProxyStyle::drawControl(element, option, painter, widget);
        }
        mutable QStringList labels;
    } style;
    CommandButton button;
    button.setStyle(&style);
    button.setText(QStringLiteral("View Range Information"));
    button.resize(81, 33);
    button.grab();
    EXPECT_FALSE(style.labels.contains(button.text())) << style.labels.join(u'|').toStdString();
}

// The etched line runs along every edge: dark, with a light line just below
// or right of it. Below the caption's middle, the pair fills the outermost
// pixels of the frame.
TEST(CaptionedFrame, EtchesItsLineAlongEveryEdge) {
    CaptionedFrame frame(QString{});
    QPalette palette;
    palette.setColor(QPalette::Dark, Qt::black);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Window, Qt::gray);
    frame.setPalette(palette);
    frame.resize(80, 60);
    const QImage picture = frame.grab().toImage();
    const int top = frame.borderTop();
    const int middleRow = (top + 60) / 2;
    const struct {
        const char* edge;
        QPoint dark;
        QPoint light;
    } edges[] = {
        {"top", {40, top}, {40, top + 1}},
        {"bottom", {40, 58}, {40, 59}},
        {"left", {0, middleRow}, {1, middleRow}},
        {"right", {78, middleRow}, {79, middleRow}},
    };
    for (const auto& e : edges) {
        SCOPED_TRACE(e.edge);
        EXPECT_EQ(picture.pixelColor(e.dark), QColor(Qt::black));
        EXPECT_EQ(picture.pixelColor(e.light), QColor(Qt::white));
    }
}

} // namespace

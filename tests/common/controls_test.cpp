// The event rules the views rely on, checked on each control by itself.

#include "common/label.h"
#include "common/list_box.h"
#include "common/option_button.h"
#include "common/text_box.h"

#include "qstring_printer.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
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

// A handler that records every code it is given and discards one of them.
struct KeyCase {
    const char* name;
    const char* before;
    int cursor;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int discarded; // the code the handler sets to 0
    std::vector<int> codesSeen;
    const char* after;
};

TEST(TextBox, KeyPressHandlerSeesTypedCharactersOnly) {
    const KeyCase cases[] = {
        {"typed letter kept", "12", 2, Qt::Key_A, Qt::NoModifier, 0, {'a'}, "12a"},
        {"typed digit discarded", "12", 2, Qt::Key_3, Qt::NoModifier, '3', {'3'}, "12"},
        {"backspace kept", "12", 2, Qt::Key_Backspace, Qt::NoModifier, 0, {8}, "1"},
        {"backspace discarded", "12", 2, Qt::Key_Backspace, Qt::NoModifier, 8, {8}, "12"},
        {"Ctrl+V is code 22", "12", 2, Qt::Key_V, Qt::ControlModifier, 22, {22}, "12"},
        {"Ctrl+V kept pastes", "12", 2, Qt::Key_V, Qt::ControlModifier, 0, {22}, "12ab"},
        {"Delete unfiltered", "12", 0, Qt::Key_Delete, Qt::NoModifier, 127, {}, "2"},
        {"Left unfiltered", "12", 2, Qt::Key_Left, Qt::NoModifier, 0, {}, "12"},
        {"Home unfiltered", "12", 2, Qt::Key_Home, Qt::NoModifier, 0, {}, "12"},
    };
    QApplication::clipboard()->setText(QStringLiteral("ab"));
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        TextBox box;
        box.setText(QString::fromLatin1(c.before));
        box.setCursorPosition(c.cursor);
        std::vector<int> seen;
        box.setKeyPressHandler([&, discarded = c.discarded](int& code) {
            seen.push_back(code);
            if (code == discarded)
                code = 0;
        });
        QTest::keyClick(&box, c.key, c.modifiers);
        EXPECT_EQ(seen, c.codesSeen);
        EXPECT_EQ(box.text(), QString::fromLatin1(c.after));
    }
}

TEST(TextBox, NavigationKeysStillMoveTheCursor) {
    TextBox box;
    box.setKeyPressHandler([](int& code) { code = 0; });
    box.setText(QStringLiteral("123"));
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Right);
    EXPECT_EQ(box.cursorPosition(), 1);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), QStringLiteral("13"));
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
                button->setGeometry(10 + option * 90, 20, 80, 20);
                QObject::connect(button, &OptionButton::picked,
                                 [this, frame, option] { ++picks[frame][option]; });
            }
            options[frame][0]->setValue(true);
        }
        picks = {};
        window.show();
    }

    // Which options are selected, frame by frame: "10 10" at the start.
    QString selection() const {
        QString shown;
        for (const auto& frame : options)
            shown += QStringLiteral("%1%2 ").arg(int(frame[0]->value())).arg(int(frame[1]->value()));
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
    QTest::mouseClick(options[1][1], Qt::LeftButton);
    EXPECT_EQ(selection(), QStringLiteral("10 01"));
    EXPECT_EQ(picks, (std::array<std::array<int, 2>, 2>{{{0, 0}, {0, 1}}}));

    options[1][1]->setValue(false);
    QTest::mouseClick(options[1][0], Qt::LeftButton);
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

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(1)).center());
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(picked, (QList<int>{1, 2}));

    list.clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(picked.size(), 2);
}

} // namespace

// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Copying results out: the result labels' menus, the list's copy key and its
// menu, all read back from the clipboard.

#include "click_row.h"
#include "common/copy_menu.h"
#include "qstring_printer.h"
#include "window_fixture.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <functional>

namespace {

const QString noCopyYet = QStringLiteral("(nothing copied)");

class CopyingTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QApplication::clipboard()->setText(noCopyYet);
    }

    QString clipboard() const { return QApplication::clipboard()->text(); }
    QListWidget* list() const { return control<QListWidget>("list_Range"); }

    // Right-clicks through the window, as the platform delivers a click.
    CopyMenu* rightClick(QWidget* target, const QPoint& at) {
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, target->mapTo(&window, at));
        return openMenuOf(target);
    }

    CopyMenu* openMenuOf(QWidget* owner) {
        auto* menu = owner->findChild<CopyMenu*>();
        EXPECT_TRUE(menu && menu->isVisible()) << owner->objectName().toStdString();
        return menu && menu->isVisible() ? menu : nullptr;
    }

    // Whether the command was enabled; an enabled one is chosen.
    static bool chose(CopyMenu* menu, const QString& caption) {
        QAction* chosen = nullptr;
        for (QAction* command : menu->actions()) {
            if (command->text() == caption)
                chosen = command;
        }
        EXPECT_NE(chosen, nullptr) << caption.toStdString();
        const bool enabled = chosen && chosen->isEnabled();
        if (enabled)
            chosen->trigger();
        menu->hide();
        return enabled;
    }

    bool copiedFromLabel(const char* name) {
        QWidget* label = control(name);
        CopyMenu* menu = rightClick(label, label->rect().center());
        return menu && chose(menu, QStringLiteral("&Copy"));
    }

    void showSegmentsOfSixSubnets() {
        type("txt_Subnets", QStringLiteral("6"));
        click("cmd_Calc");
        click("cmd_View");
        ASSERT_EQ(list()->count(), 6);
    }

    // As platforms deliver the keyboard's menu request: an event with no
    // pointer position of its own.
    void askForMenuFromTheKeyboard() {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
        QApplication::sendEvent(list(), &request);
    }

    QPoint rowCentre(int row) const {
        return list()->viewport()->mapTo(list(),
                                         list()->visualItemRect(list()->item(row)).center());
    }
};

TEST_F(CopyingTest, ResultLabelsCopyTheirTextAndTakeNoFocus) {
    EXPECT_FALSE(copiedFromLabel("lbl_MaskAnswer")) << "nothing to copy yet";
    EXPECT_EQ(clipboard(), noCopyYet);

    type("txt_Subnets", QStringLiteral("6"));
    click("cmd_Calc");
    QWidget* focused = QApplication::focusWidget();
    const struct {
        const char* label;
        const char* text;
    } results[] = {
        {"lbl_MaskAnswer", "255.255.224.0"},
        {"lbl_Discovery", "6 segments with 8190 hosts per segment."},
        {"lbl_Start", "X.Y.192.1"},
        {"lbl_End", "X.Y.223.254"},
    };
    for (const auto& result : results) {
        SCOPED_TRACE(result.label);
        if (qstrcmp(result.label, "lbl_Start") == 0) {
            click("cmd_View");
            clickRow(list(), 0);
            focused = QApplication::focusWidget();
        }
        EXPECT_TRUE(copiedFromLabel(result.label));
        EXPECT_EQ(clipboard(), QString::fromUtf8(result.text));
        EXPECT_EQ(QApplication::focusWidget(), focused);
        EXPECT_EQ(control(result.label)->focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(CopyingTest, CopyKeyCopiesTheSelectedRowOnly) {
    showSegmentsOfSixSubnets();
    list()->setFocus();
    QTest::keySequence(list(), QKeySequence::Copy);
    EXPECT_EQ(clipboard(), noCopyYet) << "no row selected";

    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keySequence(list(), QKeySequence::Copy);
    EXPECT_EQ(clipboard(), QStringLiteral("X.Y.192.0"));
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keySequence(list(), QKeySequence::Copy);
    EXPECT_EQ(clipboard(), QStringLiteral("X.Y.160.0"));
}

TEST_F(CopyingTest, ListMenuOpensOnTheRowItSelects) {
    showSegmentsOfSixSubnets();
    CopyMenu* menu = rightClick(list(), rowCentre(2));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(control<QLabel>("lbl_Start")->text(), QStringLiteral("X.Y.128.1"));
    EXPECT_TRUE(chose(menu, QStringLiteral("&Copy")));
    EXPECT_EQ(clipboard(), QStringLiteral("X.Y.128.0"));

    // From the keyboard the menu opens on the current row, whether the list
    // sees the key itself or the platform turns it into a context-menu event.
    const struct {
        const char* asked;
        std::function<void()> ask;
        int row;
        const char* start;
    } keys[] = {
        {"Menu", [&] { press("list_Range", Qt::Key_Menu); }, 3, "X.Y.96.1"},
        {"Shift+F10", [&] { press("list_Range", Qt::Key_F10, Qt::ShiftModifier); }, 4, "X.Y.64.1"},
        {"keyboard event", [&] { askForMenuFromTheKeyboard(); }, 5, "X.Y.32.1"},
    };
    for (const auto& key : keys) {
        SCOPED_TRACE(key.asked);
        list()->setCurrentRow(key.row, QItemSelectionModel::NoUpdate);
        key.ask();
        menu = openMenuOf(list());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(list()->currentRow(), key.row);
        EXPECT_EQ(control<QLabel>("lbl_Start")->text(), QString::fromUtf8(key.start));
        EXPECT_TRUE(chose(menu, QStringLiteral("&Copy")));
        EXPECT_EQ(clipboard(), list()->item(key.row)->text());
    }
}

TEST_F(CopyingTest, CopyAllSegmentsGivesATableWithTheWindowsCaptions) {
    showSegmentsOfSixSubnets();
    // Below the last row nothing is selected: only the whole list can be copied.
    CopyMenu* menu = rightClick(list(), QPoint(list()->width() / 2, list()->height() - 8));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(chose(menu, QStringLiteral("&Copy")));
    menu = rightClick(list(), QPoint(list()->width() / 2, list()->height() - 8));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(chose(menu, QStringLiteral("Copy &All Segments")));
    EXPECT_EQ(clipboard(), QStringLiteral("Available Segments\tStarting Address\tEnding Address\n"
                                          "X.Y.192.0\tX.Y.192.1\tX.Y.223.254\n"
                                          "X.Y.160.0\tX.Y.160.1\tX.Y.191.254\n"
                                          "X.Y.128.0\tX.Y.128.1\tX.Y.159.254\n"
                                          "X.Y.96.0\tX.Y.96.1\tX.Y.127.254\n"
                                          "X.Y.64.0\tX.Y.64.1\tX.Y.95.254\n"
                                          "X.Y.32.0\tX.Y.32.1\tX.Y.63.254\n"));
    EXPECT_TRUE(list()->selectedItems().isEmpty()) << "copying selects nothing";

    retype("txt_SubnetMask", QString());
    menu = rightClick(list(), rowCentre(0));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(chose(menu, QStringLiteral("Copy &All Segments"))) << "empty list";
}

// The longest lists of class B, copied whole: every row's addresses are
// worked out here from the row's place in the list.
TEST_F(CopyingTest, CopyAllSegmentsCopiesEveryRowOfTheLongestLists) {
    const auto address = [](int offset) {
        return QStringLiteral("X.Y.%1.%2").arg(offset / 256).arg(offset % 256);
    };
    choose("menu_ViewRI");
    for (const auto& [mask, size] : {std::pair{"255.255.255.252", 4}, {"255.255.255.254", 2}}) {
        SCOPED_TRACE(mask);
        retype("txt_SubnetMask", QString::fromLatin1(mask));
        click("cmd_Discover");
        QString expected = QStringLiteral("Available Segments\tStarting Address\tEnding Address\n");
        for (int own = 65536 - 2 * size; own >= size; own -= size) {
            const QString range = size == 2 ? QStringLiteral("None\tNone")
                                            : address(own + 1) + u'\t' + address(own + size - 2);
            expected += address(own) + u'\t' + range + u'\n';
        }
        CopyMenu* menu = rightClick(list(), rowCentre(0));
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(chose(menu, QStringLiteral("Copy &All Segments")));
        EXPECT_EQ(clipboard(), expected);
    }
}

} // namespace

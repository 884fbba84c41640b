// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "about/platform_system_services.h"
#include "app/main_window.h"
#include "common/control_table.h"
#include "common/label.h"
#include "common/list_box.h"
#include "recording_message_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The real main window, shown on the offscreen platform, with a recorder in
// place of the message box; tests drive it as a person would.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename Control = QWidget> Control* control(const char* name) const {
        return controlNamed<Control>(&window, name);
    }

    void choose(const char* menuItem) {
        auto* item = window.findChild<QAction*>(QString::fromLatin1(menuItem));
        ASSERT_NE(item, nullptr) << menuItem;
        item->trigger();
    }

    // Clicks near the left edge, where an option has its round indicator.
    void click(const char* name) {
        auto* target = control(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
    }

    // Keys go to the box with the focus; a disabled box cannot take it.
    void type(const char* box, const QString& keys) {
        control(box)->setFocus();
        QTest::keyClicks(control(box), keys);
    }

    void press(const char* box, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        control(box)->setFocus();
        QTest::keyClick(control(box), key, modifiers);
    }

    // Replaces a box's text from the keyboard: Backspace, which every box lets
    // through, erases the old text first.
    void retype(const char* box, const QString& text) {
        press(box, Qt::Key_End);
        for (qsizetype left = control<QLineEdit>(box)->text().size(); left > 0; --left)
            press(box, Qt::Key_Backspace);
        type(box, text);
    }

    QString caption(const char* label) const { return control<Label>(label)->caption(); }

    // The segment list's rows, top to bottom.
    QStringList rows() const {
        QStringList texts;
        auto* list = control<ListBox>("list_Range");
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->item(i)->text());
        return texts;
    }

    void paste(const char* box, const QString& text) {
        QApplication::clipboard()->setText(text);
        control<QLineEdit>(box)->paste();
    }

    RecordingMessageBox messages;
    std::unique_ptr<SystemServices> system = makePlatformSystemServices();
    MainWindow window{messages, *system};
};

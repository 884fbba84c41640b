#pragma once

#include "app/main_window.h"
#include "common/form_layout.h"
#include "recording_message_box.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// The real main window, shown on the offscreen platform, with a recorder in
// place of the message box; tests drive it as a person would.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { window.show(); }

    template <typename Control> Control* control(const char* name) const {
        return controlNamed<Control>(&window, name);
    }

    void choose(const char* menuItem) {
        auto* item = window.findChild<QAction*>(QString::fromLatin1(menuItem));
        ASSERT_NE(item, nullptr) << menuItem;
        item->trigger();
    }

    void click(const char* button) { QTest::mouseClick(control<QWidget>(button), Qt::LeftButton); }

    // Replaces a text box's text by typing, as the keyboard would: the old
    // text is erased with Backspace, which every box lets through.
    void type(const char* box, const QString& text) {
        auto* edit = control<QLineEdit>(box);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        for (qsizetype left = edit->text().size(); left > 0; --left)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    RecordingMessageBox messages;
    MainWindow window{messages};
};

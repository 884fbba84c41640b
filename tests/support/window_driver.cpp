// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_driver.h"

#include "common/label.h"
#include "common/list_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

bool WindowDriver::show() {
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

void WindowDriver::choose(const char* menuItem) {
    auto* item = window.findChild<QAction*>(QString::fromLatin1(menuItem));
    ASSERT_NE(item, nullptr) << menuItem;
    item->trigger();
}

// Clicks near the left edge, where an option has its round indicator.
void WindowDriver::click(const char* name) {
    auto* target = control(name);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(6, target->height() / 2));
}

// Keys go to the box with the focus; a disabled box cannot take it.
void WindowDriver::type(const char* box, const QString& keys) {
    control(box)->setFocus();
    QTest::keyClicks(control(box), keys);
}

void WindowDriver::press(const char* box, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    control(box)->setFocus();
    QTest::keyClick(control(box), key, modifiers);
}

// Replaces a box's text from the keyboard: Backspace, which every box lets
// through, erases the old text first.
void WindowDriver::retype(const char* box, const QString& text) {
    press(box, Qt::Key_End);
    for (qsizetype left = control<QLineEdit>(box)->text().size(); left > 0; --left)
        press(box, Qt::Key_Backspace);
    type(box, text);
}

void WindowDriver::paste(const char* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    control<QLineEdit>(box)->paste();
}

QString WindowDriver::caption(const char* label) const {
    return control<Label>(label)->caption();
}

QString WindowDriver::text(const char* box) const {
    return control<QLineEdit>(box)->text();
}

bool WindowDriver::enabled(const char* name) const {
    return control(name)->isEnabled();
}

QString WindowDriver::shownColour(const char* box) const {
    QWidget* shown = control(box);
    const QImage image = shown->grab().toImage();
    const QRect inside = shown->rect().adjusted(3, 3, -3, -3);
    std::map<QRgb, int> pixels;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++pixels[image.pixel(x, y)];
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pixels.erase(shown->palette().color(group, QPalette::Highlight).rgb());
    const auto most = std::max_element(pixels.begin(), pixels.end(),
                                       [](auto a, auto b) { return a.second < b.second; });
    return most == pixels.end() ? QString() : QColor(most->first).name();
}

// The segment list's rows, top to bottom.
QStringList WindowDriver::rows() const {
    QStringList texts;
    auto* list = control<ListBox>("list_Range");
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

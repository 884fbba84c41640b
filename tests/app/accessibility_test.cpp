// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told: the names and descriptions of the controls
// and which caption labels which input, read through Qt's accessibility layer.

#include "about/about_dialog.h"
#include "main_window_fixture.h"
#include "qstring_printer.h"

#include <QAccessible>
#include <QLabel>

namespace {

struct Told {
    const char* control;
    const char* name; // nullptr: the control's own text, as for any label
    const char* description;
};

QAccessibleInterface* readerView(QWidget* control) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(control);
    EXPECT_NE(view, nullptr) << control->objectName().toStdString();
    return view;
}

void expectTold(QWidget* control, const Told& row) {
    SCOPED_TRACE(row.control);
    QAccessibleInterface* view = readerView(control);
    ASSERT_NE(view, nullptr);
    // A result label read by its name would no longer read out its result.
    const QString name =
        row.name ? QString::fromUtf8(row.name) : qobject_cast<QLabel*>(control)->text();
    EXPECT_EQ(view->text(QAccessible::Name), name);
    EXPECT_EQ(view->text(QAccessible::Description), QString::fromUtf8(row.description));
}

QList<QObject*> related(QWidget* control, QAccessible::Relation relation) {
    QList<QObject*> objects;
    for (const auto& [other, kind] : readerView(control)->relations(relation))
        objects.append(other->object());
    return objects;
}

class AccessibilityTest : public WindowFixture {};

TEST_F(AccessibilityTest, ControlsCarryTheirNamesAndDescriptions) {
    type("txt_Subnets", QStringLiteral("6"));
    QTest::mouseClick(control("cmd_Calc"), Qt::LeftButton);
    ASSERT_FALSE(control<QLabel>("lbl_MaskAnswer")->text().isEmpty());
    const Told told[] = {
        {"txt_Subnets", "Desired subnets", ""},
        {"txt_hosts", "Desired nodes", ""},
        {"txt_SubnetMask", "Subnet mask", ""},
        {"list_Range", "Available Segments", ""},
        {"lbl_ClassExt", nullptr, "Network address format"},
        {"lbl_Ext2", nullptr, "Network address format"},
        {"lbl_MaskAnswer", nullptr, "Closest matching subnet mask"},
        {"lbl_Discovery", nullptr, "Segments and hosts per segment"},
        {"lbl_Start", nullptr, "Starting Address"},
        {"lbl_End", nullptr, "Ending Address"},
    };
    for (const Told& row : told)
        expectTold(control(row.control), row);

    AboutDialog about(messages, system, &window);
    const Told aboutTold[] = {
        {"lblTitle", nullptr, "Application title"},
        {"lblVersion", nullptr, "Application version"},
        {"picIcon", "Program picture", ""},
    };
    for (const Told& row : aboutTold)
        expectTold(controlNamed<QWidget>(&about, row.control), row);
}

TEST_F(AccessibilityTest, CaptionsLabelTheInputsBesideThem) {
    const struct {
        const char* caption;
        const char* input;
    } pairs[] = {
        {"lbl_info1", "txt_Subnets"},
        {"lbl_info3", "txt_hosts"},
        {"lbl_SMLU", "txt_SubnetMask"},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.input);
        QWidget* caption = control(pair.caption);
        QWidget* input = control(pair.input);
        // Qt names each relation by what the related object is to the asked one.
        EXPECT_EQ(related(input, QAccessible::Label), QList<QObject*>{caption});
        EXPECT_EQ(related(caption, QAccessible::Labelled), QList<QObject*>{input});
    }
}

} // namespace

// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility_checks.h"

#include "common/control_table.h"
#include "qstring_printer.h"

#include <QAccessible>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

QAccessibleInterface* readerView(QWidget* control) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(control);
    EXPECT_NE(view, nullptr) << control->objectName().toStdString();
    return view;
}

QList<QObject*> related(QWidget* control, QAccessible::Relation relation) {
    QList<QObject*> objects;
    if (QAccessibleInterface* view = readerView(control)) {
        for (const auto& [other, kind] : view->relations(relation))
            objects.append(other->object());
    }
    return objects;
}

} // namespace

void expectTold(const QWidget* root, const Told& row) {
    SCOPED_TRACE(row.control);
    auto* control = controlNamed<QWidget>(root, row.control);
    QAccessibleInterface* view = readerView(control);
    ASSERT_NE(view, nullptr);
    // A result label read by its name would no longer read out its result.
    const QString name =
        row.name ? QString::fromUtf8(row.name) : qobject_cast<QLabel*>(control)->text();
    EXPECT_EQ(view->text(QAccessible::Name), name);
    EXPECT_EQ(view->text(QAccessible::Description), QString::fromUtf8(row.description));
}

void expectLabels(const QWidget* root, const char* caption, const char* input) {
    SCOPED_TRACE(input);
    auto* captionControl = controlNamed<QWidget>(root, caption);
    auto* inputControl = controlNamed<QWidget>(root, input);
    // Qt names each relation by what the related object is to the asked one.
    EXPECT_EQ(related(inputControl, QAccessible::Label), QList<QObject*>{captionControl});
    EXPECT_EQ(related(captionControl, QAccessible::Labelled), QList<QObject*>{inputControl});
}

// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control_table.h"

#include "captioned_frame.h"
#include "classic_font.h"
#include "command_button.h"
#include "label.h"
#include "line_control.h"
#include "list_box.h"
#include "option_button.h"
#include "text_box.h"
#include "twips.h"

#include <QGroupBox>
#include <QHash>
#include <algorithm>

using namespace trait;

namespace {

constexpr char tabIndexProperty[] = "tabIndex";

// A line's default colour.
QColor windowText(const QPalette& palette) {
    return palette.color(QPalette::WindowText);
}

QWidget* createFrame(const ControlRow& row, QWidget* parent) {
    if (row.traits & borderless) {
        auto* frame = new QWidget(parent);
        frame->setAutoFillBackground(true); // covers whatever lies beneath it
        return frame;
    }
    const QString caption = QString::fromUtf8(row.caption);
    if (caption.isEmpty())
        return new QGroupBox(parent);
    return new CaptionedFrame(caption, parent);
}

QWidget* createLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new Label(parent);
    label->setText(QString::fromUtf8(row.caption));
    label->setWordWrap(row.traits & wraps);
    label->setAlignment(Qt::AlignTop | ((row.traits & centred) ? Qt::AlignHCenter : Qt::AlignLeft));
    if (row.traits & border)
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

QWidget* createTextBox(const ControlRow& row, QWidget* parent) {
    auto* box = new TextBox(parent);
    box->setText(QString::fromUtf8(row.caption));
    if (row.traits & centred)
        box->setAlignment(Qt::AlignCenter);
    return box;
}

QWidget* createOption(const ControlRow& row, QWidget* parent) {
    auto* option = new OptionButton(parent);
    option->setText(QString::fromUtf8(row.caption));
    option->setValue(row.traits & selected);
    return option;
}

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::Frame:
        return createFrame(row, parent);
    case ControlKind::Label:
        return createLabel(row, parent);
    case ControlKind::TextBox:
        return createTextBox(row, parent);
    case ControlKind::CommandButton:
        return new CommandButton(QString::fromUtf8(row.caption), parent);
    case ControlKind::OptionButton:
        return createOption(row, parent);
    case ControlKind::ListBox:
        return new ListBox(parent);
    case ControlKind::Line:
        return new LineControl(windowText, 1, parent);
    }
    qFatal("Layout row %s has an unknown control kind %d", row.name, int(row.kind));
}

// The frame a row names as its container, or the client area. A fault in the
// table stops every build, release included: the control would otherwise
// become a window of its own.
QWidget* containerOf(const ControlRow& row, const QHash<QString, QWidget*>& frames,
                     QWidget* client) {
    if (!row.container)
        return client;
    QWidget* frame = frames.value(QString::fromUtf8(row.container));
    if (!frame)
        qFatal("Layout row %s names %s as its container, which is no frame of an earlier row",
               row.name, row.container);
    return frame;
}

void place(QWidget* control, const ControlRow& row) {
    if (row.kind == ControlKind::Line) {
        control->move(twipsToPixels(row.left), twipsToPixels(row.top));
        control->setFixedWidth(twipsToPixels(row.width));
    } else if (row.traits & autoSize) {
        control->move(twipsToPixels(row.left), twipsToPixels(row.top));
        control->adjustSize();
    } else {
        control->setGeometry(twipsRectToPixels(row.left, row.top, row.width, row.height));
    }
}

} // namespace

void buildControls(QWidget* client, std::span<const ControlRow> table) {
    QHash<QString, QWidget*> frames;
    for (const ControlRow& row : table) {
        QWidget* control = createControl(row, containerOf(row, frames, client));
        control->setObjectName(QString::fromUtf8(row.name));
        control->setFont(classicFont(row.points, row.traits & bold));
        control->setProperty(tabIndexProperty, row.tabIndex);
        control->setEnabled(!(row.traits & disabled));
        place(control, row);
        if (row.kind == ControlKind::Frame)
            frames.insert(control->objectName(), control);
    }
}

int tabIndexOf(const QWidget* control) {
    const QVariant index = control->property(tabIndexProperty);
    return index.isValid() ? index.toInt() : -1;
}

void applyTabOrder(QWidget* root) {
    QList<QWidget*> chain;
    for (QWidget* control : root->findChildren<QWidget*>()) {
        if (tabIndexOf(control) >= 0 && (control->focusPolicy() & Qt::TabFocus))
            chain.append(control);
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](QWidget* a, QWidget* b) { return tabIndexOf(a) < tabIndexOf(b); });
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

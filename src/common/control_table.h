// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <span>

// Windows are built from layout tables: one row a control, positions in twips
// relative to the control's container, in the order the controls are created.

enum class ControlKind { Frame, Label, TextBox, CommandButton, OptionButton, ListBox, Line };

// Settings of a row beyond its position; combine with |. A table's own file
// brings them into scope (using namespace trait).
namespace trait {
enum Trait : unsigned {
    plain = 0,
    centred = 1 << 0,    // text centred horizontally
    border = 1 << 1,     // a label with a single-line border
    wraps = 1 << 2,      // a label whose text wraps within its box
    autoSize = 1 << 3,   // a label whose box fits its text
    bold = 1 << 4,       // bold face
    disabled = 1 << 5,   // not enabled at start
    selected = 1 << 6,   // an option selected at start
    borderless = 1 << 7, // a frame drawn without any border or caption
};
} // namespace trait

struct ControlRow {
    const char* name; // also the widget's objectName
    ControlKind kind;
    const char* container; // a frame's name, or nullptr for the window's client area
    const char* caption;   // caption or initial text
    int left;
    int top;
    int width; // a Line's length
    int height;
    int tabIndex; // keyboard order, -1 for a control outside it
    unsigned traits = trait::plain;
    double points = 8.25; // font size
};

// Creates the rows' controls under `client` with their design-time settings.
// A row whose container is no frame of an earlier row, or whose kind is none
// of ControlKind's, is a fault in the table: the program stops with its name.
void buildControls(QWidget* client, std::span<const ControlRow> table);

// Chains every control under `root` that takes the focus by its tab index.
void applyTabOrder(QWidget* root);

// The tab index a built control carries, or -1.
int tabIndexOf(const QWidget* control);

// The built control of that name and type under `root`; a missing one is a
// fault in the layout table, so the program stops with its name.
template <typename Control>
Control* controlNamed(const QWidget* root, const char* name) {
    auto* control = root->findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("Layout has no control %s of the expected kind", name);
    return control;
}

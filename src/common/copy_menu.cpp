// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copy_menu.h"

#include "label.h"

#include <QApplication>
#include <QClipboard>

CopyMenu::CopyMenu(QWidget* owner) : QMenu(owner) {
    connect(this, &QMenu::aboutToShow, this, &CopyMenu::enableByContent);
}

void CopyMenu::addCopy(const QString& caption, TextSource source) {
    QAction* command = addAction(caption);
    connect(command, &QAction::triggered, this,
            [source] { QApplication::clipboard()->setText(source()); });
    commands_.emplace_back(command, std::move(source));
}

void CopyMenu::openAt(const QPoint& ownerPoint) {
    popup(parentWidget()->mapToGlobal(ownerPoint));
}

void CopyMenu::enableByContent() {
    for (const auto& [command, source] : commands_)
        command->setEnabled(!source().isEmpty());
}

void offerCopyMenu(Label* label) {
    auto* menu = new CopyMenu(label);
    menu->addCopy(QStringLiteral("&Copy"), [label] { return label->text(); });
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(label, &QWidget::customContextMenuRequested, menu, &CopyMenu::openAt);
}

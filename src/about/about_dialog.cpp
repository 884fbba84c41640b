// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_dialog.h"

#include "about/about_captions.h"
#include "about/about_layout.h"
#include "about/start_sys_info.h"
#include "common/app_icon.h"
#include "common/classic_font.h"
#include "common/control_table.h"
#include "common/label.h"
#include "common/twips.h"
#include "common/window_placement.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

// A fixed dialog border: a caption with a close button, no minimize or maximize.
constexpr Qt::WindowFlags dialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                        Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

AboutDialog::AboutDialog(MessageBoxService& messages, SystemServices& system, QWidget* owner)
    : QDialog(owner, dialogFlags), messages_(messages), system_(system) {
    setObjectName(QStringLiteral("form_About"));
    setWindowIcon(applicationIcon());
    setFont(classicFont());
    setFixedSize(twipsToPixels(aboutClientWidth), twipsToPixels(aboutClientHeight));
    buildAboutControls(this);
    applyTabOrder(this);

    cmdOK = controlNamed<QPushButton>(this, "cmdOK");
    cmdSysInfo = controlNamed<QPushButton>(this, "cmdSysInfo");
    lblTitle = controlNamed<Label>(this, "lblTitle");
    lblVersion = controlNamed<Label>(this, "lblVersion");
    // OK answers Enter, unless System Info has the focus; Esc closes the
    // dialog as OK does.
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);

    describeForAccessibility();
    centreOnScreen(this);
    Form_Load();
}

void AboutDialog::Form_Load() {
    const QString title = QCoreApplication::applicationName();
    setWindowTitle(aboutWindowCaption(title));
    lblVersion->setCaption(versionCaption(QCoreApplication::applicationVersion()));
    lblTitle->setCaption(title);
}

void AboutDialog::cmdOK_Click() {
    accept();
}

// The launcher tells the user itself when the tool can't be started; the
// dialog stays open either way.
void AboutDialog::cmdSysInfo_Click() {
    StartSysInfo(system_, [this](const std::string& text) {
        messages_.show(QString::fromLocal8Bit(text), MessageStyle::OkOnly);
    });
}

// The title and version are set at load, so they are described rather than
// named: a name would replace the text a screen reader reads out.
void AboutDialog::describeForAccessibility() {
    lblTitle->setAccessibleDescription(QStringLiteral("Application title"));
    lblVersion->setAccessibleDescription(QStringLiteral("Application version"));
    controlNamed<QWidget>(this, "picIcon")->setAccessibleName(QStringLiteral("Program picture"));
}

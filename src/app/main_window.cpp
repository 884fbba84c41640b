// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "about/about_dialog.h"
#include "common/app_icon.h"
#include "common/app_info.h"
#include "common/classic_font.h"
#include "common/twips.h"
#include "common/window_placement.h"
#include "discovery/mask_discovery_view.h"
#include "main_window_layout.h"
#include "ranges/range_information_view.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>

namespace {

QString viewTitle(const char* view) {
    return QString::fromUtf8(applicationTitle) + QStringLiteral(" - ") + QString::fromUtf8(view);
}

const QString maskDiscoveryTitle = viewTitle("Mask Discovery");
const QString rangeInformationTitle = viewTitle("Range Information");
const QString rangeDiscoveryTitle = viewTitle("Range Discovery");

const QString interNicToolTip =
    QStringLiteral("This Class B address will have been assigned to you and will look like "
                   "192.127.0.0 or if you use a private internal address, the address will be "
                   "like 10.5.0.0");

} // namespace

MainWindow::MainWindow(MessageBoxService& messages, SystemServices& system, QWidget* parent)
    : QMainWindow(parent), messages_(messages), system_(system) {
    setObjectName(QStringLiteral("form_IPCalc"));
    setWindowTitle(maskDiscoveryTitle);
    setWindowIcon(applicationIcon());
    setFont(classicFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    // The Mask Discovery controls sit directly on the client area; they live in
    // a pane of the same size so that the covering view can keep them out of
    // the keyboard's reach without touching their own state.
    maskDiscoveryArea_ = new QWidget(client);
    maskDiscoveryArea_->setGeometry(0, 0, twips(clientWidthTwips), twips(clientHeightTwips));
    buildControls(maskDiscoveryArea_, maskDiscoveryLayout());
    buildControls(client, rangeInformationLayout());
    applyTabOrder(client);
    frm_View_ = controlNamed<QWidget>(client, "frm_View");
    frm_View_->raise();
    controlNamed<QWidget>(client, "lbl_InterNic")->setToolTip(interNicToolTip);

    discovery_ = std::make_unique<MaskDiscoveryView>(client, state_, messages_);
    ranges_ = std::make_unique<RangeInformationView>(client, state_, messages_);
    connect(discovery_.get(), &MaskDiscoveryView::viewSubnets, this, &MainWindow::cmd_View_Click);
    describeForAccessibility();
    buildMenus();

    resize(twips(clientWidthTwips), twips(clientHeightTwips) + menuBar()->sizeHint().height());
    Form_Load();
    centreOnScreen(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    const auto addItem = [this](QMenu* menu, const char* name, const char* caption,
                                void (MainWindow::*handler)()) {
        QAction* item = menu->addAction(QString::fromUtf8(caption));
        item->setObjectName(QString::fromUtf8(name));
        connect(item, &QAction::triggered, this, handler);
    };
    const auto addMenu = [this](const char* name, const char* caption) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromUtf8(name));
        return menu;
    };
    QMenu* file = addMenu("menu_File", "&File");
    addItem(file, "menu_FileExit", "E&xit", &MainWindow::menu_FileExit_Click);
    QMenu* view = addMenu("menu_View", "&View");
    addItem(view, "menu_ViewSMD", "&Mask Discovery", &MainWindow::menu_ViewSMD_Click);
    addItem(view, "menu_ViewRI", "&Range Information", &MainWindow::menu_ViewRI_Click);
    QMenu* help = addMenu("menu_Help", "&Help");
    addItem(help, "menu_HelpAbout", "&About", &MainWindow::menu_HelpAbout_Click);
}

void MainWindow::Form_Load() {
    setRangeViewShown(false);
    discovery_->showClass(classB);
}

void MainWindow::menu_FileExit_Click() {
    close();
    QApplication::quit();
}

void MainWindow::menu_ViewSMD_Click() {
    setRangeViewShown(false);
    setWindowTitle(maskDiscoveryTitle);
    // The Range Information view may have changed the shared class; this view
    // works with the class its own options show.
    state_.select(discovery_->shownClass());
}

void MainWindow::menu_ViewRI_Click() {
    setRangeViewShown(true);
    setWindowTitle(rangeInformationTitle);
    ranges_->resetToClassB();
}

// Each opening loads the dialog afresh; it is modal and owned by this window.
void MainWindow::menu_HelpAbout_Click() {
    AboutDialog about(messages_, system_, this);
    about.exec();
}

// Carries a discovered mask and its class over and lists its segments.
void MainWindow::cmd_View_Click() {
    if (discovery_->mask().isEmpty())
        return;
    setRangeViewShown(true);
    setWindowTitle(rangeDiscoveryTitle);
    ranges_->listSegmentsOf(discovery_->shownClass(), discovery_->mask());
}

// The shown view takes the keyboard: its first input gets the focus, and the
// covered controls leave the tab chain.
void MainWindow::setRangeViewShown(bool shown) {
    frm_View_->setVisible(shown);
    if (shown)
        ranges_->focusFirstInput();
    else
        discovery_->focusFirstInput();
    maskDiscoveryArea_->setVisible(!shown);
}

// Inputs are named by the caption beside them. Labels whose text changes are
// only described: an accessible name would replace the text they read out.
void MainWindow::describeForAccessibility() {
    const struct {
        const char* control;
        const char* name;
        const char* description;
    } rows[] = {
        {"txt_Subnets", "Desired subnets", nullptr},
        {"txt_hosts", "Desired nodes", nullptr},
        {"txt_SubnetMask", "Subnet mask", nullptr},
        {"list_Range", "Available Segments", nullptr},
        {"lbl_ClassExt", nullptr, "Network address format"},
        {"lbl_Ext2", nullptr, "Network address format"},
        {"lbl_MaskAnswer", nullptr, "Closest matching subnet mask"},
        {"lbl_Discovery", nullptr, "Segments and hosts per segment"},
        {"lbl_Start", nullptr, "Starting Address"},
        {"lbl_End", nullptr, "Ending Address"},
    };
    for (const auto& row : rows) {
        auto* control = controlNamed<QWidget>(centralWidget(), row.control);
        if (row.name)
            control->setAccessibleName(QString::fromUtf8(row.name));
        if (row.description)
            control->setAccessibleDescription(QString::fromUtf8(row.description));
    }
    // A caption beside an input labels it for assistive technology; the
    // captions carry no "&", so no access key comes with it.
    const struct {
        const char* caption;
        const char* input;
    } captions[] = {
        {"lbl_info1", "txt_Subnets"},
        {"lbl_info3", "txt_hosts"},
        {"lbl_SMLU", "txt_SubnetMask"},
    };
    for (const auto& pair : captions) {
        controlNamed<QLabel>(centralWidget(), pair.caption)
            ->setBuddy(controlNamed<QWidget>(centralWidget(), pair.input));
    }
}

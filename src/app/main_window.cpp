// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include "about/about_dialog.h"
#include "client_area.h"
#include "common/app_icon.h"
#include "common/app_info.h"
#include "common/classic_font.h"
#include "common/twips.h"
#include "common/window_placement.h"
#include "discovery/mask_discovery_view.h"
#include "ranges/range_information_view.h"

#include <QApplication>
#include <QMenuBar>
#include <QStackedWidget>

namespace {

QString viewTitle(const char* view) {
    return QString::fromUtf8(applicationTitle) + QStringLiteral(" - ") + QString::fromUtf8(view);
}

const QString maskDiscoveryTitle = viewTitle("Mask Discovery");
const QString rangeInformationTitle = viewTitle("Range Information");
const QString rangeDiscoveryTitle = viewTitle("Range Discovery");

} // namespace

MainWindow::MainWindow(MessageBoxService& messages, SystemServices& system, QWidget* parent)
    : QMainWindow(parent), messages_(messages), system_(system) {
    setObjectName(QStringLiteral("form_IPCalc"));
    setWindowTitle(maskDiscoveryTitle);
    setWindowIcon(applicationIcon());
    setFont(classicFont());

    // Each view has a pane as large as the client area. The shown one lies
    // on top; the other stays loaded and unchanged beneath it, hidden, so
    // that the keyboard cannot reach it.
    panes_ = new QStackedWidget(this);
    panes_->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(panes_);
    maskDiscoveryPane_ = new QWidget(panes_);
    rangeInformationPane_ = new QWidget(panes_);
    panes_->addWidget(maskDiscoveryPane_);
    panes_->addWidget(rangeInformationPane_);

    discovery_ = std::make_unique<MaskDiscoveryView>(maskDiscoveryPane_, state_, messages_);
    ranges_ = std::make_unique<RangeInformationView>(rangeInformationPane_, state_, messages_);
    connect(discovery_.get(), &MaskDiscoveryView::viewSubnets, this, &MainWindow::handOver);
    buildMenus();

    resize(twipsToPixels(clientWidthTwips),
           twipsToPixels(clientHeightTwips) + menuBar()->sizeHint().height());
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
    discovery_->shareClass(NetworkClass::B);
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
    state_.select(discovery_->classOfOptions());
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

void MainWindow::handOver(NetworkClass chosen, SubnetMask mask) {
    setRangeViewShown(true);
    setWindowTitle(rangeDiscoveryTitle);
    ranges_->listSegmentsOf(chosen, mask);
}

void MainWindow::setRangeViewShown(bool shown) {
    panes_->setCurrentWidget(shown ? rangeInformationPane_ : maskDiscoveryPane_);
    if (shown)
        ranges_->focusFirstInput();
    else
        discovery_->focusFirstInput();
}

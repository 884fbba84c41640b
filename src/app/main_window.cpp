#include "main_window.h"

#include "common/app_icon.h"
#include "common/app_info.h"
#include "common/twips.h"
#include "common/classic_font.h"
#include "discovery/mask_discovery_view.h"
#include "main_window_layout.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>

namespace {

QString viewTitle(const char* view) {
    return QString::fromUtf8(applicationTitle) + QStringLiteral(" - ") + QString::fromUtf8(view);
}

const QString maskDiscoveryTitle = viewTitle("Mask Discovery");
const QString rangeInformationTitle = viewTitle("Range Information");

const QString interNicToolTip =
    QStringLiteral("This Class B address will have been assigned to you and will look like "
                   "192.127.0.0 or if you use a private internal address, the address will be "
                   "like 10.5.0.0");

} // namespace

MainWindow::MainWindow(MessageBoxService& messages, QWidget* parent)
    : QMainWindow(parent), messages_(messages) {
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
    buildMenus();

    resize(twips(clientWidthTwips), twips(clientHeightTwips) + menuBar()->sizeHint().height());
    Form_Load();
    discovery_->txt_Subnets->setFocus();
    centreOnScreen();
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
    state_.NetPattern = QString::fromLatin1(classB.netPattern);
    discovery_->lbl_ClassExt->setCaption(QString::fromLatin1(classB.network));
    state_.IPClass = QString::fromLatin1(classB.ipClass);
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
    const NetworkClass& shown = discovery_->rb_C->value() ? classC : classB;
    state_.IPClass = QString::fromLatin1(shown.ipClass);
    state_.NetPattern = QString::fromLatin1(shown.netPattern);
}

void MainWindow::menu_ViewRI_Click() {
    setRangeViewShown(true);
    setWindowTitle(rangeInformationTitle);
}

void MainWindow::menu_HelpAbout_Click() {}

void MainWindow::setRangeViewShown(bool shown) {
    frm_View_->setVisible(shown);
    maskDiscoveryArea_->setVisible(!shown);
}

void MainWindow::centreOnScreen() {
    const QRect available = screen()->availableGeometry();
    move(available.center() - rect().center());
}

// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mask_discovery_view.h"

#include "common/control_table.h"
#include "common/copy_menu.h"
#include "common/number_text.h"
#include "common/system_colour.h"
#include "discovery/mask_answer.h"
#include "mask_discovery_layout.h"

#include <variant>

namespace {

constexpr quint32 openColour = systemColourWindow;
constexpr quint32 lockedColour = systemColourInactiveBorder;
constexpr int backspace = 8;

} // namespace

MaskDiscoveryView::MaskDiscoveryView(QWidget* pane, SharedState& state, MessageBoxService& messages)
    : state_(state), messages_(messages) {
    buildMaskDiscoveryControls(pane);
    applyTabOrder(pane);

    txt_Subnets = controlNamed<TextBox>(pane, "txt_Subnets");
    txt_hosts = controlNamed<TextBox>(pane, "txt_hosts");
    cmd_Calc = controlNamed<QPushButton>(pane, "cmd_Calc");
    cmd_View = controlNamed<QPushButton>(pane, "cmd_View");
    lbl_MaskAnswer = controlNamed<Label>(pane, "lbl_MaskAnswer");
    lbl_Discovery = controlNamed<Label>(pane, "lbl_Discovery");
    lbl_ClassExt = controlNamed<Label>(pane, "lbl_ClassExt");
    rb_B = controlNamed<OptionButton>(pane, "rb_B");
    rb_C = controlNamed<OptionButton>(pane, "rb_C");
    connect(cmd_Calc, &QPushButton::clicked, this, &MaskDiscoveryView::cmd_Calc_Click);
    connect(cmd_View, &QPushButton::clicked, this, &MaskDiscoveryView::cmd_View_Click);
    connect(txt_Subnets, &TextBox::changed, this, &MaskDiscoveryView::txt_Subnets_Change);
    connect(txt_hosts, &TextBox::changed, this, &MaskDiscoveryView::txt_hosts_Change);
    txt_Subnets->setKeyPressHandler([this](int& KeyAscii) { txt_Subnets_KeyPress(KeyAscii); });
    txt_hosts->setKeyPressHandler([this](int& KeyAscii) { txt_hosts_KeyPress(KeyAscii); });
    connect(lbl_MaskAnswer, &Label::changed, this, &MaskDiscoveryView::lbl_MaskAnswer_Change);
    connect(rb_B, &OptionButton::picked, this, &MaskDiscoveryView::rb_B_Click);
    connect(rb_C, &OptionButton::picked, this, &MaskDiscoveryView::rb_C_Click);
    offerCopyMenu(lbl_MaskAnswer);
    offerCopyMenu(lbl_Discovery);

    describeForAccessibility(pane);
}

// Inputs are named by the caption beside them. Labels whose text changes are
// only described: an accessible name would replace the text they read out.
// The captions carry no "&", so labelling an input gives it no access key.
void MaskDiscoveryView::describeForAccessibility(const QWidget* pane) {
    txt_Subnets->setAccessibleName(QStringLiteral("Desired subnets"));
    txt_hosts->setAccessibleName(QStringLiteral("Desired nodes"));
    lbl_ClassExt->setAccessibleDescription(QStringLiteral("Network address format"));
    lbl_MaskAnswer->setAccessibleDescription(QStringLiteral("Closest matching subnet mask"));
    lbl_Discovery->setAccessibleDescription(QStringLiteral("Segments and hosts per segment"));
    controlNamed<QLabel>(pane, "lbl_info1")->setBuddy(txt_Subnets);
    controlNamed<QLabel>(pane, "lbl_info3")->setBuddy(txt_hosts);
}

void MaskDiscoveryView::shareClass(NetworkClass chosen) {
    state_.select(chosen);
    lbl_ClassExt->setCaption(QString::fromLatin1(facts(chosen).caption));
}

NetworkClass MaskDiscoveryView::classOfOptions() const {
    return rb_C->value() ? NetworkClass::C : NetworkClass::B;
}

// The button is enabled only while there is a mask; without one nothing
// at all happens.
void MaskDiscoveryView::cmd_View_Click() {
    if (!foundMask_)
        return;
    emit viewSubnets(classOfOptions(), *foundMask_);
}

void MaskDiscoveryView::focusFirstInput() {
    (txt_Subnets->isEnabled() ? txt_Subnets : txt_hosts)->setFocus();
}

void MaskDiscoveryView::CheckCalcEnabled() {
    cmd_Calc->setEnabled(!txt_hosts->text().isEmpty() || !txt_Subnets->text().isEmpty());
}

void MaskDiscoveryView::ClearResults() {
    foundMask_.reset();
    lbl_MaskAnswer->setCaption(QString());
    lbl_Discovery->setCaption(QString());
}

void MaskDiscoveryView::ClearInputs() {
    txt_Subnets->setText(QString());
    txt_hosts->setText(QString());
}

void MaskDiscoveryView::lbl_MaskAnswer_Change() {
    cmd_View->setEnabled(!lbl_MaskAnswer->caption().isEmpty());
}

// While one box holds text the other is locked, so only one request is asked.
void MaskDiscoveryView::lockPartner(const TextBox* edited, TextBox* partner) {
    const bool locked = !edited->text().isEmpty();
    partner->setEnabled(!locked);
    partner->setBackColor(locked ? lockedColour : openColour);
}

void MaskDiscoveryView::txt_Subnets_Change() {
    CheckCalcEnabled();
    ClearResults();
    lockPartner(txt_Subnets, txt_hosts);
}

void MaskDiscoveryView::txt_hosts_Change() {
    CheckCalcEnabled();
    ClearResults();
    lockPartner(txt_hosts, txt_Subnets);
}

void MaskDiscoveryView::filterDigits(int& KeyAscii) {
    if (KeyAscii != backspace && !isDigit(QChar(KeyAscii)))
        KeyAscii = 0;
}

void MaskDiscoveryView::txt_Subnets_KeyPress(int& KeyAscii) {
    filterDigits(KeyAscii);
}

void MaskDiscoveryView::txt_hosts_KeyPress(int& KeyAscii) {
    filterDigits(KeyAscii);
}

void MaskDiscoveryView::cmd_Calc_Click() {
    const QString subnets = txt_Subnets->text();
    const QString nodes = txt_hosts->text();
    if (subnets.isEmpty() && nodes.isEmpty())
        return;
    const std::variant<MaskResult, Refusal> answer =
        refusedIfNoMaskFits(DiscoverMask(subnets, nodes, state_.networkClass()));
    if (const auto* refusal = std::get_if<Refusal>(&answer)) {
        messages_.show(refusal->text.toString(), MessageStyle::OkOnly, refusal->title.toString());
        return;
    }
    const MaskResult& result = std::get<MaskResult>(answer);
    foundMask_ = result.subnetMask;
    lbl_MaskAnswer->setCaption(result.Mask());
    lbl_Discovery->setCaption(discoverySentence(result));
    cmd_View->setEnabled(true);
}

void MaskDiscoveryView::pickClass(NetworkClass chosen) {
    shareClass(chosen);
    CheckCalcEnabled();
    ClearResults();
    ClearInputs();
}

void MaskDiscoveryView::rb_B_Click() {
    pickClass(NetworkClass::B);
}

void MaskDiscoveryView::rb_C_Click() {
    pickClass(NetworkClass::C);
}

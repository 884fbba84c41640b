// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "range_information_view.h"

#include "common/control_table.h"
#include "common/copy_menu.h"
#include "ranges/range_information_layout.h"
#include "ranges/segment_range.h"
#include "ranges/segment_table.h"

#include <QSignalBlocker>

#include <variant>

namespace {

// Where a row keeps its segment's number.
constexpr int segmentRole = Qt::UserRole;

} // namespace

RangeInformationView::RangeInformationView(QWidget* pane, SharedState& state,
                                           MessageBoxService& messages)
    : state_(state), messages_(messages) {
    buildRangeInformationControls(pane);
    applyTabOrder(pane);

    rb_B2 = controlNamed<OptionButton>(pane, "rb_B2");
    rb_C2 = controlNamed<OptionButton>(pane, "rb_C2");
    txt_SubnetMask = controlNamed<TextBox>(pane, "txt_SubnetMask");
    cmd_Discover = controlNamed<QPushButton>(pane, "cmd_Discover");
    list_Range = controlNamed<ListBox>(pane, "list_Range");
    lbl_Start = controlNamed<Label>(pane, "lbl_Start");
    lbl_End = controlNamed<Label>(pane, "lbl_End");
    lbl_Ext2 = controlNamed<Label>(pane, "lbl_Ext2");
    connect(rb_B2, &OptionButton::picked, this, &RangeInformationView::rb_B2_Click);
    connect(rb_C2, &OptionButton::picked, this, &RangeInformationView::rb_C2_Click);
    connect(txt_SubnetMask, &TextBox::changed, this, &RangeInformationView::txt_SubnetMask_Change);
    connect(cmd_Discover, &QPushButton::clicked, this, &RangeInformationView::cmd_Discover_Click);
    connect(list_Range, &ListBox::picked, this, &RangeInformationView::list_Range_Click);
    offerCopying();

    describeForAccessibility(pane);
}

// Inputs are named by the caption beside them. Labels whose text changes are
// only described: an accessible name would replace the text they read out.
// The caption carries no "&", so labelling the mask box gives it no access key.
void RangeInformationView::describeForAccessibility(const QWidget* pane) {
    txt_SubnetMask->setAccessibleName(QStringLiteral("Subnet mask"));
    list_Range->setAccessibleName(QString::fromLatin1(availableSegmentsCaption));
    lbl_Ext2->setAccessibleDescription(QStringLiteral("Network address format"));
    lbl_Start->setAccessibleDescription(QString::fromLatin1(startingAddressCaption));
    lbl_End->setAccessibleDescription(QString::fromLatin1(endingAddressCaption));
    controlNamed<QLabel>(pane, "lbl_SMLU")->setBuddy(txt_SubnetMask);
}

// Selecting an unselected option runs its Click handler, so the reset runs
// exactly once either way.
void RangeInformationView::resetToClassB() {
    if (rb_B2->value())
        rb_B2_Click();
    else
        rb_B2->setValue(true);
}

// The class goes first: the option handlers empty the mask box.
void RangeInformationView::listSegmentsOf(NetworkClass chosen, SubnetMask mask) {
    rb_B2->setValue(chosen == NetworkClass::B);
    rb_C2->setValue(chosen == NetworkClass::C);
    lbl_Ext2->setCaption(QString::fromLatin1(facts(chosen).caption));
    txt_SubnetMask->setText(mask.dotted());
    clearAddresses();
    cmd_Discover_Click();
}

void RangeInformationView::focusFirstInput() {
    txt_SubnetMask->setFocus();
}

void RangeInformationView::offerCopying() {
    auto* menu = new CopyMenu(list_Range);
    menu->addCopy(QStringLiteral("&Copy"), [this] { return list_Range->selectedText(); });
    menu->addCopy(QStringLiteral("Copy &All Segments"), [this] { return allSegmentsText(); });
    connect(list_Range, &ListBox::menuRequested, menu, &CopyMenu::openAt);
    offerCopyMenu(lbl_Start);
    offerCopyMenu(lbl_End);
}

QString RangeInformationView::allSegmentsText() const {
    if (!listedMask_)
        return QString();
    SegmentRows rows;
    rows.reserve(list_Range->count());
    for (int k = 0; k < list_Range->count(); ++k)
        rows.append(rowAt(k));
    return segmentTable(rows, *listedMask_, state_.networkClass(), state_.NetPattern());
}

// Each row carries its segment's number beside its text.
void RangeInformationView::showRows(const SegmentRows& rows) {
    QStringList texts;
    texts.reserve(rows.size());
    for (const SegmentRow& row : rows)
        texts.append(row.text);
    list_Range->addItems(texts);
    // The rows are new and not yet drawn: telling the view that each one's
    // data changed would only cost time on lists of tens of thousands.
    const QSignalBlocker quiet(list_Range->model());
    for (int k = 0; k < rows.size(); ++k)
        list_Range->item(k)->setData(segmentRole, rows[k].segment);
}

SegmentRow RangeInformationView::rowAt(int k) const {
    const QListWidgetItem* item = list_Range->item(k);
    return {item->data(segmentRole).value<quint32>(), item->text()};
}

void RangeInformationView::emptyList() {
    list_Range->clear();
    listedMask_.reset();
}

void RangeInformationView::clearAddresses() {
    lbl_Start->setCaption(QString());
    lbl_End->setCaption(QString());
}

void RangeInformationView::pickClass(NetworkClass chosen) {
    state_.select(chosen);
    lbl_Ext2->setCaption(QString::fromLatin1(facts(chosen).caption));
    clearAddresses();
    txt_SubnetMask->setText(QString()); // its Change handler empties the list
}

void RangeInformationView::rb_B2_Click() {
    pickClass(NetworkClass::B);
}

void RangeInformationView::rb_C2_Click() {
    pickClass(NetworkClass::C);
}

void RangeInformationView::txt_SubnetMask_Change() {
    emptyList();
    clearAddresses();
}

void RangeInformationView::refuse(const Refusal& refusal) {
    messages_.show(refusal.text.toString(), MessageStyle::Information, refusal.title.toString());
    txt_SubnetMask->setFocus();
}

// The mask check's part of the answer: a refused mask is told and the
// keyboard goes back to the mask box.
bool RangeInformationView::ValidateMask(const RangeInformation& answer) {
    if (const auto* refusal = std::get_if<Refusal>(&answer)) {
        refuse(*refusal);
        return false;
    }
    return true;
}

void RangeInformationView::cmd_Discover_Click() {
    emptyList();
    const QString mask = txt_SubnetMask->text();
    if (mask.isEmpty())
        return;
    const RangeInformation answer =
        rangeInformation(mask, state_.networkClass(), state_.NetPattern());
    if (!ValidateMask(answer))
        return;
    const ListedMask& listed = std::get<ListedMask>(answer);
    if (const auto* rows = std::get_if<SegmentRows>(&listed.listing)) {
        listedMask_ = listed.mask;
        showRows(*rows);
    } else {
        const auto& range = std::get<AddressRange>(listed.listing);
        lbl_Start->setCaption(range.start);
        lbl_End->setCaption(range.end);
    }
}

void RangeInformationView::list_Range_Click() {
    const int k = list_Range->listIndex();
    if (k < 0 || !listedMask_)
        return;
    const std::optional<AddressRange> range =
        segmentRange(rowAt(k).segment, *listedMask_, state_.networkClass(), state_.NetPattern());
    if (range) {
        lbl_Start->setCaption(range->start);
        lbl_End->setCaption(range->end);
    }
}

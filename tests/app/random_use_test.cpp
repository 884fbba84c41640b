// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Random use of the real window: long random sequences of what a person can
// do, with the rules of both views checked after every step. A failure is
// replayed on fresh windows to report the fewest steps that still break it.
//
// TARNWELL_RANDOM_SEED and TARNWELL_RANDOM_STEPS replace the fixed seed and
// step count, for a long run.

#include "class_letter.h"
#include "click_row.h"
#include "common/label.h"
#include "common/list_box.h"
#include "common/option_button.h"
#include "common/text_box.h"
#include "discovery/discover_mask.h"
#include "mask_discovery_invariants.h"
#include "random_steps.h"
#include "range_information_invariants.h"
#include "ranges/range_information.h"
#include "window_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>

namespace {

constexpr quint64 defaultSeed = 7;
constexpr int defaultSteps = 5000;

// One character as the text its key carries: digits, printable ASCII, control
// codes, other scripts' digits and letters, and characters outside the Basic
// Multilingual Plane, which take two 16-bit units.
QString anyCharacter(Dice& dice) {
    switch (dice.below(4)) {
    case 0:
        return QString(QChar(u'0' + dice.below(10)));
    case 1:
        return QString(QChar(char16_t(0x20 + dice.below(0x5f))));
    case 2:
        return QString(QChar(char16_t(dice.below(0x20))));
    default:
        const char32_t other =
            dice.pick<char32_t>({U'\u0663', U'\u06f7', U'\u096b', U'\uff13', U'\u00e9', U'\u0416',
                                 U'\u4e2d', U'\u00a0', U'\u200b', U'\U0001D7D9', U'\U0001F600'});
        return QString::fromUcs4(&other, 1);
    }
}

QString maskGroup(Dice& dice) {
    if (dice.oneIn(6))
        return QString::number(dice.below(1000));
    return dice.pick<QString>({"0", "128", "192", "224", "240", "248", "252", "254", "255", ""});
}

// What a person might paste or an input method commit: mostly masks into the
// mask box and numbers elsewhere, so that requests succeed as well as fail;
// any characters; now and then a very long text.
QString anyText(Dice& dice, bool maskBox) {
    if (dice.oneIn(60))
        return QString(1000 + dice.below(40000), QChar(u'0' + dice.below(10)));
    if (dice.oneIn(60)) {
        QString text;
        for (int n = 1000 + dice.below(10000); n > 0; --n)
            text += anyCharacter(dice);
        return text;
    }
    if (dice.below(4) == 0) {
        QString text;
        for (int n = dice.below(12); n > 0; --n)
            text += anyCharacter(dice);
        return text;
    }
    if (maskBox)
        return QStringLiteral("255.255.%1.%2").arg(maskGroup(dice), maskGroup(dice));
    // The rules' ranges turn at 2^i - 2 and 2^i - 1; fractions there reach
    // two ranges at once.
    if (dice.oneIn(3))
        return QString::number((1 << (1 + dice.below(16))) - 1.5 + dice.below(2));
    QString number = QString::number(dice.below(dice.oneIn(2) ? 300 : 70000));
    if (dice.oneIn(4))
        number += QStringLiteral(".") + QString::number(dice.below(100));
    return number;
}

// Shows a text with whatever is not printable ASCII escaped; long texts cut.
QString quoted(const QString& text) {
    if (text.size() > 40)
        return QStringLiteral("%1 characters from %2").arg(text.size()).arg(quoted(text.left(20)));
    QString shown;
    for (QChar c : text)
        shown += c.unicode() >= 0x20 && c.unicode() < 0x7f
                     ? QString(c)
                     : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    return u'"' + shown + u'"';
}

// A fresh window for every replay, driven step by step.
class Session : public WindowDriver {
public:
    Session() {
        QApplication::clipboard()->clear();
        if (!show())
            ADD_FAILURE() << "The window was never exposed";
        const auto count = [this](auto* sender, auto signal, int& counter) {
            QObject::connect(sender, signal, &window, [&counter] { ++counter; });
        };
        for (const char* option : {"rb_B", "rb_C"})
            count(control<OptionButton>(option), &OptionButton::picked, discoveryClassClicks_);
        for (const char* option : {"rb_B2", "rb_C2"})
            count(control<OptionButton>(option), &OptionButton::picked, rangeClassClicks_);
        for (const char* button : {"cmd_Calc", "cmd_Discover", "cmd_View"})
            count(control<QPushButton>(button), &QPushButton::clicked, commands_);
        count(control<QPushButton>("cmd_View"), &QPushButton::clicked, handOvers_);
    }

    Outcome play(const std::vector<Step>& steps);
    qsizetype messagesAnswered() const { return messages.shown.size(); }

    using Act = QString (Session::*)(Dice&);
    struct Action {
        int weight;
        Act act;
    };
    static const Action actions[];

private:
    // What a step started from, for the rules about what a change blanks.
    struct Before {
        QString subnets, hosts, mask, ipClass;
        int discoveryClassClicks, rangeClassClicks, commands, handOvers;
        qsizetype messages;
    };

    Before before() const {
        return {text("txt_Subnets"),
                text("txt_hosts"),
                text("txt_SubnetMask"),
                letterOf(state().networkClass()),
                discoveryClassClicks_,
                rangeClassClicks_,
                commands_,
                handOvers_,
                messages.shown.size()};
    }
    QString brokenRule(const Before& was) const;
    bool answersTheInputs(const RecordingMessageBox::Message& message) const;
    QString brokenDiscoveryRule(const Before& was) const;
    QString brokenRangeRule(const Before& was) const;

    const SharedState& state() const { return window.state(); }
    bool rangeViewShown() const { return control("frm_View")->isVisible(); }

    // One of the named controls a person can reach now, or nullptr.
    template <typename Control>
    Control* reachable(Dice& dice, std::initializer_list<const char*> names) const {
        QList<Control*> inReach;
        for (const char* name : names) {
            auto* candidate = control<Control>(name);
            if (candidate->isVisible() && candidate->isEnabled())
                inReach.append(candidate);
        }
        return inReach.isEmpty() ? nullptr : inReach[dice.below(int(inReach.size()))];
    }
    TextBox* reachableBox(Dice& dice) const {
        return reachable<TextBox>(dice, {"txt_Subnets", "txt_hosts", "txt_SubnetMask"});
    }

    QString typeCharacter(Dice& dice);
    QString pressEditingKey(Dice& dice);
    QString pasteText(Dice& dice);
    QString commitText(Dice& dice);
    QString clickOption(Dice& dice);
    QString clickCommand(Dice& dice);
    QString clickRow(Dice& dice);
    QString pressListKey(Dice& dice);
    QString chooseView(Dice& dice);
    QString openAndCloseAbout(Dice& dice);

    int discoveryClassClicks_ = 0;
    int rangeClassClicks_ = 0;
    int commands_ = 0;
    int handOvers_ = 0;
};

const Session::Action Session::actions[] = {
    {6, &Session::typeCharacter},     {4, &Session::pressEditingKey}, {4, &Session::pasteText},
    {3, &Session::commitText},        {3, &Session::clickOption},     {8, &Session::clickCommand},
    {6, &Session::clickRow},          {4, &Session::pressListKey},    {2, &Session::chooseView},
    {1, &Session::openAndCloseAbout},
};

QString Session::typeCharacter(Dice& dice) {
    TextBox* box = reachableBox(dice);
    if (!box)
        return {};
    box->setFocus();
    const QString into = QStringLiteral(" into ") + box->objectName();
    if (dice.oneIn(5)) {
        const int letter = dice.below(26);
        QTest::keyClick(box, Qt::Key(Qt::Key_A + letter), Qt::ControlModifier);
        return QStringLiteral("Ctrl+") + QChar(u'A' + letter) + into;
    }
    if (dice.oneIn(10)) {
        QTest::keyClick(box, Qt::Key_Return);
        return QStringLiteral("Enter") + into;
    }
    const QString typed = anyCharacter(dice);
    const char16_t unit = typed.front().unicode();
    const bool keyed = unit < 0x7f && QChar(unit).isLetterOrNumber();
    const auto key = keyed ? Qt::Key(QChar(unit).toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, box, key, typed, {});
    return QStringLiteral("type ") + quoted(typed) + into;
}

QString Session::pressEditingKey(Dice& dice) {
    TextBox* box = reachableBox(dice);
    if (!box)
        return {};
    const auto [key, modifiers, name] =
        dice.pick<std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*>>({
            {Qt::Key_Backspace, {}, "Backspace"},
            {Qt::Key_Delete, {}, "Delete"},
            {Qt::Key_Left, {}, "Left"},
            {Qt::Key_Right, {}, "Right"},
            {Qt::Key_Home, {}, "Home"},
            {Qt::Key_End, {}, "End"},
            {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
            {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
        });
    box->setFocus();
    QTest::keyClick(box, key, modifiers);
    return QString::fromLatin1(name) + QStringLiteral(" in ") + box->objectName();
}

QString Session::pasteText(Dice& dice) {
    TextBox* box = reachableBox(dice);
    if (!box)
        return {};
    const QString pasted = anyText(dice, box->objectName() == QStringLiteral("txt_SubnetMask"));
    box->setFocus();
    // People often select what a box holds and paste over it.
    const bool over = dice.oneIn(2);
    if (over)
        box->selectAll();
    paste(box->objectName().toLatin1().constData(), pasted);
    return QStringLiteral("paste ") + quoted(pasted) +
           (over ? QStringLiteral(" over ") : QStringLiteral(" into ")) + box->objectName();
}

QString Session::commitText(Dice& dice) {
    TextBox* box = reachableBox(dice);
    if (!box)
        return {};
    box->setFocus();
    if (dice.oneIn(3)) {
        QInputMethodEvent composing(anyCharacter(dice), {});
        QApplication::sendEvent(box, &composing);
    }
    const QString committed = anyText(dice, box->objectName() == QStringLiteral("txt_SubnetMask"));
    QInputMethodEvent commit;
    commit.setCommitString(committed);
    QApplication::sendEvent(box, &commit);
    return QStringLiteral("commit ") + quoted(committed) + QStringLiteral(" into ") +
           box->objectName();
}

QString Session::clickOption(Dice& dice) {
    auto* option = reachable<OptionButton>(dice, {"rb_B", "rb_C", "rb_B2", "rb_C2"});
    if (!option)
        return {};
    click(option->objectName().toLatin1().constData());
    return QStringLiteral("click ") + option->objectName();
}

QString Session::clickCommand(Dice& dice) {
    auto* command = reachable<QPushButton>(dice, {"cmd_Calc", "cmd_View", "cmd_Discover"});
    if (!command)
        return {};
    click(command->objectName().toLatin1().constData());
    return QStringLiteral("click ") + command->objectName();
}

QString Session::clickRow(Dice& dice) {
    auto* list = reachable<ListBox>(dice, {"list_Range"});
    if (!list || list->count() == 0)
        return {};
    const int row = dice.below(list->count());
    ::clickRow(list, row);
    return QStringLiteral("click row %1").arg(row);
}

QString Session::pressListKey(Dice& dice) {
    auto* list = reachable<ListBox>(dice, {"list_Range"});
    if (!list)
        return {};
    const auto [key, name] = dice.pick<std::pair<Qt::Key, const char*>>({
        {Qt::Key_Up, "Up"},
        {Qt::Key_Down, "Down"},
        {Qt::Key_Home, "Home"},
        {Qt::Key_End, "End"},
        {Qt::Key_PageDown, "PageDown"},
    });
    list->setFocus();
    QTest::keyClick(list, key);
    return QString::fromLatin1(name) + QStringLiteral(" in list_Range");
}

QString Session::chooseView(Dice& dice) {
    const char* item = dice.oneIn(2) ? "menu_ViewSMD" : "menu_ViewRI";
    choose(item);
    return QStringLiteral("choose ") + QString::fromLatin1(item);
}

// The dialog's modal loop is closed from inside it, by OK or by Escape.
QString Session::openAndCloseAbout(Dice& dice) {
    const bool byEscape = dice.oneIn(2);
    QTimer::singleShot(0, &window, [byEscape] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        if (byEscape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(controlNamed<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    choose("menu_HelpAbout");
    return byEscape ? QStringLiteral("About, closed by Escape")
                    : QStringLiteral("About, closed by OK");
}

QString Session::brokenRule(const Before& was) const {
    if (QApplication::activeModalWidget())
        return QStringLiteral("a modal dialog is left open");
    const bool discoveryShown = control("txt_Subnets")->isVisible();
    if (discoveryShown == rangeViewShown())
        return QStringLiteral("not exactly one view is shown");
    const QString title = window.windowTitle();
    if (discoveryShown ? title != QStringLiteral("Tarnwell - Mask Discovery")
                       : title != QStringLiteral("Tarnwell - Range Information") &&
                             title != QStringLiteral("Tarnwell - Range Discovery"))
        return QStringLiteral("the title names another view: ") + title;

    const bool isC = state().networkClass() == NetworkClass::C;
    const auto [optionB, optionC] =
        discoveryShown ? std::pair{"rb_B", "rb_C"} : std::pair{"rb_B2", "rb_C2"};
    if (control<OptionButton>(optionB)->value() == isC ||
        control<OptionButton>(optionC)->value() != isC)
        return QStringLiteral("the shown view's options disagree with IPClass");

    if (messages.shown.size() > was.messages + (commands_ > was.commands ? 1 : 0))
        return QStringLiteral("a message box came from no command");
    if (messages.shown.size() > was.messages && !answersTheInputs(messages.shown.back()))
        return QStringLiteral("the message does not answer what was asked: ") +
               messages.shown.back().title;
    const QString broken = brokenDiscoveryRule(was);
    return broken.isEmpty() && rangeViewShown() ? brokenRangeRule(was) : broken;
}

// Calculate answers a request that fits no mask; View Range Information and
// View Subnets answer the refusal of the mask for the class.
bool Session::answersTheInputs(const RecordingMessageBox::Message& message) const {
    if (!rangeViewShown()) {
        const NetworkClass shownClass =
            control<OptionButton>("rb_C")->value() ? NetworkClass::C : NetworkClass::B;
        return message.style == 0 && message.title == QStringLiteral("Entry Error") &&
               DiscoverMask(text("txt_Subnets"), text("txt_hosts"), shownClass).Mask() ==
                   noMaskFits;
    }
    const QString mask = text("txt_SubnetMask");
    const RangeInformation answer =
        rangeInformation(mask, state().networkClass(), state().NetPattern());
    const auto* refusal = std::get_if<Refusal>(&answer);
    return refusal && message.style == 64 && message.title == refusal->title &&
           message.text == refusal->text;
}

// The Mask Discovery view's controls keep their rules while covered too.
QString Session::brokenDiscoveryRule(const Before& was) const {
    if (QString broken = brokenMaskDiscoveryInvariant(*this); !broken.isEmpty())
        return broken;
    const bool inputsChanged = text("txt_Subnets") != was.subnets ||
                               text("txt_hosts") != was.hosts ||
                               discoveryClassClicks_ != was.discoveryClassClicks;
    if (inputsChanged && !caption("lbl_MaskAnswer").isEmpty())
        return QStringLiteral("a changed request kept its answer");
    return {};
}

// While shown, the list and the addresses belong to the current mask text
// and class; only the hand-over changes the mask and fills them at once.
QString Session::brokenRangeRule(const Before& was) const {
    if (QString broken = brokenRangeInformationInvariant(*this); !broken.isEmpty())
        return broken;
    const bool addressesShown = !caption("lbl_Start").isEmpty() || !caption("lbl_End").isEmpty();
    const bool inputsChanged = text("txt_SubnetMask") != was.mask ||
                               letterOf(state().networkClass()) != was.ipClass ||
                               rangeClassClicks_ != was.rangeClassClicks;
    if (addressesShown && inputsChanged && handOvers_ == was.handOvers)
        return QStringLiteral("a changed mask or class kept its addresses");
    return {};
}

Outcome Session::play(const std::vector<Step>& steps) {
    Outcome outcome;
    const bool failedBefore = ::testing::Test::HasFailure();
    for (const Step& step : steps) {
        const Before was = before();
        Dice dice(step.seed);
        const QString done = (this->*actions[step.action].act)(dice);
        outcome.done.append(done.isEmpty() ? QStringLiteral("-") : done);
        outcome.rule = brokenRule(was);
        // Such as the watchdog's, for a modal dialog that was left open.
        if (outcome.rule.isEmpty() && !failedBefore && ::testing::Test::HasFailure())
            outcome.rule = QStringLiteral("a failure was reported during the step");
        if (!outcome.rule.isEmpty()) {
            outcome.failedAt = outcome.done.size() - 1;
            break;
        }
    }
    return outcome;
}

Outcome replay(const std::vector<Step>& steps) {
    Session session;
    return session.play(steps);
}

TEST(RandomUse, NoSequenceOfStepsBreaksTheRulesOfTheViews) {
    const quint64 seed = fromEnvironment("TARNWELL_RANDOM_SEED", defaultSeed);
    const int count = int(fromEnvironment("TARNWELL_RANDOM_STEPS", defaultSteps));
    std::vector<int> weights;
    for (const Session::Action& action : Session::actions)
        weights.push_back(action.weight);
    const std::vector<Step> steps = randomSteps(seed, count, weights);
    Session session;
    const Outcome outcome = session.play(steps);
    std::cout << "Random use: seed " << seed << ", " << outcome.done.size() << " steps, "
              << session.messagesAnswered() << " message boxes answered\n";
    if (outcome.failedAt < 0)
        return;

    // The prefix up to the failing step is the shortest that fails; a fresh
    // window must fail with it too, or the failure hangs on something else.
    // Replays report failures of their own, so only a failure of the rules
    // alone is replayed.
    const std::vector<Step> prefix(steps.begin(), steps.begin() + outcome.failedAt + 1);
    std::ostringstream report;
    report << "Seed " << seed << ": after step " << prefix.size() << " of " << count << ", "
           << outcome.rule.toStdString() << "\nReplay it with TARNWELL_RANDOM_SEED=" << seed
           << " TARNWELL_RANDOM_STEPS=" << prefix.size() << "\n";
    if (::testing::Test::HasFailure()) {
        report << "Its last step: " << outcome.done.back().toStdString();
    } else {
        const Outcome again = replay(prefix);
        const Outcome fewest = replay(shrink(prefix, outcome.rule, replay));
        report << (again.rule == outcome.rule ? "The prefix fails again on a fresh window.\n"
                                              : "The prefix does NOT fail on a fresh window.\n")
               << "Fewest steps found that still fail (" << fewest.done.size() << "):\n  "
               << fewest.done.join(QStringLiteral("\n  ")).toStdString();
    }
    ADD_FAILURE() << report.str();
}

} // namespace

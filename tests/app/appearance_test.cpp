// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the window is drawn: captioned frames hold their options inside the
// box, and no text is clipped by the room its control gives it. CTest runs
// the same checks again with only DejaVu fonts offered and at 150% and 200%
// (tests/app/CMakeLists.txt).

#include "about/about_dialog.h"
#include "common/captioned_frame.h"
#include "common/command_button.h"
#include "qstring_printer.h"
#include "window_fixture.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

// Why a control's text does not fit, or nothing when it fits.
QString clipping(const QRect& room, const QRect& needed) {
    if (room.contains(needed))
        return {};
    return QStringLiteral("needs %1x%2, has %3x%4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

QRect textRoom(const QLabel* label) {
    QRect room = label->contentsRect().marginsRemoved(
        QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
    // A label with a frame indents its text by half an "x" from its aligned edge.
    const int indent = label->indent() >= 0      ? label->indent()
                       : label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(u'x') / 2
                                                 : 0;
    if (label->alignment() & Qt::AlignLeft)
        room.setLeft(room.left() + indent);
    return room;
}

QString labelClipping(const QLabel* label) {
    const QRect room = textRoom(label);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return clipping(room, label->fontMetrics().boundingRect(room, flags, label->text()));
}

QString buttonClipping(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    // Command buttons wrap their captions; Qt's own do not.
    const int wrap = qobject_cast<const CommandButton*>(button) ? Qt::TextWordWrap : 0;
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | wrap;
    return clipping(room, button->fontMetrics().boundingRect(room, flags, button->text()));
}

QString optionClipping(const QRadioButton* option) {
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect room =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    const QRect needed(room.topLeft(),
                       option->fontMetrics().size(Qt::TextSingleLine, option->text()));
    return clipping(room, needed.translated(0, (room.height() - needed.height()) / 2));
}

// A list's rows must fit across it, beside its scroll bar; the row's own
// margins come off the room its rectangle gives.
QString rowClipping(const QListWidget* list, const QListWidgetItem* item) {
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    QRect room = list->visualItemRect(item).adjusted(margin, 0, -margin, 0);
    room.setRight(std::min(room.right(), list->viewport()->width() - 1));
    const int needed = list->fontMetrics().horizontalAdvance(item->text());
    return clipping(room, QRect(room.left(), room.top(), needed, room.height()));
}

// Every clipped text under root, one line each.
QStringList clippedTexts(const QWidget* root) {
    QStringList clipped;
    const auto note = [&clipped](const QWidget* control, const QString& text, const QString& why) {
        if (!why.isEmpty())
            clipped.append(control->objectName() + QStringLiteral(" \"") + text +
                           QStringLiteral("\": ") + why);
    };
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && label->pixmap().isNull())
            note(label, label->text(), labelClipping(label));
    }
    for (const QPushButton* button : root->findChildren<QPushButton*>())
        note(button, button->text(), buttonClipping(button));
    for (const QRadioButton* option : root->findChildren<QRadioButton*>())
        note(option, option->text(), optionClipping(option));
    for (const QListWidget* list : root->findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row)
            note(list, list->item(row)->text(), rowClipping(list, list->item(row)));
    }
    return clipped;
}

// The rows, in logical pixels from the frame's top, where a column of its
// picture differs from the background above the frame.
int firstDrawnRow(const QImage& picture, int column) {
    const QRgb background = picture.pixel(column, 0);
    for (int row = 1; row < picture.height(); ++row) {
        if (picture.pixel(column, row) != background)
            return row;
    }
    return -1;
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
    dark.setColor(QPalette::Light, QColor(0x58, 0x58, 0x58));
    dark.setColor(QPalette::Dark, QColor(0x10, 0x10, 0x10));
    return dark;
}

class AppearanceTest : public WindowFixture {
protected:
    void checkCaptionedFrame(const char* name) {
        SCOPED_TRACE(name);
        auto* frame = control<CaptionedFrame>(name);
        const QImage picture = frame->grab().toImage();
        const qreal scale = picture.devicePixelRatio();
        // Right of the caption, nothing but the border line lies above the options.
        const int column = picture.width() - int(4 * scale);
        const int lineRow = firstDrawnRow(picture, column);
        ASSERT_GE(lineRow, 0);
        const qreal borderTop = lineRow / scale;
        EXPECT_LT(borderTop, frame->fontMetrics().height())
            << "the line passes through the caption";
        for (const QRadioButton* option : frame->findChildren<QRadioButton*>())
            EXPECT_LT(borderTop, option->y()) << option->objectName().toStdString();

        // Along the line, the caption interrupts it near the left.
        const QRgb line = picture.pixel(column, lineRow);
        EXPECT_EQ(picture.pixel(int(2 * scale), lineRow), line);
        int interrupted = 0;
        for (int x = int(2 * scale); x < picture.width() / 2; ++x)
            interrupted += picture.pixel(x, lineRow) != line;
        EXPECT_GT(interrupted, 0);
    }
};

TEST_F(AppearanceTest, CaptionedFramesRunTheirTopLineThroughTheCaption) {
    for (const QPalette& palette : {QApplication::palette(), darkPalette()}) {
        window.setPalette(palette);
        choose("menu_ViewSMD");
        checkCaptionedFrame("frm_ClassType");
        choose("menu_ViewRI");
        checkCaptionedFrame("frm_Class");
    }
}

TEST_F(AppearanceTest, NoTextIsClipped) {
    type("txt_Subnets", QStringLiteral("6"));
    QTest::mouseClick(control("cmd_Calc"), Qt::LeftButton);
    QTest::mouseClick(control("cmd_View"), Qt::LeftButton);
    auto* list = control<QListWidget>("list_Range");
    ASSERT_GT(list->count(), 0);
    list->setCurrentRow(0);
    ASSERT_FALSE(control<QLabel>("lbl_Start")->text().isEmpty());
    EXPECT_EQ(clippedTexts(&window), QStringList());

    // The widest rows: two groups of three digits, beside a scroll bar.
    choose("menu_ViewSMD");
    retype("txt_Subnets", QString());
    type("txt_hosts", QStringLiteral("100"));
    QTest::mouseClick(control("cmd_Calc"), Qt::LeftButton);
    QTest::mouseClick(control("cmd_View"), Qt::LeftButton);
    ASSERT_EQ(list->item(0)->text(), QStringLiteral("X.Y.255.0"));
    list->setCurrentRow(1);
    ASSERT_EQ(list->currentItem()->text(), QStringLiteral("X.Y.254.128"));
    QCoreApplication::processEvents(); // the list lays its rows out, and shows its scroll bar,
                                       // later
    ASSERT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(clippedTexts(&window), QStringList());

    AboutDialog about(messages, system, &window);
    EXPECT_EQ(clippedTexts(&about), QStringList());
}

// Run where only DejaVu is offered: nothing of the machine's other faces may
// be seen, or the other tests there prove nothing.
TEST(FontSetup, OnlyDejaVuAndTheBundledFaceAreOffered) {
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE"))
        GTEST_SKIP() << "runs only with the DejaVu-only font configuration";
    const QStringList offered = {QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif"),
                                 QStringLiteral("Serif"), QStringLiteral("Monospace")};
    const QStringList families = QFontDatabase::families();
    EXPECT_TRUE(families.contains(QStringLiteral("DejaVu Sans")));
    for (const QString& family : families) {
        EXPECT_TRUE(family.startsWith(QStringLiteral("DejaVu")) || offered.contains(family))
            << family.toStdString();
    }
}

} // namespace

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
#include "common/contrast.h"
#include "common/line_control.h"
#include "qstring_printer.h"
#include "window_fixture.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTimer>
#include <algorithm>
#include <tuple>

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

// Desktop themes a user may switch to while the program is open, as their
// palettes come: each draws its ordinary texts readably on its own colours.
struct Theme {
    const char* name;
    QPalette palette;
    bool light; // the platform's own light palette
    // The About dialog's black texts and its blue address as drawn.
    const char* blackShownAs;
    const char* blueShownAs;
};

QPalette scheme(QRgb window, QRgb text, QRgb base, QRgb light, QRgb dark, QRgb link) {
    QPalette palette{QColor(text), QColor(window), QColor(light), QColor(dark),  QColor(window),
                     QColor(text), QColor(text),   QColor(base),  QColor(window)};
    palette.setColor(QPalette::Link, QColor(link));
    return palette;
}

// Adwaita dark as Qt's GTK 3 theme gives it. Its link colour reads at 3.5:1
// only, so the address takes the window text colour.
const Theme darkDesktop{"DarkDesktop",
                        scheme(0x323232, 0xf0f0f0, 0x242424, 0x4b4b4b, 0x212121, 0x308cc6), false,
                        "#f0f0f0", "#f0f0f0"};
const Theme highContrast{"HighContrast",
                         scheme(0x000000, 0xffffff, 0x000000, 0xffffff, 0x000000, 0xffff00), false,
                         "#ffffff", "#ffff00"};

// A text as drawn. The commonest colour of its area is taken for the
// background, the pixel that stands out most from that for the text's ink.
struct DrawnText {
    QString control;
    QString text;
    QColor ink;
    QColor background;

    double contrast() const { return contrastRatio(ink, background); }
};

DrawnText drawnText(const QImage& picture, const QWidget* control, const QString& text,
                    const QRect& area) {
    const qreal scale = picture.devicePixelRatio();
    const QRect pixels =
        QRectF(area.topLeft() * scale, area.size() * scale).toRect() & picture.rect();
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++counts[picture.pixel(x, y)];
    }
    DrawnText drawn{control->objectName(), text, {}, {}};
    int commonest = 0;
    for (auto [colour, count] : counts.asKeyValueRange()) {
        if (count > commonest)
            std::tie(drawn.background, commonest) = std::pair(QColor(colour), count);
    }
    drawn.ink = drawn.background;
    for (QRgb colour : counts.keys()) {
        if (contrastRatio(QColor(colour), drawn.background) > drawn.contrast())
            drawn.ink = QColor(colour);
    }
    return drawn;
}

QRect buttonText(const QAbstractButton* button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

// Every text of a window that the user can use, as drawn. Disabled controls
// are left out, as WCAG leaves them out, and so are selected rows: they are
// drawn in the palette's selection colours, which the program leaves alone.
QList<DrawnText> drawnTexts(QWidget* root) {
    const QImage picture = root->grab().toImage();
    QList<DrawnText> texts;
    const auto add = [&](const QWidget* control, const QString& text, const QRect& area) {
        // A dialog the window owns is a window of its own.
        const bool drawnHere = control->window() == root && control->isVisibleTo(root);
        if (!text.isEmpty() && drawnHere && control->isEnabled())
            texts.append(drawnText(picture, control, text,
                                   QRect(control->mapTo(root, area.topLeft()), area.size())));
    };
    for (const QLabel* label : root->findChildren<QLabel*>())
        add(label, label->text(), label->contentsRect());
    for (const QRadioButton* option : root->findChildren<QRadioButton*>())
        add(option, option->text(), buttonText(option, QStyle::SE_RadioButtonContents));
    for (const QPushButton* button : root->findChildren<QPushButton*>())
        add(button, button->text(), buttonText(button, QStyle::SE_PushButtonContents));
    for (const QLineEdit* box : root->findChildren<QLineEdit*>())
        add(box, box->text(), box->rect().marginsRemoved(QMargins(3, 3, 3, 3)));
    for (const QListWidget* list : root->findChildren<QListWidget*>()) {
        for (int row = 0; row < list->count(); ++row) {
            if (!list->item(row)->isSelected())
                add(list->viewport(), list->item(row)->text(),
                    list->visualItemRect(list->item(row)));
        }
    }
    for (const QMenuBar* bar : root->findChildren<QMenuBar*>()) {
        for (QAction* menu : bar->actions())
            add(bar, menu->text(), bar->actionGeometry(menu));
    }
    return texts;
}

// The colour drawn at a point of a widget, in its window's picture.
QColor drawnAt(const QImage& picture, const QWidget* root, const QWidget* control, QPointF at) {
    const QPointF pixel =
        (QPointF(control->mapTo(root, QPoint())) + at) * picture.devicePixelRatio();
    return picture.pixelColor(int(pixel.x()), int(pixel.y()));
}

// Each separator as drawn: its shadow line and, beneath it, its highlight.
QList<std::pair<QColor, QColor>> drawnGrooves(QWidget* root) {
    const QImage picture = root->grab().toImage();
    QList<std::pair<QColor, QColor>> grooves;
    for (const LineControl* line : root->findChildren<LineControl*>()) {
        if (line->height() == 1) // a shadow, on top of its highlight's first row
            grooves.append({drawnAt(picture, root, line, {line->width() / 2.0, 0.5}),
                            drawnAt(picture, root, line, {line->width() / 2.0, 1.5})});
    }
    return grooves;
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
    for (const QPalette& palette : {QApplication::palette(), darkDesktop.palette}) {
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

// Every text can be read, under the platform's light palette and under the
// desktop themes a user may switch to while the program is open; under the
// light palette the About dialog keeps its own colours.
TEST_F(AppearanceTest, EveryTextIsReadableUnderEveryPalette) {
    type("txt_Subnets", QStringLiteral("6"));
    QTest::mouseClick(control("cmd_Calc"), Qt::LeftButton);
    AboutDialog about(messages, system, &window);
    about.show();
    const QPalette light = QApplication::palette();
    const QStringList black = {QStringLiteral("lblTitle"), QStringLiteral("lblDescription"),
                               QStringLiteral("lblDisclaimer")};

    for (const Theme& theme :
         {Theme{"Light", light, true, "#000000", "#0000ff"}, darkDesktop, highContrast}) {
        SCOPED_TRACE(theme.name);
        QApplication::setPalette(theme.palette);
        QCoreApplication::processEvents(); // the widgets hear of it later
        choose("menu_ViewSMD");
        QList<DrawnText> texts = drawnTexts(&window);
        QTest::mouseClick(control("cmd_View"), Qt::LeftButton);
        control<QListWidget>("list_Range")->setCurrentRow(0);
        texts << drawnTexts(&window);
        const QList<DrawnText> aboutTexts = drawnTexts(&about);
        texts << aboutTexts;
        QTimer::singleShot(0, [&texts] {
            texts << drawnTexts(QApplication::activeModalWidget());
            QApplication::activeModalWidget()->close();
        });
        QtMessageBox().show(QStringLiteral("Subnet Mask Format Error"), MessageStyle::Information);
        ASSERT_GE(texts.size(), 40);
        for (const DrawnText& drawn : texts) {
            EXPECT_GE(drawn.contrast(), readableTextContrast)
                << drawn.control.toStdString() << " \"" << drawn.text.toStdString()
                << "\": " << drawn.ink.name().toStdString() << " on "
                << drawn.background.name().toStdString();
        }
        for (const DrawnText& drawn : aboutTexts) {
            const bool blue = drawn.control == QStringLiteral("Label2");
            if (blue || black.contains(drawn.control)) {
                EXPECT_EQ(drawn.ink.name(), blue ? theme.blueShownAs : theme.blackShownAs)
                    << drawn.control.toStdString();
            }
        }

        // The view's rule is drawn in the window text colour of the palette as it is now.
        const QWidget* rule = control("Line1");
        EXPECT_EQ(
            drawnAt(window.grab().toImage(), &window, rule, {rule->width() / 2.0, 0.5}).name(),
            theme.palette.color(QPalette::WindowText).name());
        // The dialog's separators show as grooves: a shadow above a highlight.
        const QColor background = theme.palette.color(QPalette::Window);
        for (const auto& [shadow, highlight] : drawnGrooves(&about)) {
            EXPECT_LE(relativeLuminance(shadow), relativeLuminance(background));
            EXPECT_GE(relativeLuminance(highlight), relativeLuminance(background));
            EXPECT_NE(shadow, highlight);
            if (theme.light) {
                EXPECT_EQ(shadow.name(), QStringLiteral("#808080"));
                EXPECT_EQ(highlight.name(), QStringLiteral("#ffffff"));
            }
        }
    }
    QApplication::setPalette(light);
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

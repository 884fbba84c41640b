// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the window is drawn: captioned frames hold their options inside the
// box, and no text is clipped by the room its control gives it. The same
// checks run again in child processes with only DejaVu fonts offered and at
// 150% and 200%.

#include "about/about_dialog.h"
#include "common/captioned_frame.h"
#include "common/command_button.h"
#include "main_window_fixture.h"
#include "qstring_printer.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextStream>

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

    AboutDialog about(messages, *system, &window);
    EXPECT_EQ(clippedTexts(&about), QStringList());
}

// Run in the child that offers only DejaVu: nothing of the machine's other
// faces may be seen, or the other tests there prove nothing.
TEST(FontSetup, DISABLED_OnlyDejaVuAndTheBundledFaceAreOffered) {
    const QStringList offered = {QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif"),
                                 QStringLiteral("Serif"), QStringLiteral("Monospace")};
    const QStringList families = QFontDatabase::families();
    EXPECT_TRUE(families.contains(QStringLiteral("DejaVu Sans")));
    for (const QString& family : families) {
        EXPECT_TRUE(family.startsWith(QStringLiteral("DejaVu")) || offered.contains(family))
            << family.toStdString();
    }
}

// Only DejaVu, as many Linux machines have it; the cache stays in the
// temporary folder.
QString writeDejaVuOnlyConfig(const QTemporaryDir& folder) {
    const QString path = folder.filePath(QStringLiteral("fonts.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return {};
    QTextStream(&file) << "<?xml version=\"1.0\"?>\n"
                          "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                          "<fontconfig>\n"
                          "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
                          "  <cachedir>"
                       << folder.filePath(QStringLiteral("cache"))
                       << "</cachedir>\n"
                          "</fontconfig>\n";
    return path;
}

TEST(AppearanceElsewhere, HoldsWithOnlyDejaVuAndAtEveryScale) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fontsConf = writeDejaVuOnlyConfig(folder);
    ASSERT_FALSE(fontsConf.isEmpty());
    const struct {
        const char* setting;
        const char* variable;
        QString value;
        QStringList arguments;
    } runs[] = {
        {"only DejaVu",
         "FONTCONFIG_FILE",
         fontsConf,
         {"--gtest_filter=AppearanceTest.*:FontSetup.*", "--gtest_also_run_disabled_tests"}},
        {"150%", "QT_SCALE_FACTOR", "1.5", {"--gtest_filter=AppearanceTest.*"}},
        {"200%", "QT_SCALE_FACTOR", "2", {"--gtest_filter=AppearanceTest.*"}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.setting);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(run.variable), run.value);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), run.arguments);
        ASSERT_TRUE(child.waitForFinished(120'000));
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        // A filter that matched nothing would pass as well.
        EXPECT_TRUE(output.contains(QStringLiteral("[       OK ]"))) << output.toStdString();
    }
}

} // namespace

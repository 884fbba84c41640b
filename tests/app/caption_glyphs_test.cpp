// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every letter of every caption leaves ink on the screen. A face that the
// platform picks but cannot draw at the caption's size shows up as a gap in
// a word ("View Range nformation"), which neither the texts nor the font
// metrics reveal: only the drawn pixels do. On Windows this also runs on the
// real windows platform, whose font engine differs from the offscreen one.

#include "about/about_dialog.h"
#include "qstring_printer.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QSet>

namespace {

struct Caption {
    QString owner;
    QString text;
    QFont font;
};

QList<Caption> captionsUnder(const QWidget* root) {
    QList<Caption> captions;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->pixmap().isNull())
            captions.append({label->objectName(), label->text(), label->font()});
    }
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>())
        captions.append({button->objectName(), button->text(), button->font()});
    for (const QGroupBox* frame : root->findChildren<QGroupBox*>())
        captions.append({frame->objectName(), frame->title(), frame->font()});
    for (const QMenuBar* bar : root->findChildren<QMenuBar*>()) {
        for (const QAction* menu : bar->actions())
            captions.append({menu->objectName(), menu->text(), bar->font()});
    }
    return captions;
}

// Whether the letter, drawn alone by a label in that font, changes a pixel.
bool leavesInk(QChar letter, const QFont& font) {
    QLabel probe{QString(letter)};
    probe.setFont(font);
    probe.setTextFormat(Qt::PlainText);
    probe.adjustSize();
    const QImage picture = probe.grab().toImage();
    const QRgb background = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != background)
                return true;
        }
    }
    return false;
}

// "owner: letter" for each letter that leaves no ink, each letter once per font.
QStringList undrawnLetters(const QList<Caption>& captions) {
    QStringList undrawn;
    QSet<QString> tried;
    for (const Caption& caption : captions) {
        for (const QChar letter : caption.text) {
            const QString key = QString(letter) + caption.font.key();
            if (letter.isSpace() || letter == u'&' || tried.contains(key))
                continue;
            tried.insert(key);
            if (!leavesInk(letter, caption.font))
                undrawn.append(caption.owner + QStringLiteral(": ") + letter);
        }
    }
    return undrawn;
}

class CaptionGlyphsTest : public WindowFixture {};

TEST_F(CaptionGlyphsTest, EveryLetterOfEveryCaptionIsDrawn) {
    const QList<Caption> captions = captionsUnder(&window);
    ASSERT_GT(captions.size(), 20);
    EXPECT_EQ(undrawnLetters(captions), QStringList());

    AboutDialog about(messages, system, &window);
    EXPECT_EQ(undrawnLetters(captionsUnder(&about)), QStringList());
}

} // namespace

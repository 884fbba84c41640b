// SPDX-FileCopyrightText: 2026 The Tarnwell developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_layout.h"

#include "common/contrast.h"
#include "common/control_table.h"
#include "common/label.h"
#include "common/line_control.h"
#include "common/twips.h"

#include <QLabel>
#include <QPixmap>
#include <array>

namespace {

using namespace trait;

using enum ControlKind;

constexpr const char* window = nullptr;

constexpr const char* description =
    "Calculations program to assist in discovering the proper Subnet mask based on desired "
    "segments or nodes.  Additionally, will assist in the identification of assignable IP "
    "addresses within each segment.";

constexpr const char* disclaimer = "This program comes as is, without warranty; its makers are "
                                   "not liable for its use in any way.  Check its results "
                                   "before use. ";

constexpr const char* invitation =
    "If you use this program, please send a short e-mail to the address below saying who you "
    "are and what you use it for. You will then be told when an updated version is released. "
    "Your address is used for nothing else and is never passed on to anyone.";

constexpr const char* address = "updates@tarnwell.example";

// lblTitle and lblVersion get their captions at load.
// clang-format off
constexpr std::array controls{
//  name              kind           container caption            left   top  width height tab  traits  points
    ControlRow{"cmdOK",          CommandButton, window, "OK",               4245, 3225, 1260, 345, 0},
    ControlRow{"cmdSysInfo",     CommandButton, window, "&System Info...",  4260, 3675, 1245, 345, 2},
    ControlRow{"Label1",         Label,         window, invitation,          240, 2160, 5295, 855, 8, wraps},
    ControlRow{"Label2",         Label,         window, address,             240, 3840, 1995, 195, 7, autoSize | bold},
    ControlRow{"lblDescription", Label,         window, description,        1080, 1080, 3885, 930, 3, wraps},
    ControlRow{"lblTitle",       Label,         window, "",                 1050,  240, 3885, 480, 5, bold, 13.5},
    ControlRow{"lblVersion",     Label,         window, "Version ",         1080,  780, 3885, 225, 6},
    ControlRow{"lblDisclaimer",  Label,         window, disclaimer,          255, 3225, 3870, 585, 4, wraps},
};
// clang-format on

// Fixed colours, each kept wherever it can be read on the window colour; where
// it cannot, the label shows the palette's colour for its kind of text.
struct ColourRow {
    const char* control;
    QRgb colour;
    QPalette::ColorRole kind;
};

constexpr std::array colours{
    ColourRow{"Label2", qRgb(0, 0, 255), QPalette::Link},
    ColourRow{"lblDescription", qRgb(0, 0, 0), QPalette::WindowText},
    ColourRow{"lblTitle", qRgb(0, 0, 0), QPalette::WindowText},
    ColourRow{"lblDisclaimer", qRgb(0, 0, 0), QPalette::WindowText},
};

// Each separator is a grey line of one pixel over a white one of two, which
// shows as a groove: grey above, white below. That needs a window lighter
// than the grey, enough for the grey to be seen; on any other window the
// palette's own Dark and Light draw the groove, as they draw the frames'
// etched borders.
constexpr QRgb grey = qRgb(128, 128, 128);
constexpr QRgb white = qRgb(255, 255, 255);

bool greyAndWhiteShowAsGroove(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    return relativeLuminance(QColor(grey)) < relativeLuminance(window) &&
           contrastRatio(QColor(grey), window) >= visibleLineContrast;
}

QColor shadowOn(const QPalette& palette) {
    return greyAndWhiteShowAsGroove(palette) ? QColor(grey) : palette.color(QPalette::Dark);
}

QColor highlightOn(const QPalette& palette) {
    return greyAndWhiteShowAsGroove(palette) ? QColor(white) : palette.color(QPalette::Light);
}

struct LineRow {
    int index; // in the control array Line1
    int x1;
    int x2;
    int y;
    LineControl::ColourOn colour;
    int penWidth;
};

// White lines first, so that the grey ones lie on top.
constexpr std::array lines{
    LineRow{0, 120, 5669, 2040, highlightOn, 2},
    LineRow{3, 120, 5669, 3120, highlightOn, 2},
    LineRow{2, 120, 5684, 3120, shadowOn, 1},
    LineRow{1, 120, 5684, 2040, shadowOn, 1},
};

void buildPicture(QWidget* client) {
    auto* picIcon = new QLabel(client);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(QPixmap(QStringLiteral(":/about/about_picture.png")));
    picIcon->move(0, 0);
    picIcon->adjustSize(); // sized to its picture
}

void buildLines(QWidget* client) {
    for (const LineRow& drawn : lines) {
        auto* line = new LineControl(drawn.colour, drawn.penWidth, client);
        line->setObjectName(QStringLiteral("Line1"));
        line->setProperty("index", drawn.index);
        line->move(twipsToPixels(drawn.x1), twipsToPixels(drawn.y));
        line->setFixedWidth(twipsToPixels(drawn.x2 - drawn.x1));
    }
}

void colourLabels(QWidget* client) {
    for (const ColourRow& coloured : colours)
        controlNamed<::Label>(client, coloured.control)
            ->setForeColor(coloured.colour, coloured.kind);
}

} // namespace

void buildAboutControls(QWidget* client) {
    buildPicture(client);
    buildControls(client, controls);
    colourLabels(client);
    buildLines(client);
}

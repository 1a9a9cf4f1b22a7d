// Units, colours and fonts of the window and control services.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>

namespace forms {

// Positions and sizes: 1/1440 inch. On screen 15 twips make one logical pixel.
using Twips = int;
constexpr int kTwipsPerPixel = 15;

// &H00BBGGRR, red in the low byte; &H800000nn names the system colour nn.
using ColourValue = std::uint32_t;

namespace colours {
constexpr ColourValue Black = 0x00000000;
constexpr ColourValue White = 0x00FFFFFF;
constexpr ColourValue Red = 0x000000FF;
constexpr ColourValue Blue = 0x00FF0000;
constexpr ColourValue WindowBackground = 0x80000005;
constexpr ColourValue WindowText = 0x80000008;
constexpr ColourValue ButtonFace = 0x8000000F;
}  // namespace colours

// Twips to logical pixels, rounded to the nearest pixel.
int ToPixels(Twips twips);

// The colour on screen; a system colour is resolved through the application's palette.
QColor ToQColor(ColourValue colour);

// The font named by a layout, mapped to a face every setup has: every face is drawn with
// Liberation Sans at its size in pixels at 96 dpi, but "MS Sans Serif" at 95 % of it, so
// that every caption fits the box its layout gives it.
struct FontSpec {
    const char* face = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
};
QFont ToQFont(const QString& face, double points, bool bold);

}  // namespace forms

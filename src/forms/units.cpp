#include "forms/units.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

namespace forms {

namespace {
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// How large a face is drawn, against its size in pixels at 96 dpi. Liberation Sans has
// Arial's metrics, so Arial needs no scale, and "Small Fonts" at the badges' 6 pt comes to
// the same 8 pixels either way. "MS Sans Serif" is a narrow bitmap face: drawn in
// Liberation Sans at its full size, the longer captions of the atom-structure and
// definitions windows would wrap and be cut off at their labels' heights.
double fontScale(const QString& face) {
    return face == QLatin1String("MS Sans Serif") ? 0.95 : 1.0;
}
}  // namespace

int ToPixels(Twips twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

QColor ToQColor(ColourValue colour) {
    if ((colour & 0x80000000u) != 0) {
        const QPalette palette = QApplication::palette();
        switch (colour & 0xFFu) {
            case 5:  // window background
                return palette.color(QPalette::Base);
            case 8:  // window text
                return palette.color(QPalette::Text);
            case 15:  // button face
                return palette.color(QPalette::Button);
            case 16:  // button shadow
                return palette.color(QPalette::Dark);
            case 18:  // button text
                return palette.color(QPalette::ButtonText);
            case 20:  // button highlight
                return palette.color(QPalette::Light);
            default:
                return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

QFont ToQFont(const QString& face, double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint * fontScale(face)))));
    font.setBold(bold);
    return font;
}

}  // namespace forms

#include "forms/units.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

namespace forms {

namespace {
constexpr double kFontScale = 0.95;
constexpr double kPixelsPerPoint = 96.0 / 72.0;
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
    Q_UNUSED(face);  // every face of the layouts maps to the one face below
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint * kFontScale))));
    font.setBold(bold);
    return font;
}

}  // namespace forms

#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

namespace orvane {

// Dialog templates are laid out in dialog units of the 8-point dialog font: a unit across is a
// quarter of the font's average character width (6 pixels), a unit down an eighth of its height
// (13 pixels).
inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

// n × numerator ÷ denominator, rounded to the nearest integer with halves away from zero, as
// the platform scales dialog units.
constexpr int MulDiv(int n, int nNumerator, int nDenominator) {
    const long long product = static_cast<long long>(n) * nNumerator;
    const long long half = nDenominator / 2;
    const long long rounded =
        product >= 0 ? (product + half) / nDenominator : (product - half) / nDenominator;
    return static_cast<int>(rounded);
}

// The pixel rectangle of a template rectangle (x, y, width, height in dialog units). The edges
// are scaled, not the size, so neighbouring controls keep their exact distances.
constexpr QRect MapDialogRect(int x, int y, int cx, int cy) {
    const int left = MulDiv(x, kBaseUnitX, 4);
    const int top = MulDiv(y, kBaseUnitY, 8);
    const int right = MulDiv(x + cx, kBaseUnitX, 4);
    const int bottom = MulDiv(y + cy, kBaseUnitY, 8);
    return QRect(left, top, right - left, bottom - top);
}

constexpr QSize MapDialogSize(int cx, int cy) {
    return QSize(MulDiv(cx, kBaseUnitX, 4), MulDiv(cy, kBaseUnitY, 8));
}

// The dialogs are laid out for an 8-point font of 6 × 13 pixel base units. An 11-pixel sans serif
// with lines of 13 pixels and characters about that wide keeps the texts inside the controls the
// layout gives them (the disclaimer's blocks follow each other at exactly that line height); the
// desktop's own font, where none of these exists.
inline void ApplyDialogFont(QWidget* pDialog) {
    QFont font = pDialog->font();
    font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
                      font.family()});
    font.setPixelSize(11);
    pDialog->setFont(font);
}

} // namespace orvane

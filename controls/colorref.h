#pragma once

#include <QRgb>
#include <cstdint>

namespace orvane {

// A colour as the drawing layer passes it around: 0x00BBGGRR, red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}

constexpr std::uint8_t GetRValue(COLORREF cr) {
    return static_cast<std::uint8_t>(cr & 0xFFu);
}
constexpr std::uint8_t GetGValue(COLORREF cr) {
    return static_cast<std::uint8_t>((cr >> 8) & 0xFFu);
}
constexpr std::uint8_t GetBValue(COLORREF cr) {
    return static_cast<std::uint8_t>((cr >> 16) & 0xFFu);
}

// Qt keeps colours as 0xAARRGGBB; pictures are opaque, so alpha is always full.
constexpr QRgb ToQRgb(COLORREF cr) {
    return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}
constexpr COLORREF FromQRgb(QRgb rgb) {
    return RGB(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
               static_cast<std::uint8_t>(qBlue(rgb)));
}

} // namespace orvane

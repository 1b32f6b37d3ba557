#pragma once

#include <QString>
#include <string_view>

namespace orvane {

// Decodes Windows-1252 text. It differs from Latin-1 in 0x80 to 0x9F, where it holds
// typographic characters such as the right single quotation mark (0x92 → U+2019) and the euro
// sign (0x80 → U+20AC). The five bytes it leaves undefined map to the control characters of the
// same value, as the platform's own conversion does.
QString FromWindows1252(std::string_view bytes);

} // namespace orvane

#include "app/windows1252.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(Windows1252Test, DecodesTheTypographicRangeUnlikeLatin1) {
    const struct {
        const char* pszBytes;
        char16_t expected;
    } cases[] = {
        {"\x92", u'\u2019'}, {"\xB7", u'\u00B7'}, {"\x80", u'\u20AC'}, {"\x91", u'\u2018'},
        {"\x96", u'\u2013'}, {"\x9F", u'\u0178'}, {"\x81", u'\u0081'}, {"\xE9", u'\u00E9'},
        {"\xFF", u'\u00FF'}, {"A", u'A'},
    };
    for (const auto& c : cases) {
        const QString strText = FromWindows1252(c.pszBytes);
        ASSERT_EQ(strText.size(), 1);
        EXPECT_EQ(strText.front().unicode(), c.expected)
            << "byte " << static_cast<int>(static_cast<unsigned char>(c.pszBytes[0]));
    }
    EXPECT_EQ(FromWindows1252("DVD\x92s \xB7 x"), QStringLiteral("DVD\u2019s \u00B7 x"));
    EXPECT_EQ(FromWindows1252(std::string_view("a\0b", 3)),
              QString(QStringLiteral("a")) + QChar(u'\0') + QStringLiteral("b"));
}

} // namespace
} // namespace orvane::test

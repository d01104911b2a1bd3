#include "ChineseOrder.h"

#include <QStringEncoder>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

// The comparison as it is defined: both texts converted and compared as byte strings. Used for
// texts that are not valid UTF-8, whose replacement characters the fast path does not mimic.
int CompareEncoded(std::string_view a, std::string_view b)
{
    thread_local QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
    const auto key = [](std::string_view utf8) {
        QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        for (QChar& c : text)
            if (c.unicode() < 128)
                c = c.toLower();
        return QByteArray(encoder(text));
    };
    const QByteArray x = key(a), y = key(b);
    const int c = std::memcmp(x.constData(), y.constData(), size_t(std::min(x.size(), y.size())));
    return c != 0 ? c : int(x.size() > y.size()) - int(x.size() < y.size());
}

// GB18030 encodes every character in one, two or four bytes, and no encoding is the beginning of
// another. So comparing two encoded texts byte by byte is comparing their characters' encodings
// one after the other, and each encoding packed into 32 bits (first byte highest, unused bytes
// 0) compares as its bytes do.
using Weight = std::uint32_t;

Weight Pack(const QByteArray& bytes)
{
    Weight w = 0;
    for (int i = 0; i < 4; ++i)
        w = (w << 8) | (i < bytes.size() ? std::uint8_t(bytes[i]) : 0u);
    return w;
}

// Weights of the characters of the Basic Multilingual Plane, ASCII letters as their lower case.
const Weight* BasicWeights()
{
    static const std::unique_ptr<Weight[]> table = [] {
        auto t = std::make_unique<Weight[]>(0x10000);
        QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (c >= 0xD800 && c < 0xE000)
                continue;  // surrogates never stand alone in valid UTF-8
            QChar ch{char16_t(c)};
            if (c < 128)
                ch = ch.toLower();
            t[c] = Pack(encoder(QStringView(&ch, 1)));
        }
        return t;
    }();
    return table.get();
}

// The four bytes of a character beyond the Basic Multilingual Plane: GB18030 numbers them in
// order from 90 30 81 30, the second and fourth byte running over ten digits, the third over 126.
Weight SupplementaryWeight(char32_t c)
{
    std::uint32_t n = c - 0x10000;
    const Weight b3 = 0x30 + n % 10;
    n /= 10;
    const Weight b2 = 0x81 + n % 126;
    n /= 126;
    const Weight b1 = 0x30 + n % 10;
    const Weight b0 = 0x90 + n / 10;
    return b0 << 24 | b1 << 16 | b2 << 8 | b3;
}

// Reads one character of valid UTF-8 at p (before end); false on anything else.
bool NextCharacter(const unsigned char*& p, const unsigned char* end, char32_t& c)
{
    const unsigned char b = *p;
    if (b < 0x80) {
        c = b;
        ++p;
        return true;
    }
    int more;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) {
        more = 1;
        min = 0x80;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        more = 2;
        min = 0x800;
        c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        more = 3;
        min = 0x10000;
        c = b & 0x07;
    } else {
        return false;
    }
    if (end - p <= more)
        return false;
    for (int i = 1; i <= more; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return false;
        c = c << 6 | (p[i] & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return false;
    p += more + 1;
    return true;
}

// A byte order mark opening a text is no character of it (as QString::fromUtf8 reads it).
std::string_view WithoutByteOrderMark(std::string_view text)
{
    return text.substr(text.starts_with("\xEF\xBB\xBF") ? 3 : 0);
}

}  // namespace

int CompareChinese(std::string_view a, std::string_view b)
{
    const Weight* basic = BasicWeights();
    const std::string_view x = WithoutByteOrderMark(a), y = WithoutByteOrderMark(b);
    auto p = reinterpret_cast<const unsigned char*>(x.data());
    auto q = reinterpret_cast<const unsigned char*>(y.data());
    const auto pe = p + x.size(), qe = q + y.size();
    while (p < pe && q < qe) {
        char32_t x, y;
        if (!NextCharacter(p, pe, x) || !NextCharacter(q, qe, y))
            return CompareEncoded(a, b);
        const Weight wx = x < 0x10000 ? basic[x] : SupplementaryWeight(x);
        const Weight wy = y < 0x10000 ? basic[y] : SupplementaryWeight(y);
        if (wx != wy)
            return wx < wy ? -1 : 1;
    }
    // Every character encodes to at least one byte, so the longer text comes after.
    return int(p < pe) - int(q < qe);
}

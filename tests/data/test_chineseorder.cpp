// The Chinese order compares characters through a table of their GB18030 encodings; it must
// order every pair of texts exactly as converting both texts and comparing the bytes does.

#include "ChineseOrder.h"

#include <QStringEncoder>
#include <QTest>
#include <random>
#include <string>

namespace {

int Sign(int x)
{
    return (x > 0) - (x < 0);
}

// The definition: both texts in GB18030, ASCII letters folded to lower case, compared as bytes.
int Reference(const std::string& a, const std::string& b)
{
    QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
    const auto key = [&](const std::string& utf8) {
        QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        for (QChar& c : text)
            if (c.unicode() < 128)
                c = c.toLower();
        return QByteArray(encoder(text));
    };
    const QByteArray x = key(a), y = key(b);
    const int c = std::memcmp(x.constData(), y.constData(), size_t(std::min(x.size(), y.size())));
    return Sign(c != 0 ? c : int(x.size() > y.size()) - int(x.size() < y.size()));
}

std::string Utf8(char32_t c)
{
    return QString::fromUcs4(&c, 1).toStdString();
}

}  // namespace

class TestChineseOrder : public QObject {
    Q_OBJECT
private slots:
    void sameAsEncodedBytes()
    {
        // Pieces of names: letters of both cases, digits, signs, common and rare Chinese
        // characters, full-width forms, characters beyond the Basic Multilingual Plane, NUL, and
        // bytes that are not UTF-8.
        std::vector<std::string> pieces = {"a", "A", "b", "Z", "z", "0", "9", "-", "/", " ", "'", "~", "é", "€",
                                           "北", "辰", "雪", "峰", "阿", "安", "张", "章", "长", "號", "龘", "〇",
                                           "ａ", "Ａ", "１", "（", "·", "\xEF\xBB\xBF", std::string(1, '\0'),
                                           "\xFF", "\x80", "\xE5\x8C", "\xED\xA0\x80", "\xC0\xAF"};
        for (char32_t c : {U'\U0001F600', U'\U00020000', U'\U0002A6D6', U'\U00010000', U'\U0010FFFF', U'\uE000', U'\uFFFD'})
            pieces.push_back(Utf8(c));
        std::mt19937 rng(7);
        std::vector<std::string> texts = pieces;
        for (int i = 0; i < 400; ++i) {
            std::string t;
            for (int n = int(rng() % 5); n >= 0; --n)
                t += pieces[rng() % pieces.size()];
            texts.push_back(t);
        }
        texts.push_back(std::string());
        for (const std::string& a : texts)
            for (const std::string& b : texts)
                if (Sign(CompareChinese(a, b)) != Reference(a, b))
                    QFAIL(qPrintable(QStringLiteral("%1 / %2").arg(QString::fromUtf8(QByteArray::fromStdString(a).toHex()),
                                                                    QString::fromUtf8(QByteArray::fromStdString(b).toHex()))));
    }

    // Every character of the Basic Multilingual Plane and a sweep of the others, each against
    // its neighbour and against a common character.
    void everyCharacter()
    {
        const std::string middle = "中";
        for (char32_t c = 1; c <= 0x10FFFF; c += c < 0x10000 ? 1 : 97) {
            if (c >= 0xD800 && c < 0xE000)
                continue;
            const std::string x = Utf8(c), y = Utf8(c + 1 < 0xD800 || c + 1 >= 0xE000 ? c + 1 : 0xE000);
            QCOMPARE(Sign(CompareChinese(x, y)), Reference(x, y));
            QCOMPARE(Sign(CompareChinese(x, middle)), Reference(x, middle));
        }
    }
};

QTEST_GUILESS_MAIN(TestChineseOrder)
#include "test_chineseorder.moc"

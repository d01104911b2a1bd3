#include "PinyinInitials.h"

#include <unicode/alphaindex.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <array>
#include <memory>

namespace {

// Characters of two readings whose usual reading in names differs from the first one the
// pinyin index gives them.
constexpr std::pair<char16_t, char16_t> NameReadings[] = {
    {u'调', u't'},  // 空调
    {u'长', u'c'},  // 长江, 长春
    {u'重', u'c'},  // 重庆
    {u'厦', u'x'},  // 厦门
    {u'行', u'h'},  // 银行, 电器行
    {u'藏', u'z'},  // 西藏
    {u'单', u's'},  // 单 as a family name
    {u'解', u'x'},  // 解 as a family name
    {u'查', u'z'},  // 查 as a family name
    {u'曾', u'z'},  // 曾 as a family name
};

// ICU's pinyin index of simplified Chinese: one bucket per initial letter.
const icu::AlphabeticIndex::ImmutableIndex* PinyinIndex()
{
    static const std::unique_ptr<icu::AlphabeticIndex::ImmutableIndex> index = [] {
        UErrorCode status = U_ZERO_ERROR;
        icu::AlphabeticIndex builder(icu::Locale::getSimplifiedChinese(), status);
        std::unique_ptr<icu::AlphabeticIndex::ImmutableIndex> built(builder.buildImmutableIndex(status));
        return U_FAILURE(status) ? nullptr : std::move(built);
    }();
    return index.get();
}

char16_t IndexInitial(char16_t c)
{
    const auto* index = PinyinIndex();
    if (!index)
        return c;
    UErrorCode status = U_ZERO_ERROR;
    const int bucket = index->getBucketIndex(icu::UnicodeString(c), status);
    const icu::AlphabeticIndex::Bucket* b = U_SUCCESS(status) ? index->getBucket(bucket) : nullptr;
    if (!b || b->getLabelType() != U_ALPHAINDEX_NORMAL || b->getLabel().length() != 1)
        return c;
    const char16_t letter = b->getLabel().charAt(0);
    return letter >= u'A' && letter <= u'Z' ? char16_t(letter - u'A' + u'a') : c;
}

constexpr char16_t FirstHan = 0x4E00, LastHan = 0x9FFF;

// Initial of a character of the common Chinese block, looked up once per character and thread.
char16_t HanInitial(char16_t c)
{
    thread_local std::array<char16_t, LastHan - FirstHan + 1> known{};
    char16_t& slot = known[c - FirstHan];
    if (slot == 0) {
        slot = IndexInitial(c);
        for (const auto& [han, letter] : NameReadings)
            if (han == c)
                slot = letter;
    }
    return slot;
}

}  // namespace

QString PinyinInitials(const QString& text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= FirstHan && c <= LastHan)
            out[i] = QChar(HanInitial(c));
        else if (c < 128)
            out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c);
        else
            out[i] = QChar(c);
    }
    return out;
}

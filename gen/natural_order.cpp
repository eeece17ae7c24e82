#include "gen/natural_order.h"

#include "gen/file_name_case.h"
#include "text/utf16_text.h"

#include <array>
#include <cstdint>

namespace {

// What a character weighs when two names are set side by side: its group (marks and symbols, then
// letters), then its base character, then its accent. Case never counts.
using TWeight = std::uint64_t;

constexpr TWeight Weigh(unsigned group, unsigned base, unsigned accent)
{
    return (static_cast<TWeight>(group) << 40) | (static_cast<TWeight>(base) << 8) | accent;
}

constexpr unsigned SymbolGroup = 0;
constexpr unsigned LetterGroup = 1;

// Accents in the order Windows sorts the letters that carry them ("a" < "á" < "à" < "â" < "ä"...).
enum TAccent : unsigned {
    NoAccent, Narrow, Acute, Grave, Dot, Circumflex, Diaeresis, Caron, Breve, Macron, Tilde, Ring, Hook,
    DoubleAcute, Thorn, Stroke, Joined, Apart
};

// The symbols of ASCII in Windows' order; the ones not here (but letters and digits) follow them.
constexpr std::string_view AsciiSymbols = "'- !\"#$%&()*,./:;?@[\\]^_`{|}~";
// ... and the signs of arithmetic, which Windows sorts after every other symbol of ASCII.
constexpr std::string_view MathSymbols = "+<=>";

struct TLatin {
    char Base;
    TAccent Accent;
};

// U+00C0 to U+017F in capital form (FileNameUpper first): the plain letter and the accent.
// Small letters of the block that have no capital of their own keep theirs.
constexpr TLatin Latin1AndExtendedA[] = {
    // U+00C0
    {'A', Grave}, {'A', Acute}, {'A', Circumflex}, {'A', Tilde}, {'A', Diaeresis}, {'A', Ring}, {'A', Joined},
    {'C', Hook}, {'E', Grave}, {'E', Acute}, {'E', Circumflex}, {'E', Diaeresis}, {'I', Grave}, {'I', Acute},
    {'I', Circumflex}, {'I', Diaeresis},
    // U+00D0
    {'D', Joined}, {'N', Tilde}, {'O', Grave}, {'O', Acute}, {'O', Circumflex}, {'O', Tilde}, {'O', Diaeresis},
    {0, NoAccent}, {'O', Stroke}, {'U', Grave}, {'U', Acute}, {'U', Circumflex}, {'U', Diaeresis},
    {'Y', Acute}, {'T', Thorn}, {'S', Joined},
    // U+00E0 to U+00FF: small letters, already capitals after FileNameUpper
    {'A', Grave}, {'A', Acute}, {'A', Circumflex}, {'A', Tilde}, {'A', Diaeresis}, {'A', Ring}, {'A', Joined},
    {'C', Hook}, {'E', Grave}, {'E', Acute}, {'E', Circumflex}, {'E', Diaeresis}, {'I', Grave}, {'I', Acute},
    {'I', Circumflex}, {'I', Diaeresis}, {'D', Joined}, {'N', Tilde}, {'O', Grave}, {'O', Acute},
    {'O', Circumflex}, {'O', Tilde}, {'O', Diaeresis}, {0, NoAccent}, {'O', Stroke}, {'U', Grave},
    {'U', Acute}, {'U', Circumflex}, {'U', Diaeresis}, {'Y', Acute}, {'T', Thorn}, {'Y', Diaeresis},
    // U+0100
    {'A', Macron}, {'A', Macron}, {'A', Breve}, {'A', Breve}, {'A', Hook}, {'A', Hook}, {'C', Acute},
    {'C', Acute}, {'C', Circumflex}, {'C', Circumflex}, {'C', Dot}, {'C', Dot}, {'C', Caron}, {'C', Caron},
    {'D', Caron}, {'D', Caron},
    // U+0110
    {'D', Stroke}, {'D', Stroke}, {'E', Macron}, {'E', Macron}, {'E', Breve}, {'E', Breve}, {'E', Dot},
    {'E', Dot}, {'E', Hook}, {'E', Hook}, {'E', Caron}, {'E', Caron}, {'G', Circumflex}, {'G', Circumflex},
    {'G', Breve}, {'G', Breve},
    // U+0120
    {'G', Dot}, {'G', Dot}, {'G', Hook}, {'G', Hook}, {'H', Circumflex}, {'H', Circumflex}, {'H', Stroke},
    {'H', Stroke}, {'I', Tilde}, {'I', Tilde}, {'I', Macron}, {'I', Macron}, {'I', Breve}, {'I', Breve},
    {'I', Hook}, {'I', Hook},
    // U+0130
    {'I', Dot}, {'I', Narrow}, {'I', Joined}, {'I', Joined}, {'J', Circumflex}, {'J', Circumflex},
    {'K', Hook}, {'K', Hook}, {'K', Narrow}, {'L', Acute}, {'L', Acute}, {'L', Hook}, {'L', Hook},
    {'L', Caron}, {'L', Caron}, {'L', Dot},
    // U+0140
    {'L', Dot}, {'L', Stroke}, {'L', Stroke}, {'N', Acute}, {'N', Acute}, {'N', Hook}, {'N', Hook},
    {'N', Caron}, {'N', Caron}, {'N', Joined}, {'N', Apart}, {'N', Apart}, {'O', Macron}, {'O', Macron},
    {'O', Breve}, {'O', Breve},
    // U+0150
    {'O', DoubleAcute}, {'O', DoubleAcute}, {'O', Joined}, {'O', Joined}, {'R', Acute}, {'R', Acute},
    {'R', Hook}, {'R', Hook}, {'R', Caron}, {'R', Caron}, {'S', Acute}, {'S', Acute}, {'S', Circumflex},
    {'S', Circumflex}, {'S', Hook}, {'S', Hook},
    // U+0160
    {'S', Caron}, {'S', Caron}, {'T', Hook}, {'T', Hook}, {'T', Caron}, {'T', Caron}, {'T', Stroke},
    {'T', Stroke}, {'U', Tilde}, {'U', Tilde}, {'U', Macron}, {'U', Macron}, {'U', Breve}, {'U', Breve},
    {'U', Ring}, {'U', Ring},
    // U+0170
    {'U', DoubleAcute}, {'U', DoubleAcute}, {'U', Hook}, {'U', Hook}, {'W', Circumflex}, {'W', Circumflex},
    {'Y', Circumflex}, {'Y', Circumflex}, {'Y', Diaeresis}, {'Z', Acute}, {'Z', Acute}, {'Z', Dot},
    {'Z', Dot}, {'Z', Caron}, {'Z', Caron}, {'S', Apart},
};
static_assert(std::size(Latin1AndExtendedA) == 0x180 - 0xC0);

// Greek capitals with tonos or dialytika (U+0386 to U+03AB): the plain capital and the accent.
struct TGreek {
    char16_t Letter, Base;
    TAccent Accent;
};

constexpr TGreek GreekAccented[] = {
    {0x0386, 0x0391, Acute}, {0x0388, 0x0395, Acute}, {0x0389, 0x0397, Acute},     {0x038A, 0x0399, Acute},
    {0x038C, 0x039F, Acute}, {0x038E, 0x03A5, Acute}, {0x038F, 0x03A9, Acute},     {0x0390, 0x0399, Caron},
    {0x03AA, 0x0399, Diaeresis}, {0x03AB, 0x03A5, Diaeresis}, {0x03B0, 0x03A5, Caron},
};

bool IsLetter(char16_t unit)
{
    return (unit >= 0x00C0 && unit <= 0x024F && unit != 0x00D7 && unit != 0x00F7) ||
           (unit >= 0x0370 && unit <= 0x052F && unit != 0x037E && unit != 0x0387 && (unit < 0x0482 || unit > 0x0489)) ||
           (unit >= 0x0531 && unit <= 0x1FFF) || (unit >= 0x2C00 && unit <= 0x2DFF) ||
           (unit >= 0x3040 && unit <= 0xD7FF) || (unit >= 0xF900 && unit <= 0xFAFF) ||
           (unit >= 0xFF21 && unit <= 0xFF3A) || (unit >= 0xFF41 && unit <= 0xFF5A) ||
           (unit >= 0xD800 && unit <= 0xDFFF);   // characters beyond the first 65,536, by their units
}

constexpr unsigned LetterBase(char letter)
{
    return static_cast<unsigned>(letter - 'A') + 1;
}

// Letters of other scripts come after the Latin ones, in the order of their code.
constexpr unsigned OtherScriptBase(char16_t unit)
{
    return 0x100 + unit;
}

TWeight WeighUnit(char16_t unit)
{
    // Letters Windows sorts apart from the capital a file name would give them.
    if (unit == 0x0131)   // dotless i
        return Weigh(LetterGroup, LetterBase('I'), Narrow);
    if (unit == 0x017F)   // long s
        return Weigh(LetterGroup, LetterBase('S'), Apart);
    if (unit == 0x03C2)   // final sigma: the same letter as sigma
        return Weigh(LetterGroup, OtherScriptBase(0x03A3), NoAccent);
    const char16_t upper = FileNameUpper(unit);
    if (upper < 0x80) {
        if (upper >= u'A' && upper <= u'Z')
            return Weigh(LetterGroup, LetterBase(static_cast<char>(upper)), NoAccent);
        const std::size_t symbol = AsciiSymbols.find(static_cast<char>(upper));
        if (symbol != std::string_view::npos)
            return Weigh(SymbolGroup, static_cast<unsigned>(symbol) + 1, NoAccent);
        const std::size_t math = MathSymbols.find(static_cast<char>(upper));
        if (math != std::string_view::npos)
            return Weigh(SymbolGroup, 0x20000 + static_cast<unsigned>(math), NoAccent);
        return Weigh(SymbolGroup, 0, upper);   // control characters and digits standing alone
    }
    if (upper >= 0x2010 && upper <= 0x2015)   // the dashes go with the hyphen
        return Weigh(SymbolGroup, 2, upper - 0x2010 + 1);
    if (upper == 0x00A0)   // the no-break blank with the blank
        return Weigh(SymbolGroup, 3, 1);
    if (!IsLetter(upper))
        return Weigh(SymbolGroup, 0x100 + upper, NoAccent);
    if (upper >= 0x00C0 && upper < 0x0180) {
        const TLatin latin = Latin1AndExtendedA[upper - 0x00C0];
        return Weigh(LetterGroup, LetterBase(latin.Base), latin.Accent);
    }
    if (upper >= 0xFF21 && upper <= 0xFF3A)   // full-width capitals
        return Weigh(LetterGroup, LetterBase(static_cast<char>(upper - 0xFF21 + 'A')), Narrow);
    for (const TGreek& greek : GreekAccented)
        if (greek.Letter == upper)
            return Weigh(LetterGroup, OtherScriptBase(greek.Base), greek.Accent);
    return Weigh(LetterGroup, OtherScriptBase(upper), NoAccent);
}

// ASCII weighed once: most names are mostly ASCII.
const std::array<TWeight, 128>& AsciiWeights()
{
    static const std::array<TWeight, 128> weights = [] {
        std::array<TWeight, 128> table{};
        for (char16_t c = 0; c < 128; ++c)
            table[c] = WeighUnit(c);
        return table;
    }();
    return weights;
}

TWeight Weight(char16_t unit)
{
    return unit < 128 ? AsciiWeights()[unit] : WeighUnit(unit);
}

constexpr bool IsDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// The kinds of pieces, in their order.
enum TPiece { Period, Number, Other };

constexpr TPiece PieceAt(char16_t unit)
{
    return unit == u'.' ? Period : IsDigit(unit) ? Number : Other;
}

// The first difference of the two texts (0 when none) and, apart, the first difference in the zeros
// that lead a number, which counts only when nothing else differs.
struct TDifference {
    int First = 0;
    int Zeros = 0;
};

TDifference Differ(std::u16string_view a, std::u16string_view b)
{
    std::size_t i = 0, j = 0;
    int zerosFirst = 0;
    while (i < a.size() && j < b.size()) {
        const TPiece pieceA = PieceAt(a[i]);
        const TPiece pieceB = PieceAt(b[j]);
        if (pieceA != pieceB)
            return {pieceA < pieceB ? -1 : 1, zerosFirst};
        if (pieceA == Number) {
            std::size_t zerosA = 0, zerosB = 0;
            while (i < a.size() && a[i] == u'0' && i + 1 < a.size() && IsDigit(a[i + 1]))
                ++i, ++zerosA;
            while (j < b.size() && b[j] == u'0' && j + 1 < b.size() && IsDigit(b[j + 1]))
                ++j, ++zerosB;
            std::size_t endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA]))
                ++endA;
            while (endB < b.size() && IsDigit(b[endB]))
                ++endB;
            // Without leading zeros, the longer number is the greater; of two as long, the first digit that differs.
            if (endA - i != endB - j)
                return {endA - i < endB - j ? -1 : 1, zerosFirst};
            for (; i < endA; ++i, ++j)
                if (a[i] != b[j])
                    return {a[i] < b[j] ? -1 : 1, zerosFirst};
            if (zerosFirst == 0 && zerosA != zerosB)
                zerosFirst = zerosA > zerosB ? -1 : 1;
            continue;
        }
        if (pieceA == Other) {
            const TWeight weightA = Weight(a[i]);
            const TWeight weightB = Weight(b[j]);
            if (weightA != weightB)
                return {weightA < weightB ? -1 : 1, zerosFirst};
        }
        ++i, ++j;
    }
    if (i < a.size() || j < b.size())
        return {i < a.size() ? 1 : -1, zerosFirst};
    return {0, zerosFirst};
}

bool IsSeparator(char16_t unit)
{
    return unit == u'\\' || unit == u'/';
}

std::u16string_view NextFolder(std::u16string_view path, std::size_t& at)
{
    std::size_t end = at;
    while (end < path.size() && !IsSeparator(path[end]))
        ++end;
    std::u16string_view part = path.substr(at, end - at);
    at = end < path.size() ? end + 1 : end;
    return part;
}

} // namespace

int CompareNatural(std::u16string_view a, std::u16string_view b)
{
    const TDifference difference = Differ(a, b);
    return difference.First != 0 ? difference.First : difference.Zeros;
}

int CompareNaturalPath(std::u16string_view a, std::u16string_view b)
{
    std::size_t i = 0, j = 0;
    int zeros = 0;
    while (i < a.size() && j < b.size()) {
        const TDifference difference = Differ(NextFolder(a, i), NextFolder(b, j));
        if (difference.First != 0)
            return difference.First;
        if (zeros == 0)
            zeros = difference.Zeros;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return zeros;
}

int CompareNatural(std::string_view a, std::string_view b)
{
    return CompareNatural(Utf16FromUtf8(a), Utf16FromUtf8(b));
}

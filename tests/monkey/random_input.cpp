#include "random_input.h"

#include <array>

namespace {

// Pieces that match names of the sample catalogue, so searches find something.
constexpr std::array<const char16_t*, 12> catalogue_words = {
    u"spada", u"Scudo", u"arco", u"ANELLO", u"veste",  u"dardo",
    u"a",     u"e",     u"ì",    u"à",      u"Àncora", u"di "};

// Characters with something special about them: markup and mnemonics, the bytes 0x80-0x9F
// of Windows-1252, accented capitals, and characters Windows-1252 has no byte for.
constexpr std::array<const char16_t*, 24> odd_characters = {
    u"&", u"<b>", u"%1", u"{", u"}", u"\"", u"=", u",", u"€",  u"‘", u"”", u"…",
    u"Š", u"œ",   u"Ÿ",  u"ß", u"É", u"\t", u"Ā", u"Ω", u"中", u"😀", u"é", u"\u200B"};

QChar ascii_character(MonkeyRandom& random) {
    return {static_cast<char16_t>(random.between(0x20, 0x7E))};
}

int text_length(MonkeyRandom& random) {
    const int kind = random.below(10);
    if (kind < 6) {
        return random.between(0, 6);
    }
    if (kind < 9) {
        return random.between(7, 40);
    }
    return random.between(120, 400);
}

} // namespace

QString random_text(MonkeyRandom& random) {
    QString text;
    const int length = text_length(random);
    while (text.size() < length) {
        switch (random.below(4)) {
        case 0:
            text += QString::fromUtf16(catalogue_words[static_cast<std::size_t>(
                random.below(static_cast<int>(catalogue_words.size())))]);
            break;
        case 1:
            text += QString::fromUtf16(odd_characters[static_cast<std::size_t>(
                random.below(static_cast<int>(odd_characters.size())))]);
            break;
        default:
            text += ascii_character(random);
            break;
        }
    }
    return text;
}

QString random_number_text(MonkeyRandom& random) {
    switch (random.below(8)) {
    case 0:
        return {};
    case 1:
        return QStringLiteral("000") + QString::number(random.between(0, 99));
    case 2:
        return QStringLiteral("99999999999999999999");
    case 3:
        return (random.percent(50) ? QStringLiteral("-") : QStringLiteral("+")) +
               QString::number(random.between(0, 500));
    case 4:
        return QStringLiteral(" ") + QString::number(random.between(0, 50)) + QStringLiteral(" ");
    case 5:
        return QString::number(random.between(0, 30)) + random_text(random).left(3);
    default:
        return QString::number(random.between(0, random.percent(20) ? 3000 : 60));
    }
}

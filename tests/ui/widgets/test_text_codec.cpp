// The window's edge: Windows-1252 bytes to Unicode and back, and the number boxes' integers.
#include <QTest>

#include "ui/widgets/form_int.h"
#include "ui/widgets/text_1252_codec.h"

class TextCodecTest : public QObject {
    Q_OBJECT
private slots:
    void every_byte_round_trips();
    void high_bytes_are_the_code_page_characters();
    void characters_outside_the_code_page_are_replaced();
    void form_integers();
};

void TextCodecTest::every_byte_round_trips() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes.push_back(static_cast<char>(byte));
    }
    const QString text = decode_1252(bytes);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encode_1252(text, '#'), bytes);
    // No two bytes share a character.
    for (int i = 0; i < 256; ++i) {
        QCOMPARE(text.count(text[i]), 1);
    }
}

void TextCodecTest::high_bytes_are_the_code_page_characters() {
    QCOMPARE(decode_1252("\x80"), QStringLiteral("€"));
    QCOMPARE(decode_1252("\x8A\x9A\x9F"), QStringLiteral("ŠšŸ"));
    QCOMPARE(decode_1252("\x93\x94\x85"), QStringLiteral("“”…"));
    QCOMPARE(decode_1252("Abilit\xE0"), QStringLiteral("Abilità"));
    QCOMPARE(decode_1252("\xDF"), QStringLiteral("ß"));
    QCOMPARE(encode_1252(QStringLiteral("Àncora €"), '#'), std::string("\xC0ncora \x80"));
}

void TextCodecTest::characters_outside_the_code_page_are_replaced() {
    QCOMPARE(encode_1252(QStringLiteral("a☃b"), '\n'), std::string("a\nb"));
    // A character beyond the 16-bit range is one character, so one byte.
    QCOMPARE(encode_1252(QStringLiteral("x🐉y"), '#'), std::string("x#y"));
    // Code points 0x80-0x9F that the code page does not define as bytes.
    QCOMPARE(encode_1252(QString(QChar(0x0080)), '#'), std::string("#"));
    QCOMPARE(encode_1252(QString(QChar(0x0081)), '#'), std::string("\x81"));
    QVERIFY(!representable_in_1252(0x2603));
    QVERIFY(representable_in_1252(0x20AC));
}

void TextCodecTest::form_integers() {
    QCOMPARE(parse_form_int(QStringLiteral("0")), std::optional<std::int32_t>(0));
    QCOMPARE(parse_form_int(QStringLiteral("007")), std::optional<std::int32_t>(7));
    QCOMPARE(parse_form_int(QStringLiteral("  42\t")), std::optional<std::int32_t>(42));
    QCOMPARE(parse_form_int(QStringLiteral("-5")), std::optional<std::int32_t>(-5));
    QCOMPARE(parse_form_int(QStringLiteral("2147483647")), std::optional<std::int32_t>(2147483647));
    QCOMPARE(parse_form_int(QStringLiteral("2147483648")), std::optional<std::int32_t>(2147483647));
    QCOMPARE(parse_form_int(QStringLiteral("-99999999999999999999")),
             std::optional<std::int32_t>(-2147483647 - 1));
    QCOMPARE(parse_form_int(QString()), std::nullopt);
    QCOMPARE(parse_form_int(QStringLiteral("  ")), std::nullopt);
    QCOMPARE(parse_form_int(QStringLiteral("-")), std::nullopt);
    QCOMPARE(parse_form_int(QStringLiteral("12a")), std::nullopt);
    QCOMPARE(parse_form_int(QStringLiteral("1 2")), std::nullopt);
    QCOMPARE(parse_form_int(QStringLiteral("١٢")), std::nullopt);
}

QTEST_MAIN(TextCodecTest)
#include "test_text_codec.moc"

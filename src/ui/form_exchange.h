#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QString>

class QLineEdit;
class QWidget;
class ReadableLabel;

// The integer in a number box, read as the archive's number fields are (read_leading_integer),
// but only when the box holds that integer and nothing else: where a field reads what it can,
// since archives rely on it, the window asks the user to put the box right. Values beyond the
// 32-bit range saturate to its ends.
std::optional<std::int32_t> parse_form_int(const QString& text);

// Exchanges a window's whole form between its controls and its members in one step, in the
// order the bindings were made. Reading stops at the first number box that holds no integer:
// the user is told, the focus goes to that box, the members read before it keep their new
// values and the later ones their old values.
class FormExchange {
public:
    FormExchange(QWidget* window, QString caption);

    void bind_int(QLineEdit* edit, std::int32_t* member);
    // Text in Windows-1252; the box holds at most max_chars characters. A character the
    // code page cannot hold reads as a line feed, which no catalogue name contains, so a
    // search for it finds nothing; the line feed shows as a replacement character.
    void bind_text(QLineEdit* edit, std::string* member, int max_chars);
    // A text shown: Windows-1252, or, for a text that may name a path, Unicode.
    void bind_static(ReadableLabel* label, std::string* member);
    void bind_static(ReadableLabel* label, QString* member);

    // true: copy every control into its member; false: every member into its control.
    // Returns false when reading stopped at a box.
    bool update_data(bool save_and_validate);

private:
    struct IntBinding {
        QLineEdit* edit;
        std::int32_t* member;
    };
    struct TextBinding {
        QLineEdit* edit;
        std::string* member;
        int max_chars;
    };
    struct StaticBinding {
        ReadableLabel* label;
        std::string* member;
    };
    struct UnicodeStaticBinding {
        ReadableLabel* label;
        QString* member;
    };
    using Binding = std::variant<IntBinding, TextBinding, StaticBinding, UnicodeStaticBinding>;

    bool read(const IntBinding& binding);
    static bool read(const TextBinding& binding);
    static bool read(const StaticBinding& binding);
    static bool read(const UnicodeStaticBinding& binding);
    static void write(const IntBinding& binding);
    static void write(const TextBinding& binding);
    static void write(const StaticBinding& binding);
    static void write(const UnicodeStaticBinding& binding);

    QWidget* window_;
    QString caption_;
    std::vector<Binding> bindings_;
};

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QString>

#include "ui/widgets/form_int.h"

class QLineEdit;
class QWidget;

// Exchanges a form between its boxes and its members in one step, in the order the bindings
// were made. Reading stops at the first number box that holds no integer:
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
    using Binding = std::variant<IntBinding, TextBinding>;

    bool read(const IntBinding& binding);
    static bool read(const TextBinding& binding);
    static void write(const IntBinding& binding);
    static void write(const TextBinding& binding);

    QWidget* window_;
    QString caption_;
    std::vector<Binding> bindings_;
};

#include "form_exchange.h"

#include <string>

#include <QLineEdit>

#include "base/integer_text.h"
#include "message_box.h"
#include "readable_label.h"
#include "text_1252_codec.h"

namespace {

constexpr char unmappable_byte = '\n';
constexpr char16_t replacement_character = 0xFFFD;

} // namespace

std::optional<std::int32_t> parse_form_int(const QString& text) {
    // Characters beyond ASCII are neither blanks nor digits: one stands for all of them.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        bytes.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01');
    }
    const torvane::LeadingInteger integer = torvane::read_leading_integer(bytes);
    if (!integer.whole(bytes)) {
        return std::nullopt;
    }
    return integer.value;
}

FormExchange::FormExchange(QWidget* window, QString caption)
    : window_(window), caption_(std::move(caption)) {
}

void FormExchange::bind_int(QLineEdit* edit, std::int32_t* member) {
    bindings_.emplace_back(IntBinding{edit, member});
}

void FormExchange::bind_text(QLineEdit* edit, std::string* member, int max_chars) {
    bindings_.emplace_back(TextBinding{edit, member, max_chars});
}

void FormExchange::bind_static(ReadableLabel* label, std::string* member) {
    bindings_.emplace_back(StaticBinding{label, member});
}

void FormExchange::bind_static(ReadableLabel* label, QString* member) {
    bindings_.emplace_back(UnicodeStaticBinding{label, member});
}

bool FormExchange::update_data(bool save_and_validate) {
    for (const Binding& binding : bindings_) {
        if (save_and_validate) {
            const bool ok = std::visit([this](const auto& b) { return read(b); }, binding);
            if (!ok) {
                return false;
            }
        } else {
            std::visit([](const auto& b) { write(b); }, binding);
        }
    }
    return true;
}

bool FormExchange::read(const IntBinding& binding) {
    const std::optional<std::int32_t> value = parse_form_int(binding.edit->text());
    if (!value) {
        show_message(window_, QStringLiteral("Immettere un numero intero."), caption_,
                     QMessageBox::Warning);
        binding.edit->setFocus(Qt::OtherFocusReason);
        binding.edit->selectAll();
        return false;
    }
    *binding.member = *value;
    return true;
}

bool FormExchange::read(const TextBinding& binding) {
    *binding.member = encode_1252(binding.edit->text(), unmappable_byte);
    return true;
}

bool FormExchange::read(const StaticBinding& binding) {
    *binding.member = encode_1252(binding.label->text(), '?');
    return true;
}

bool FormExchange::read(const UnicodeStaticBinding& binding) {
    *binding.member = binding.label->text();
    return true;
}

void FormExchange::write(const IntBinding& binding) {
    binding.edit->setText(QString::number(*binding.member));
}

void FormExchange::write(const TextBinding& binding) {
    QString text = decode_1252(*binding.member);
    text.replace(QChar(u'\n'), QChar(replacement_character));
    binding.edit->setMaxLength(binding.max_chars);
    binding.edit->setText(text);
}

void FormExchange::write(const StaticBinding& binding) {
    binding.label->show_text(decode_1252(*binding.member));
}

void FormExchange::write(const UnicodeStaticBinding& binding) {
    binding.label->show_text(*binding.member);
}

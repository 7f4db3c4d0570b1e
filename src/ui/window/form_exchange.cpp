#include "form_exchange.h"

#include <string>

#include <QLineEdit>

#include "ui/widgets/message_box.h"
#include "ui/widgets/text_1252_codec.h"

namespace {

constexpr char unmappable_byte = '\n';
constexpr char16_t replacement_character = 0xFFFD;

} // namespace

FormExchange::FormExchange(QWidget* window, QString caption)
    : window_(window), caption_(std::move(caption)) {
}

void FormExchange::bind_int(QLineEdit* edit, std::int32_t* member) {
    bindings_.emplace_back(IntBinding{edit, member});
}

void FormExchange::bind_text(QLineEdit* edit, std::string* member, int max_chars) {
    bindings_.emplace_back(TextBinding{edit, member, max_chars});
}

bool FormExchange::update_data(bool save_and_validate) {
    for (const Binding& binding : bindings_) {
        if (save_and_validate) {
            const bool ok = std::visit([this](const auto& b) { return this->read(b); }, binding);
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

void FormExchange::write(const IntBinding& binding) {
    binding.edit->setText(QString::number(*binding.member));
}

void FormExchange::write(const TextBinding& binding) {
    QString text = decode_1252(*binding.member);
    text.replace(QChar(u'\n'), QChar(replacement_character));
    binding.edit->setMaxLength(binding.max_chars);
    binding.edit->setText(text);
}

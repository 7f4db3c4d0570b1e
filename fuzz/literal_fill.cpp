#include "literal_fill.h"

#include <vector>

namespace {

constexpr std::size_t none = std::string::npos;

// Text with, for each character, whether this fill inserted it as part of a value.
struct Marked {
    std::string text;
    std::vector<bool> from_value;
};

// Every occurrence of the placeholder in the group, left to right, becomes the value; an
// occurrence that takes in any inserted character is passed over.
Marked replace_all(const Marked& group, std::string_view placeholder, std::string_view value) {
    Marked result;
    std::size_t from = 0;
    std::size_t at = group.text.find(placeholder);
    while (at != none) {
        bool touches_value = false;
        for (std::size_t i = at; i < at + placeholder.size(); ++i) {
            touches_value = touches_value || group.from_value[i];
        }
        if (touches_value) {
            at = group.text.find(placeholder, at + 1);
            continue;
        }
        for (std::size_t i = from; i < at; ++i) {
            result.text.push_back(group.text[i]);
            result.from_value.push_back(group.from_value[i]);
        }
        result.text.append(value);
        result.from_value.insert(result.from_value.end(), value.size(), true);
        from = at + placeholder.size();
        at = group.text.find(placeholder, from);
    }
    for (std::size_t i = from; i < group.text.size(); ++i) {
        result.text.push_back(group.text[i]);
        result.from_value.push_back(group.from_value[i]);
    }
    return result;
}

std::size_t closing_brace(std::string_view text, std::size_t from) {
    int count = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '{') {
            --count;
        } else if (text[i] == '}' && ++count == 1) {
            return i;
        }
    }
    return none;
}

} // namespace

std::string literal_fill(std::string_view text, std::string_view placeholder,
                         std::string_view value) {
    // The same bound as fill_placeholder's: growth of 1024 bytes plus eight values.
    const std::size_t limit = text.size() + 8 * value.size() + 1024;
    Marked w{std::string(text), std::vector<bool>(text.size(), false)};
    if (placeholder.empty()) {
        return w.text;
    }
    std::size_t p = w.text.find(placeholder);
    while (p != none) {
        std::size_t begin = p;
        std::size_t end = p + placeholder.size();
        const std::size_t open = p == 0 ? none : w.text.rfind('{', p - 1);
        if (open != none) {
            const std::size_t close = closing_brace(w.text, p + placeholder.size());
            if (close != none) {
                begin = open;
                end = close + 1;
            }
        }
        Marked group;
        if (begin == p) {
            group = {std::string(placeholder), std::vector<bool>(placeholder.size(), false)};
        } else {
            group.text = w.text.substr(begin + 1, end - begin - 2);
            group.from_value.assign(w.from_value.begin() + static_cast<long>(begin) + 1,
                                    w.from_value.begin() + static_cast<long>(end) - 1);
        }
        const Marked filled = value.empty() ? Marked{} : replace_all(group, placeholder, value);
        w.text.replace(begin, end - begin, filled.text);
        w.from_value.erase(w.from_value.begin() + static_cast<long>(begin),
                           w.from_value.begin() + static_cast<long>(end));
        w.from_value.insert(w.from_value.begin() + static_cast<long>(begin),
                            filled.from_value.begin(), filled.from_value.end());
        if (w.text.size() > limit) {
            w.text.resize(limit);
            return w.text;
        }
        p = w.text.find(placeholder, begin + filled.text.size());
    }
    return w.text;
}

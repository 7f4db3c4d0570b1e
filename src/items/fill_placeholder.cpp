#include "template.h"

namespace {

// Replaces every occurrence of placeholder in group, left to right, never looking into an
// inserted value again.
std::string replace_all(std::string_view group, std::string_view placeholder,
                        std::string_view value) {
    std::string result;
    result.reserve(group.size());
    std::size_t from = 0;
    for (std::size_t at = group.find(placeholder); at != std::string_view::npos;
         at = group.find(placeholder, from)) {
        result.append(group.substr(from, at - from));
        result.append(value);
        from = at + placeholder.size();
    }
    result.append(group.substr(from));
    return result;
}

// The closing brace of a group whose placeholder ends at from: scanning on, each "{"
// counts -1 and each "}" +1, and the "}" that brings the count to 1 closes the group.
std::size_t closing_brace(std::string_view text, std::size_t from) {
    int count = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '{') {
            --count;
        } else if (text[i] == '}' && ++count == 1) {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

std::string fill_placeholder(std::string_view text, std::string_view placeholder,
                             std::string_view value) {
    std::string w(text);
    if (placeholder.empty()) {
        return w;
    }
    std::size_t p = w.find(placeholder);
    while (p != std::string::npos) {
        std::size_t begin = p;
        std::size_t end = p + placeholder.size(); // one past the region
        std::string_view group = placeholder;
        const std::size_t open = p == 0 ? std::string::npos : w.rfind('{', p - 1);
        if (open != std::string::npos) {
            const std::size_t close = closing_brace(w, p + placeholder.size());
            if (close != std::string_view::npos) {
                begin = open;
                end = close + 1;
                group = std::string_view(w).substr(open + 1, close - open - 1);
            }
        }
        std::size_t resume = begin;
        if (value.empty()) {
            w.erase(begin, end - begin);
        } else {
            const std::string filled = replace_all(group, placeholder, value);
            w.replace(begin, end - begin, filled);
            resume = begin + filled.size();
        }
        p = w.find(placeholder, resume);
    }
    return w;
}

#include "fill_parts.h"

#include <utility>

namespace torvane {

std::size_t ClosingBraces::from(std::size_t x) {
    if (next_higher_.empty() && scanned_ > 4 * text_.size() + 64) {
        build();
    }
    if (next_higher_.empty()) {
        return scan(x);
    }
    const std::size_t k = next_higher_[x];
    return k == std::string_view::npos ? k : k - 1;
}

std::size_t ClosingBraces::scan(std::size_t x) {
    int count = 0;
    for (std::size_t i = x; i < text_.size(); ++i) {
        if (text_[i] == '{') {
            --count;
        } else if (text_[i] == '}' && ++count == 1) {
            scanned_ += i - x + 1;
            return i;
        }
    }
    scanned_ += text_.size() - x + 1;
    return std::string_view::npos;
}

void ClosingBraces::build() {
    const auto step = [](char c) { return c == '}' ? 1 : c == '{' ? -1 : 0; };
    const std::size_t n = text_.size();
    std::int64_t level = 0; // the prefix sum before position x, walking back from the end
    for (const char c : text_) {
        level += step(c);
    }
    next_higher_.assign(n + 1, std::string_view::npos);
    std::vector<std::pair<std::size_t, std::int64_t>> higher; // strictly falling levels
    for (std::size_t x = n + 1; x-- > 0;) {
        if (x < n) {
            level -= step(text_[x]);
        }
        while (!higher.empty() && higher.back().second <= level) {
            higher.pop_back();
        }
        next_higher_[x] = higher.empty() ? std::string_view::npos : higher.back().first;
        higher.emplace_back(x, level);
    }
}

void FilledPrefix::reserve(std::size_t n) {
    chars_.reserve(n);
    flags_.reserve(n);
    right_.reserve(n + 1);
    left_.reserve(n + 1);
}

void FilledPrefix::push(char c, bool from_value) {
    chars_.push_back(c);
    flags_.push_back(from_value ? value_flag : 0);
    right_.push_back(right_.size()); // the new end; the old end is c itself
    left_.push_back(left_.size());
    ++live_count_;
}

void FilledPrefix::kill(std::size_t i) {
    flags_[i] |= dead_flag;
    right_[i] = i + 1;
    left_[i + 1] = i;
    --live_count_;
}

std::string FilledPrefix::live_text() const {
    std::string text;
    text.reserve(live_count_);
    for (std::size_t i = 0; i < chars_.size(); ++i) {
        if ((flags_[i] & dead_flag) == 0) {
            text.push_back(chars_[i]);
        }
    }
    return text;
}

std::size_t FilledPrefix::find(std::vector<std::size_t>& parent, std::size_t i) {
    while (parent[i] != i) {
        parent[i] = parent[parent[i]]; // path halving
        i = parent[i];
    }
    return i;
}

} // namespace torvane

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvane {

// The two structures behind fill_placeholder.

// The closing brace of a group whose scan starts at x: with "{" counting -1 and "}" +1,
// the first "}" at which the count from x reaches 1. Short scans run directly; once they
// have covered the text a few times, every answer comes from a table of the next higher
// prefix sum, so many groups in a long text stay linear.
class ClosingBraces {
public:
    explicit ClosingBraces(std::string_view text) : text_(text) {}

    // The position of the closing brace, or npos when the text ends first.
    std::size_t from(std::size_t x);

private:
    std::size_t scan(std::size_t x);
    void build();

    std::string_view text_;
    std::size_t scanned_ = 0;
    std::vector<std::size_t> next_higher_;
};

// The filled part of a text. Dropped characters stay in place, marked dead, so that
// dropping one never moves what follows it; two union-find chains skip them in either
// direction. Each character also knows whether an inserted value brought it.
class FilledPrefix {
public:
    static constexpr std::size_t none = std::string_view::npos;

    void reserve(std::size_t n);

    std::size_t size() const { return chars_.size(); }
    std::size_t live_count() const { return live_count_; }
    char at(std::size_t i) const { return chars_[i]; }
    bool from_value(std::size_t i) const { return (flags_[i] & value_flag) != 0; }

    void push(char c, bool from_value);
    void kill(std::size_t i);

    // The nearest live position at or after i (size() when there is none).
    std::size_t live_from(std::size_t i) { return find(right_, i); }
    // The nearest live position at or before i (none when there is none, or i is none).
    std::size_t live_until(std::size_t i) {
        const std::size_t k = find(left_, i == none ? 0 : i + 1);
        return k == 0 ? none : k - 1;
    }

    std::string live_text() const;

private:
    static constexpr std::uint8_t value_flag = 1;
    static constexpr std::uint8_t dead_flag = 2;

    static std::size_t find(std::vector<std::size_t>& parent, std::size_t i);

    std::string chars_;
    std::vector<std::uint8_t> flags_;
    std::vector<std::size_t> right_{0}; // right_[size()] is the end
    std::vector<std::size_t> left_{0};  // shifted by one: left_[0] is "before the start"
    std::size_t live_count_ = 0;
};

} // namespace torvane

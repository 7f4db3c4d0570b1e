#include <algorithm>
#include <utility>
#include <vector>

#include "fill_parts.h"
#include "templates/template.h"

namespace torvane {

// Filling walks the text once. What lies before the current occurrence has been filled;
// what lies after it is still the caller's text, so the closing brace of a group is found
// in the original text (ClosingBraces), and the nearest "{" is the last one of the filled
// part. As long as every group opens in the unfilled text, filling only appends to a
// string. A group that opens in the filled part takes filled characters in again; from
// then on the filled part is a FilledPrefix, where the dropped "{" is marked dead in place
// instead of being erased, so that resolving a group deep in the text never moves what
// follows it. Two limits keep hostile texts (catalogue names full of braces and
// placeholders) from multiplying: an inserted value is never searched again, not even when
// a later group takes it in, and the result stops growing at filled_size_limit.

namespace {

constexpr std::size_t none = std::string_view::npos;

std::size_t filled_size_limit(std::size_t text_size, std::size_t value_size) {
    return text_size + 8 * value_size + 1024;
}

// Group text to fill: characters and, when some of them were filled before, whether each
// came from an inserted value (none: the caller's text only).
struct GroupText {
    std::string_view chars;
    const std::vector<bool>* from_value = nullptr;

    bool inserted(std::size_t i) const { return from_value != nullptr && (*from_value)[i]; }
};

class Filler {
public:
    Filler(std::string_view text, std::string_view placeholder, std::string_view value)
        : text_(text), placeholder_(placeholder), value_(value), closing_(text),
          limit_(filled_size_limit(text.size(), value.size())) {
        plain_.reserve(text.size() + 2 * value.size());
    }

    std::string run();

private:
    void fill_bare(std::size_t q);
    void fill_group_in_text(std::size_t open, std::size_t close);
    void fill_group_in_prefix(std::size_t open, std::size_t close);
    void drop_from(std::size_t x);
    void append(std::string_view chars, bool from_value);
    void append_replaced(const GroupText& group);
    void append_runs(const GroupText& group, std::size_t from, std::size_t to);
    void find_occurrences_across(std::size_t junction);
    void make_tracked();
    std::size_t filled_size() const { return tracked_ ? out_.live_count() : plain_.size(); }
    bool over_limit() const { return filled_size() > limit_; }

    std::string_view text_;
    std::string_view placeholder_;
    std::string_view value_;
    ClosingBraces closing_;
    std::size_t limit_;
    std::size_t pos_ = 0; // the text from here on is not filled yet

    // Until a group opens in the filled part, filling only appends: a plain string, the
    // stretches that values inserted and the last "{" are enough.
    bool tracked_ = false;
    std::string plain_;
    std::vector<std::pair<std::size_t, std::size_t>> plain_values_; // [begin, end)
    std::size_t plain_last_open_ = none;

    // From then on the filled part is tracked character by character.
    FilledPrefix out_;
    std::vector<std::size_t> opens_; // live "{" of out_, in order
    // Occurrences of the placeholder in out_ made only of live characters that no value
    // inserted (first and last position, in order): a later group takes them in again.
    std::vector<std::pair<std::size_t, std::size_t>> occurrences_;
    std::vector<std::size_t> window_; // scratch of find_occurrences_across
    std::string window_chars_;
};

std::string Filler::run() {
    const std::size_t length = placeholder_.size();
    for (std::size_t q = text_.find(placeholder_, pos_); q != none;
         q = text_.find(placeholder_, pos_)) {
        const std::size_t open_in_text = text_.substr(pos_, q - pos_).rfind('{');
        const std::size_t open_in_filled =
            tracked_ ? (opens_.empty() ? none : opens_.back()) : plain_last_open_;
        const std::size_t open = open_in_text != none ? pos_ + open_in_text : open_in_filled;
        const std::size_t close = open == none ? none : closing_.from(q + length);
        if (close == none) {
            fill_bare(q);
        } else if (open_in_text != none) {
            fill_group_in_text(open, close);
        } else {
            make_tracked();
            fill_group_in_prefix(open, close);
        }
        if (over_limit() || filled_size() + (text_.size() - pos_) > limit_) {
            std::string filled = tracked_ ? out_.live_text() : std::move(plain_);
            filled.append(text_.substr(std::min(pos_, text_.size())));
            filled.resize(limit_);
            return filled;
        }
    }
    std::string filled = tracked_ ? out_.live_text() : std::move(plain_);
    filled.append(text_.substr(pos_));
    return filled;
}

// Moves the filled part into the tracked form, with every occurrence that it already holds.
void Filler::make_tracked() {
    if (tracked_) {
        return;
    }
    tracked_ = true;
    out_.reserve(plain_.size() + text_.size() - pos_ + 2 * value_.size());
    auto inserted = plain_values_.begin();
    for (std::size_t i = 0; i < plain_.size(); ++i) {
        while (inserted != plain_values_.end() && inserted->second <= i) {
            ++inserted;
        }
        if (plain_[i] == '{') {
            opens_.push_back(i);
        }
        out_.push(plain_[i], inserted != plain_values_.end() && inserted->first <= i);
    }
    const std::size_t length = placeholder_.size();
    for (std::size_t at = plain_.find(placeholder_); at != none;
         at = plain_.find(placeholder_, at + 1)) {
        bool clean = true;
        for (std::size_t i = at; i < at + length; ++i) {
            clean = clean && !out_.from_value(i);
        }
        if (clean) {
            occurrences_.emplace_back(at, at + length - 1);
        }
    }
}

// A placeholder outside any group becomes the value.
void Filler::fill_bare(std::size_t q) {
    append(text_.substr(pos_, q - pos_), false);
    append(value_, true);
    pos_ = q + placeholder_.size();
}

// A group that opens in the unfilled text: its text is the caller's, unfilled.
void Filler::fill_group_in_text(std::size_t open, std::size_t close) {
    append(text_.substr(pos_, open - pos_), false);
    if (!value_.empty() && !over_limit()) {
        append_replaced({text_.substr(open + 1, close - open - 1)});
    }
    pos_ = close + 1;
}

// A group that opens in the filled part: the filled characters after its "{" are taken in
// again. Only their last few (where an occurrence could run on into the text) and those
// from the first occurrence still in them onward need another pass.
void Filler::fill_group_in_prefix(std::size_t open, std::size_t close) {
    if (value_.empty()) {
        drop_from(open);
        pos_ = close + 1;
        return;
    }
    std::size_t redo = out_.size();
    for (std::size_t kept = 1; kept < placeholder_.size(); ++kept) {
        const std::size_t before = out_.live_until(redo - 1);
        if (before == none || before <= open) {
            break;
        }
        redo = before;
    }
    const auto first_inside =
        std::upper_bound(occurrences_.begin(), occurrences_.end(), std::pair{open, none});
    if (first_inside != occurrences_.end()) {
        redo = std::min(redo, first_inside->first);
    }
    std::string chars;
    std::vector<bool> from_value;
    for (std::size_t i = out_.live_from(redo); i < out_.size(); i = out_.live_from(i + 1)) {
        chars.push_back(out_.at(i));
        from_value.push_back(out_.from_value(i));
    }
    chars.append(text_.substr(pos_, close - pos_));
    from_value.resize(chars.size(), false);

    drop_from(redo);
    out_.kill(open);
    opens_.pop_back();
    while (!occurrences_.empty() && occurrences_.back().second >= open) {
        occurrences_.pop_back();
    }
    append_replaced({chars, &from_value});
    find_occurrences_across(open);
    pos_ = close + 1;
}

// Drops every filled character from position x on.
void Filler::drop_from(std::size_t x) {
    for (std::size_t i = out_.live_from(x); i < out_.size(); i = out_.live_from(i + 1)) {
        out_.kill(i);
    }
    while (!opens_.empty() && opens_.back() >= x) {
        opens_.pop_back();
    }
    while (!occurrences_.empty() && occurrences_.back().second >= x) {
        occurrences_.pop_back();
    }
}

void Filler::append(std::string_view chars, bool from_value) {
    if (!tracked_) {
        const std::size_t open = chars.rfind('{');
        if (open != none) {
            plain_last_open_ = plain_.size() + open;
        }
        if (from_value && !chars.empty()) {
            plain_values_.emplace_back(plain_.size(), plain_.size() + chars.size());
        }
        plain_.append(chars);
        return;
    }
    const std::size_t junction = out_.size();
    for (const char c : chars) {
        if (c == '{') {
            opens_.push_back(out_.size());
        }
        out_.push(c, from_value);
    }
    if (!from_value && !chars.empty()) {
        find_occurrences_across(junction);
    }
}

// Replaces, left to right, every occurrence made only of characters that no value
// inserted, and appends the result.
void Filler::append_replaced(const GroupText& group) {
    const std::size_t length = placeholder_.size();
    std::size_t from = 0;
    for (std::size_t at = group.chars.find(placeholder_); at != none && !over_limit();
         at = group.chars.find(placeholder_, at + 1)) {
        bool inserted = false;
        for (std::size_t i = at; i < at + length && group.from_value != nullptr; ++i) {
            inserted = inserted || group.inserted(i);
        }
        if (inserted) {
            continue;
        }
        append_runs(group, from, at);
        append(value_, true);
        from = at + length;
        at = from - 1;
    }
    if (!over_limit()) {
        append_runs(group, from, group.chars.size());
    }
}

// Appends group characters [from, to), keeping where each came from.
void Filler::append_runs(const GroupText& group, std::size_t from, std::size_t to) {
    while (from < to) {
        std::size_t run_end = group.from_value == nullptr ? to : from + 1;
        while (run_end < to && group.inserted(run_end) == group.inserted(from)) {
            ++run_end;
        }
        append(group.chars.substr(from, run_end - from), group.inserted(from));
        from = run_end;
    }
}

// Records the occurrences that a junction of two filled stretches makes: those with
// characters on both sides of it, made only of live characters that no value inserted.
void Filler::find_occurrences_across(std::size_t junction) {
    const std::size_t reach = placeholder_.size() - 1;
    const auto before = [this](std::size_t i) { return out_.live_until(i == 0 ? none : i - 1); };
    std::size_t i = before(junction);
    if (reach == 0 || i == none || out_.from_value(i)) {
        return;
    }
    window_.clear();
    for (; i != none && window_.size() < reach && !out_.from_value(i); i = before(i)) {
        window_.push_back(i);
    }
    const std::size_t left = window_.size();
    std::reverse(window_.begin(), window_.end());
    for (i = out_.live_from(junction);
         i < out_.size() && window_.size() < left + reach && !out_.from_value(i);
         i = out_.live_from(i + 1)) {
        window_.push_back(i);
    }
    window_chars_.clear();
    for (const std::size_t k : window_) {
        window_chars_.push_back(out_.at(k));
    }
    for (std::size_t s = window_chars_.find(placeholder_); s != none && s < left;
         s = window_chars_.find(placeholder_, s + 1)) {
        const std::pair found{window_[s], window_[s + reach]};
        const auto place = std::lower_bound(occurrences_.begin(), occurrences_.end(), found);
        if (place == occurrences_.end() || place->first != found.first) {
            occurrences_.insert(place, found);
        }
    }
}

} // namespace

std::string fill_placeholder(std::string_view text, std::string_view placeholder,
                             std::string_view value) {
    if (placeholder.empty() || text.find(placeholder) == none) {
        return std::string(text);
    }
    return Filler(text, placeholder, value).run();
}

} // namespace torvane

#pragma once

// Helpers shared by the record tests: a record held for one scope, records made from a data
// line the way the loader makes them, a fixture that restores the sort mode, and long text.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "items/item.h"
#include "items/sort_mode.h"

namespace item_test {

// Releases the one reference a test holds on a record.
struct Releaser {
    void operator()(Item* item) const { item->release(); }
};

template <typename Record = Item> using Held = std::unique_ptr<Record, Releaser>;

using ItemRef = Held<Item>;

// A record of the code with the line parsed into it, as the loader makes it; the parse must
// give the expected result.
inline ItemRef parsed(int code, std::string_view line, int expected_result = 0) {
    ItemRef item(create_item(code));
    EXPECT_EQ(item->parse_line(line), expected_result) << line;
    return item;
}

// A record of the code, seen as its own class, with the line parsed into it whatever the
// parse gives; the test checks the result where it matters.
template <typename Record = Item> Held<Record> record_from(int code, std::string_view line) {
    Held<Record> item(dynamic_cast<Record*>(create_item(code)));
    item->parse_line(line);
    return item;
}

// What parsing the line gives a fresh record of the code.
inline int parse_result(int code, std::string_view line) {
    return ItemRef(create_item(code))->parse_line(line);
}

template <typename Record> const Record& as(const ItemRef& item) {
    return dynamic_cast<const Record&>(*item);
}

// The sort mode is global: a test that changes it puts the default back when it ends.
class SortModeTest : public ::testing::Test {
protected:
    void TearDown() override { set_current_sort_mode(sort_by_name); }
};

inline std::string repeat(std::string_view piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text.append(piece);
    }
    return text;
}

} // namespace item_test

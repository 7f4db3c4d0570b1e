// Fills arbitrary text with an arbitrary placeholder and value and compares the result with
// the plain, slow filling of literal_fill.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "literal_fill.h"
#include "templates/template.h"

using torvane::fill_placeholder;

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Layout: placeholder length, value length, placeholder, value, text.
    if (size < 2) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t at = 2;
    const std::string_view placeholder = input.substr(at, data[0] % 8);
    at += placeholder.size();
    const std::string_view value = input.substr(at, data[1] % 64);
    at += value.size();
    const std::string_view text = input.substr(at);

    const std::string fast = fill_placeholder(text, placeholder, value);
    const std::string plain = literal_fill(text, placeholder, value);
    if (fast != plain) {
        std::fprintf(stderr, "fill_placeholder differs\n  fast:  %s\n  plain: %s\n", fast.c_str(),
                     plain.c_str());
        std::abort();
    }
    return 0;
}

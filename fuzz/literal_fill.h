#pragma once

#include <string>
#include <string_view>

// Placeholder filling done the plain way: the text is rebuilt after every occurrence, the
// nearest "{" is searched backwards and the closing brace forwards, and a group's text is
// searched again from its start. Slow on long texts, but close enough to the rules to be
// read against them; the fuzzers compare fill_placeholder with it.
std::string literal_fill(std::string_view text, std::string_view placeholder,
                         std::string_view value);

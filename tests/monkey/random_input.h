#pragma once

#include <QString>

#include "monkey_random.h"

// What a user may type into a box: words of the catalogue, digits, blanks, markup, characters
// of Windows-1252 and characters it cannot hold (outside the Basic Multilingual Plane too),
// from empty to far beyond the search box's 128 characters.
QString random_text(MonkeyRandom& random);

// What a user may type into a number box: plain and zero-padded numbers, numbers beyond the
// 32-bit range, signs and blanks, an empty box, digits mixed with letters.
QString random_number_text(MonkeyRandom& random);

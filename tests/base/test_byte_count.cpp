// Counting a byte against counting it one byte at a time, at every length around the sixteen
// bytes the vector path takes at once, with the byte at the edges of each block.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/byte_count.h"

TEST(ByteCount, CountsPastTheBlocksALaneCanCountAlone) {
    // Each lane of the vector path holds at most 255 matches before it is summed.
    for (const std::size_t size : {255U * 16, 255U * 16 + 16, 70000U}) {
        EXPECT_EQ(torvane::count_byte(std::string(size, '\n'), '\n'), size);
    }
}

TEST(ByteCount, CountsAsOneByteAtATimeDoesAtEveryLengthAndPlace) {
    for (std::size_t size = 0; size <= 70; ++size) {
        std::string text(size, 'a');
        // Line feeds at the first and last byte of each block of sixteen, high bytes between.
        for (std::size_t i = 0; i < size; ++i) {
            if (i % 16 == 0 || i % 16 == 15) {
                text[i] = '\n';
            } else if (i % 5 == 0) {
                text[i] = '\xFF';
            }
        }
        for (const char byte : {'\n', '\xFF', 'a', 'z'}) {
            EXPECT_EQ(torvane::count_byte(text, byte),
                      static_cast<std::size_t>(std::count(text.begin(), text.end(), byte)))
                << "size " << size << ", byte " << static_cast<int>(byte);
        }
    }
}

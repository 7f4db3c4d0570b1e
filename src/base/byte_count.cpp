#include "base/byte_count.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace torvane {

std::size_t count_byte(std::string_view text, char byte) {
    std::size_t count = 0;
    std::size_t n = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(byte);
    // Each lane counts its matches in a byte (a match compares as -1), for at most 255 blocks,
    // then the lanes are summed; no bit counting, which this processor baseline lacks.
    constexpr std::size_t blocks_per_sum = 255;
    while (n + 16 <= text.size()) {
        __m128i lanes = _mm_setzero_si128();
        for (std::size_t block = 0; block < blocks_per_sum && n + 16 <= text.size();
             ++block, n += 16) {
            const __m128i bytes =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + n));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, wanted));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    for (; n < text.size(); ++n) {
        count += text[n] == byte ? 1U : 0U;
    }
    return count;
}

} // namespace torvane

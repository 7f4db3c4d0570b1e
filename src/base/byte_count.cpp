#include "base/byte_count.h"

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace torvane {

std::size_t count_byte(std::string_view text, char byte) {
    std::size_t count = 0;
    std::size_t n = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(byte);
    for (; n + 16 <= text.size(); n += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + n));
        const auto found =
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
        count += static_cast<std::size_t>(std::popcount(found));
    }
#endif
    for (; n < text.size(); ++n) {
        count += text[n] == byte ? 1U : 0U;
    }
    return count;
}

} // namespace torvane

#include "document/file/PngUnfilter.h"

#include <cstdlib>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

int paeth(int A, int B, int C) {
    const int p = A + B - C;
    const int pa = std::abs(p - A), pb = std::abs(p - B), pc = std::abs(p - C);
    return pa <= pb && pa <= pc ? A : pb <= pc ? B : C;
}

void unfilterScalar(int Filter, const std::uint8_t* In, const std::uint8_t* Above,
                    std::size_t Bytes, std::size_t Bpp, std::uint8_t* Out) {
    const std::size_t first = Bpp < Bytes ? Bpp : Bytes;
    switch (Filter) {
    case 1:
        std::memmove(Out, In, first);
        for (std::size_t i = Bpp; i < Bytes; ++i)
            Out[i] = std::uint8_t(In[i] + Out[i - Bpp]);
        break;
    case 3:
        for (std::size_t i = 0; i < first; ++i)
            Out[i] = std::uint8_t(In[i] + Above[i] / 2);
        for (std::size_t i = Bpp; i < Bytes; ++i)
            Out[i] = std::uint8_t(In[i] + (Out[i - Bpp] + Above[i]) / 2);
        break;
    default: // 4
        for (std::size_t i = 0; i < first; ++i)
            Out[i] = std::uint8_t(In[i] + Above[i]);
        for (std::size_t i = Bpp; i < Bytes; ++i)
            Out[i] = std::uint8_t(In[i] + paeth(Out[i - Bpp], Above[i], Above[i - Bpp]));
        break;
    }
}

#ifdef __SSE2__
// The three filters that depend on the pixel to the left, one 4-byte pixel
// at a time in SSE2 registers: these carry a chain from pixel to pixel that
// no compiler vectorises on its own.
__m128i load4(const std::uint8_t* P) {
    std::int32_t v;
    std::memcpy(&v, P, 4);
    return _mm_cvtsi32_si128(v);
}

void store4(std::uint8_t* P, __m128i V) {
    const std::int32_t v = _mm_cvtsi128_si32(V);
    std::memcpy(P, &v, 4);
}

__m128i absI16(__m128i X) {
    return _mm_max_epi16(X, _mm_sub_epi16(_mm_setzero_si128(), X));
}

__m128i choose(__m128i Mask, __m128i Then, __m128i Else) {
    return _mm_or_si128(_mm_and_si128(Mask, Then), _mm_andnot_si128(Mask, Else));
}

void unfilterRgba(int Filter, const std::uint8_t* In, const std::uint8_t* Above,
                  std::size_t Bytes, std::uint8_t* Out) {
    const __m128i zero = _mm_setzero_si128();
    __m128i a = zero; // the pixel to the left, unfiltered
    __m128i c = zero; // the pixel above that one
    for (std::size_t i = 0; i < Bytes; i += 4) {
        const __m128i x = load4(In + i);
        const __m128i b = load4(Above + i);
        switch (Filter) {
        case 1:
            a = _mm_add_epi8(a, x);
            break;
        case 3: {
            // avg_epu8 rounds up; the prediction rounds down.
            const __m128i up = _mm_avg_epu8(a, b);
            const __m128i odd = _mm_and_si128(_mm_xor_si128(a, b), _mm_set1_epi8(1));
            a = _mm_add_epi8(x, _mm_sub_epi8(up, odd));
            break;
        }
        default: { // 4, in 16-bit lanes; ties favour left, then above
            const __m128i a16 = _mm_unpacklo_epi8(a, zero);
            const __m128i b16 = _mm_unpacklo_epi8(b, zero);
            const __m128i c16 = _mm_unpacklo_epi8(c, zero);
            const __m128i pa0 = _mm_sub_epi16(b16, c16);
            const __m128i pb0 = _mm_sub_epi16(a16, c16);
            const __m128i pa = absI16(pa0);
            const __m128i pb = absI16(pb0);
            const __m128i pc = absI16(_mm_add_epi16(pa0, pb0));
            const __m128i least = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
            const __m128i nearest =
                choose(_mm_cmpeq_epi16(least, pa), a16,
                       choose(_mm_cmpeq_epi16(least, pb), b16, c16));
            a = _mm_add_epi8(x, _mm_packus_epi16(nearest, nearest));
            c = b;
            break;
        }
        }
        store4(Out + i, a);
    }
}
#endif

} // namespace

bool UnfilterPngRow(int Filter, const std::uint8_t* In, const std::uint8_t* Above,
                    std::size_t Bytes, std::size_t Bpp, std::uint8_t* Out) {
    switch (Filter) {
    case 0:
        if (Out != In) std::memcpy(Out, In, Bytes);
        return true;
    case 2:
        for (std::size_t i = 0; i < Bytes; ++i)
            Out[i] = std::uint8_t(In[i] + Above[i]);
        return true;
    case 1:
    case 3:
    case 4:
#ifdef __SSE2__
        if (Bpp == 4 && Bytes % 4 == 0) {
            unfilterRgba(Filter, In, Above, Bytes, Out);
            return true;
        }
#endif
        unfilterScalar(Filter, In, Above, Bytes, Bpp, Out);
        return true;
    default:
        return false;
    }
}

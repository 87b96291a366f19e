#include "SFMT.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

const int kElements = SFMT::kWords / 4;  // 128-bit elements
const int kPos1 = 122;
const int kSL1 = 18;
const int kSR1 = 11;
const uint32_t kMask[4] = {0xdfffffefu, 0xddfecb7fu, 0xbffaffffu, 0xbffffff6u};
const uint32_t kParity[4] = {0x00000001u, 0x00000000u, 0x00000000u, 0x13c9e684u};

uint32_t Func1(uint32_t x) { return (x ^ (x >> 27)) * 1664525u; }
uint32_t Func2(uint32_t x) { return (x ^ (x >> 27)) * 1566083941u; }

}  // namespace

void SFMT::InitGenRand(uint32_t seed)
{
    state[0] = seed;
    for (int i = 1; i < kWords; i++) {
        state[i] = 1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + static_cast<uint32_t>(i);
    }
    index = kWords;
    CertifyPeriod();
}

void SFMT::InitByArray(const uint32_t* key, int length)
{
    const int lag = 11;
    const int mid = (kWords - lag) / 2;
    for (uint32_t& word : state) {
        word = 0x8b8b8b8bu;
    }
    const int count = length + 1 > kWords ? length + 1 : kWords;
    uint32_t r = Func1(state[0] ^ state[mid] ^ state[kWords - 1]);
    state[mid] += r;
    r += static_cast<uint32_t>(length);
    state[mid + lag] += r;
    state[0] = r;

    int i = 1;
    for (int j = 0; j < count - 1; j++) {
        r = Func1(state[i] ^ state[(i + mid) % kWords] ^ state[(i + kWords - 1) % kWords]);
        state[(i + mid) % kWords] += r;
        r += (j < length ? key[j] : 0u) + static_cast<uint32_t>(i);
        state[(i + mid + lag) % kWords] += r;
        state[i] = r;
        i = (i + 1) % kWords;
    }
    for (int j = 0; j < kWords; j++) {
        r = Func2(state[i] + state[(i + mid) % kWords] + state[(i + kWords - 1) % kWords]);
        state[(i + mid) % kWords] ^= r;
        r -= static_cast<uint32_t>(i);
        state[(i + mid + lag) % kWords] ^= r;
        state[i] = r;
        i = (i + 1) % kWords;
    }
    index = kWords;
    CertifyPeriod();
}

void SFMT::CertifyPeriod()
{
    uint32_t inner = 0;
    for (int i = 0; i < 4; i++) {
        inner ^= state[i] & kParity[i];
    }
    for (int shift = 16; shift > 0; shift >>= 1) {
        inner ^= inner >> shift;
    }
    if (inner & 1) {
        return;
    }
    for (int i = 0; i < 4; i++) {
        for (int bit = 0; bit < 32; bit++) {
            const uint32_t mask = 1u << bit;
            if (kParity[i] & mask) {
                state[i] ^= mask;
                return;
            }
        }
    }
}

#ifdef __SSE2__

namespace {

// One element of the recursion, four words at once: the generator's authors'
// SSE2 form of the loop below.
inline __m128i Recursion(__m128i a, __m128i b, __m128i c, __m128i d, __m128i mask)
{
    __m128i z = _mm_srli_si128(c, 1);
    z = _mm_xor_si128(z, a);
    z = _mm_xor_si128(z, _mm_slli_epi32(d, kSL1));
    z = _mm_xor_si128(z, _mm_slli_si128(a, 1));
    return _mm_xor_si128(z, _mm_and_si128(_mm_srli_epi32(b, kSR1), mask));
}

}  // namespace

void SFMT::Refill()
{
    __m128i* element = reinterpret_cast<__m128i*>(state);
    const __m128i mask = _mm_set_epi32(static_cast<int>(kMask[3]), static_cast<int>(kMask[2]),
                                       static_cast<int>(kMask[1]), static_cast<int>(kMask[0]));
    __m128i r1 = _mm_load_si128(&element[kElements - 2]);
    __m128i r2 = _mm_load_si128(&element[kElements - 1]);
    int k = 0;
    for (; k < kElements - kPos1; k++) {
        const __m128i r = Recursion(_mm_load_si128(&element[k]), _mm_load_si128(&element[k + kPos1]), r1, r2, mask);
        _mm_store_si128(&element[k], r);
        r1 = r2;
        r2 = r;
    }
    for (; k < kElements; k++) {
        const __m128i r =
            Recursion(_mm_load_si128(&element[k]), _mm_load_si128(&element[k + kPos1 - kElements]), r1, r2, mask);
        _mm_store_si128(&element[k], r);
        r1 = r2;
        r2 = r;
    }
}

#else

namespace {

// A 128-bit element is four words, word 0 least significant. SL2 and SR2 are
// whole-element shifts by one byte.
void ShiftLeft8(const uint32_t* in, uint32_t* out)
{
    out[3] = (in[3] << 8) | (in[2] >> 24);
    out[2] = (in[2] << 8) | (in[1] >> 24);
    out[1] = (in[1] << 8) | (in[0] >> 24);
    out[0] = in[0] << 8;
}

void ShiftRight8(const uint32_t* in, uint32_t* out)
{
    out[0] = (in[0] >> 8) | (in[1] << 24);
    out[1] = (in[1] >> 8) | (in[2] << 24);
    out[2] = (in[2] >> 8) | (in[3] << 24);
    out[3] = in[3] >> 8;
}

}  // namespace

void SFMT::Refill()
{
    for (int k = 0; k < kElements; k++) {
        uint32_t* a = &state[4 * k];
        const uint32_t* b = &state[4 * ((k + kPos1) % kElements)];
        const uint32_t* c = &state[4 * ((k + kElements - 2) % kElements)];
        const uint32_t* d = &state[4 * ((k + kElements - 1) % kElements)];
        uint32_t aShifted[4];
        uint32_t cShifted[4];
        ShiftLeft8(a, aShifted);
        ShiftRight8(c, cShifted);
        for (int w = 0; w < 4; w++) {
            a[w] = a[w] ^ aShifted[w] ^ ((b[w] >> kSR1) & kMask[w]) ^ cShifted[w] ^ (d[w] << kSL1);
        }
    }
}

#endif

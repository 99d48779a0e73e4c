#pragma once
// The program's one pseudo-random generator. Every shuffle and draw goes
// through it, so a test can seed it and know exactly what comes out.
#include <cstdint>

namespace lumora {

// A uniform integer from 0 to n - 1; 0 when n is 1 or less.
int Random(int n);

// Reseeds from the clock, as the games do before they draw. While a test has
// fixed the seed (FixRandomSeed), this keeps the fixed sequence instead.
void Randomize();

// Seeds the generator and makes Randomize keep that seed's sequence until
// ReleaseRandomSeed; used by tests.
void FixRandomSeed(std::uint32_t seed);
void ReleaseRandomSeed();

// Milliseconds from an arbitrary start, never going backwards.
std::int64_t TickCount();

} // namespace lumora

#pragma once

#include <QtGlobal>

#include <functional>

/// The quiz's random numbers: the 32-bit linear congruential generator
/// state := state × 134775813 + 1 (mod 2^32). The shuffle seeds it from a clock at every
/// shuffle; the verdict pictures draw from it without seeding. Tests give a fixed seed source.
class QuizRandom
{
public:
    using SeedSource = std::function<quint32()>;

    /// The low 32 bits of a high-resolution monotonic clock.
    static quint32 ClockSeed();

    explicit QuizRandom(SeedSource seedSource = ClockSeed) : seedSource_(std::move(seedSource)) {}

    /// Where later seeds come from (tests give a fixed one).
    void SetSeedSource(SeedSource seedSource) { seedSource_ = std::move(seedSource); }
    /// Takes a new state from the seed source.
    void Reseed() { state_ = seedSource_(); }
    void Seed(quint32 state) { state_ = state; }
    quint32 State() const { return state_; }

    /// A real in [0, 1): the next state divided by 2^32.
    double NextReal();
    /// An integer in 0 .. m − 1: (next state × m) div 2^32.
    int NextBelow(int m);

private:
    quint32 Step();

    SeedSource seedSource_;
    quint32 state_ = 0;
};

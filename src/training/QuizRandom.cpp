#include "training/QuizRandom.h"

#include <chrono>

quint32 QuizRandom::ClockSeed()
{
    return quint32(std::chrono::steady_clock::now().time_since_epoch().count());
}

quint32 QuizRandom::Step()
{
    state_ = state_ * 134775813u + 1u;  // unsigned: wraps modulo 2^32
    return state_;
}

double QuizRandom::NextReal()
{
    return Step() / 4294967296.0;
}

int QuizRandom::NextBelow(int m)
{
    return int((quint64(Step()) * quint64(qMax(0, m))) >> 32);
}

#pragma once

#include <QString>

#include <span>

class QRandomGenerator;

// The built-in names from which guest handles are made ("Tol" + a name): figures and
// places from mythology and legend, letters only, joined words in mixed case, at most
// 15 letters, each name once.
class GuestNamePool
{
public:
    static constexpr int Size = 604;

    static std::span<const char* const> names();
    // One name drawn uniformly at random.
    static QString pick();
    static QString pick(QRandomGenerator& random);
};

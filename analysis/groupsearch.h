#pragma once
// Inside the groups core: the class as a graph of sound choices, and the two searches.
// The graph numbers subject s as vertex s - 1, so that its n x n tables have no gap;
// what leaves the core is by subject number again.

#include "groups.h"

#include <cstdint>
#include <vector>

namespace Groups::Detail {

struct Graph {
    int n = 0;
    std::vector<std::vector<int>> out;  // whom s chose
    std::vector<std::vector<int>> in;   // who chose s
    std::vector<std::vector<int>> rej;  // rejection pairs of s, either direction, once each
    std::vector<unsigned char> chose;   // n * n: a chose b
    std::vector<unsigned char> rejects; // n * n: a rejected b
    int positiveCount = 0;
    int negativeCount = 0;
    int ignored = 0;

    bool rejectPair(int a, int b) const { return rejects[a * n + b] || rejects[b * n + a]; }
};

Graph buildGraph(const Class& c);
Scores scoreOf(const Graph& g, const std::vector<int>& groupOf);

// How many balanced partitions there are, as a double (it overflows integers fast).
double balancedPartitions(int n, int groups);

struct Found {
    std::vector<int> groupOf;
    Scores scores;
};

// Every balanced partition, each once, pruned on rejections.
Found searchExhaustive(const Graph& g, int groups);
// Greedy start, then rounds of tabu search over moves and swaps.
Found searchLocal(const Graph& g, int groups, int rounds, unsigned seed);

} // namespace Groups::Detail

#include "groupsearch.h"

#include <climits>
#include <random>

namespace Groups::Detail {

namespace {

struct Delta {
    int rej = 0;
    int mates = 0;
    int sat = 0;
    Delta& operator+=(const Delta& o)
    {
        rej += o.rej;
        mates += o.mates;
        sat += o.sat;
        return *this;
    }
};

// A grouping under way, with per subject and group the counts that make the change
// of the scores under a move or a swap cheap to tell.
class Seating {
public:
    Seating(const Graph& graph, int groups)
        : g(graph), n(graph.n), G(groups), q(graph.n / groups), r(graph.n % groups), group(n, -1),
          size(G, 0), outCnt(size_t(n) * G, 0), inCnt(size_t(n) * G, 0), rejCnt(size_t(n) * G, 0),
          stamp(n, 0), change(n, 0)
    {
        // One number that orders groupings as the aims do: a subject with a mate
        // outweighs every satisfied choice, a rejection pair every subject.
        matesWeight = g.positiveCount + 1;
        rejWeight = (n + 1) * matesWeight;
    }

    const Graph& g;
    const int n, G, q, r;
    std::vector<int> group; // -1 while unplaced
    std::vector<int> size;
    Scores scores;

    long long key(const Delta& d) const
    {
        return -rejWeight * d.rej + matesWeight * d.mates + d.sat;
    }
    long long key() const
    {
        return key({scores.rejectionPairs, scores.subjectsWithMate, scores.satisfiedChoices});
    }
    bool hasRoom(int grp) const { return size[grp] < q || (size[grp] == q && bigGroups < r); }
    bool isBig(int grp) const { return size[grp] == q + 1; }

    // s, unplaced or as if taken out of its group, sits down in grp.
    Delta placeDelta(int s, int grp) const
    {
        const int k = at(s, grp);
        Delta d{rejCnt[k], outCnt[k] > 0, outCnt[k] + inCnt[k]};
        for (int u : g.in[s])
            d.mates += group[u] == grp && outCnt[at(u, grp)] == 0;
        return d;
    }
    Delta removeDelta(int s) const
    {
        const int grp = group[s], k = at(s, grp);
        Delta d{-rejCnt[k], -(outCnt[k] > 0), -(outCnt[k] + inCnt[k])};
        for (int u : g.in[s])
            d.mates -= group[u] == grp && outCnt[at(u, grp)] == 1;
        return d;
    }
    Delta moveDelta(int s, int to) const
    {
        Delta d = removeDelta(s);
        return d += placeDelta(s, to);
    }
    Delta swapDelta(int s, int t) const
    {
        const int A = group[s], B = group[t];
        const int st = g.chose[s * n + t], ts = g.chose[t * n + s];
        Delta d;
        d.rej = rejCnt[at(s, B)] - rejCnt[at(s, A)] + rejCnt[at(t, A)] - rejCnt[at(t, B)] -
                2 * g.rejectPair(s, t);
        d.sat = outCnt[at(s, B)] + inCnt[at(s, B)] - outCnt[at(s, A)] - inCnt[at(s, A)] +
                outCnt[at(t, A)] + inCnt[at(t, A)] - outCnt[at(t, B)] - inCnt[at(t, B)] -
                2 * (st + ts);
        d.mates = (outCnt[at(s, B)] - st > 0) - (outCnt[at(s, A)] > 0) +
                  (outCnt[at(t, A)] - ts > 0) - (outCnt[at(t, B)] > 0);
        // Who chose s or t gains or loses a chosen mate; one may have chosen both.
        ++stampNo;
        touched.clear();
        const auto touch = [&](int u, int by) {
            if (stamp[u] != stampNo) {
                stamp[u] = stampNo;
                change[u] = 0;
                touched.push_back(u);
            }
            change[u] += by;
        };
        for (int u : g.in[s])
            if (u != t && (group[u] == A || group[u] == B))
                touch(u, group[u] == A ? -1 : 1);
        for (int u : g.in[t])
            if (u != s && (group[u] == A || group[u] == B))
                touch(u, group[u] == B ? -1 : 1);
        for (int u : touched) {
            const int c = outCnt[at(u, group[u])];
            d.mates += (c + change[u] > 0) - (c > 0);
        }
        return d;
    }

    void apply(const Delta& d)
    {
        scores.rejectionPairs += d.rej;
        scores.subjectsWithMate += d.mates;
        scores.satisfiedChoices += d.sat;
    }
    void place(int s, int grp)
    {
        apply(placeDelta(s, grp));
        shift(s, -1, grp);
    }
    void move(int s, int to)
    {
        apply(moveDelta(s, to));
        shift(s, group[s], to);
    }
    void swap(int s, int t)
    {
        const int A = group[s], B = group[t];
        apply(swapDelta(s, t));
        shift(s, A, B);
        shift(t, B, A);
    }
    // Takes s out without scoring: the exhaustive search keeps its own scores.
    void unplace(int s) { shift(s, group[s], -1); }

private:
    int at(int s, int grp) const { return s * G + grp; }
    void resize(int grp, int by)
    {
        bigGroups -= isBig(grp);
        size[grp] += by;
        bigGroups += isBig(grp);
    }
    void shift(int s, int from, int to)
    {
        const auto step = [&](std::vector<int>& cnt, const std::vector<int>& whom) {
            for (int u : whom) {
                if (from >= 0)
                    --cnt[at(u, from)];
                if (to >= 0)
                    ++cnt[at(u, to)];
            }
        };
        step(inCnt, g.out[s]);
        step(outCnt, g.in[s]);
        step(rejCnt, g.rej[s]);
        if (from >= 0)
            resize(from, -1);
        if (to >= 0)
            resize(to, 1);
        group[s] = to;
    }

    long long matesWeight = 1, rejWeight = 1;
    int bigGroups = 0;
    std::vector<int> outCnt; // [s, grp]: whom s chose, in grp
    std::vector<int> inCnt;  // [s, grp]: who chose s, in grp
    std::vector<int> rejCnt; // [s, grp]: rejection pairs of s, in grp
    mutable std::vector<int> stamp, change, touched;
    mutable int stampNo = 0;
};

// Canonical order: subject s joins one of the groups opened so far or opens the next,
// so that every partition comes once whatever its group numbers.
class Exhaustive {
public:
    Exhaustive(const Graph& graph, int groups) : seating(graph, groups) {}

    Found run()
    {
        go(0, 0);
        return best;
    }

private:
    void go(int s, int opened)
    {
        if (s == seating.n) {
            if (!have || better(seating.scores, best.scores)) {
                best = {seating.group, seating.scores};
                have = true;
            }
            return;
        }
        const int last = std::min(opened, seating.G - 1);
        for (int grp = 0; grp <= last; ++grp) {
            if (!seating.hasRoom(grp))
                continue;
            // Rejections only grow as subjects sit down.
            if (have && seating.scores.rejectionPairs + seating.placeDelta(s, grp).rej >
                            best.scores.rejectionPairs)
                continue;
            const Scores before = seating.scores;
            seating.place(s, grp);
            go(s + 1, std::max(opened, grp + 1));
            seating.unplace(s);
            seating.scores = before;
        }
    }

    Seating seating;
    Found best;
    bool have = false;
};

// The same numbers on every platform: the standard shuffles and distributions are
// not specified to the bit.
int below(std::mt19937& random, int bound)
{
    return bound <= 1 ? 0 : static_cast<int>(random() % static_cast<unsigned>(bound));
}

constexpr int IterationsPerSubject = 8;
constexpr int TenureBase = 4;

class Tabu {
public:
    Tabu(const Graph& graph, int groups, unsigned seed)
        : g(graph), G(groups), random(seed), seating(graph, groups),
          tabuUntil(size_t(graph.n) * groups, 0)
    {
    }

    Found run(int rounds)
    {
        greedyStart();
        remember();
        const int iterations = IterationsPerSubject * g.n;
        for (int round = 0; round < rounds; ++round) {
            if (round > 0) {
                restart();
                perturb();
            }
            for (int i = 0; i < iterations && step(); ++i)
                if (seating.key() > bestKey)
                    remember();
        }
        return best;
    }

private:
    void greedyStart()
    {
        std::vector<int> order(g.n);
        for (int s = 0; s < g.n; ++s)
            order[s] = s;
        for (int i = g.n - 1; i > 0; --i)
            std::swap(order[i], order[below(random, i + 1)]);
        for (int s : order) {
            int pick = -1;
            long long pickKey = LLONG_MIN;
            for (int grp = 0; grp < G; ++grp) {
                if (!seating.hasRoom(grp))
                    continue;
                // Among equal offers the emptiest group, so that those who bring
                // nothing yet are spread out.
                const long long k = seating.key(seating.placeDelta(s, grp));
                if (k > pickKey || (k == pickKey && seating.size[grp] < seating.size[pick])) {
                    pick = grp;
                    pickKey = k;
                }
            }
            seating.place(s, pick);
        }
    }

    void remember()
    {
        best = {seating.group, seating.scores};
        bestKey = seating.key();
    }

    void restart()
    {
        for (int s = 0; s < g.n; ++s)
            seating.unplace(s);
        seating.scores = {};
        for (int s = 0; s < g.n; ++s)
            seating.place(s, best.groupOf[s]);
    }

    void perturb()
    {
        const int swaps = 2 + g.n / 10;
        for (int k = 0; k < swaps; ++k) {
            const int s = below(random, g.n);
            int t = below(random, g.n);
            while (seating.group[t] == seating.group[s])
                t = below(random, g.n);
            seating.swap(s, t);
        }
    }

    bool allowed(int s, int grp, long long gain) const
    {
        return tabuUntil[size_t(s) * G + grp] <= iteration || seating.key() + gain > bestKey;
    }

    // The best move or swap that is not tabu, ties drawn by lot.
    bool step()
    {
        ++iteration;
        long long top = LLONG_MIN;
        int ties = 0, pickS = -1, pickT = -1, pickTo = -1;
        const auto consider = [&](long long gain, int s, int t, int to) {
            if (gain < top)
                return;
            if (gain > top) {
                top = gain;
                ties = 0;
            }
            if (below(random, ++ties) == 0) {
                pickS = s;
                pickT = t;
                pickTo = to;
            }
        };
        for (int s = 0; s < g.n; ++s) {
            const int A = seating.group[s];
            if (seating.isBig(A))
                for (int B = 0; B < G; ++B)
                    if (!seating.isBig(B)) {
                        const long long gain = seating.key(seating.moveDelta(s, B));
                        if (gain >= top && allowed(s, B, gain))
                            consider(gain, s, -1, B);
                    }
            for (int t = s + 1; t < g.n; ++t) {
                const int B = seating.group[t];
                if (B == A)
                    continue;
                const long long gain = seating.key(seating.swapDelta(s, t));
                if (gain >= top && allowed(s, B, gain) && allowed(t, A, gain))
                    consider(gain, s, t, B);
            }
        }
        if (pickS < 0)
            return false;
        forbid(pickS, seating.group[pickS]);
        if (pickT < 0) {
            seating.move(pickS, pickTo);
        } else {
            forbid(pickT, seating.group[pickT]);
            seating.swap(pickS, pickT);
        }
        return true;
    }

    void forbid(int s, int back)
    {
        tabuUntil[size_t(s) * G + back] = iteration + TenureBase + below(random, G + 4);
    }

    const Graph& g;
    const int G;
    std::mt19937 random;
    Seating seating;
    std::vector<long long> tabuUntil; // [s, grp]: s may not go back to grp before then
    long long iteration = 0;
    Found best;
    long long bestKey = LLONG_MIN;
};

} // namespace

Found searchExhaustive(const Graph& g, int groups)
{
    return Exhaustive(g, groups).run();
}

Found searchLocal(const Graph& g, int groups, int rounds, unsigned seed)
{
    return Tabu(g, groups, seed).run(rounds);
}

} // namespace Groups::Detail

#include "groupsearch.h"
#include "groupseating.h"

#include "random.h"

#include <climits>

namespace Groups::Detail {

namespace {

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
        if (s == seating.subjects()) {
            if (!have || better(seating.score(), best.scores)) {
                best = {seating.groupOf(), seating.score()};
                have = true;
            }
            return;
        }
        const int last = std::min(opened, seating.groupCount() - 1);
        for (int grp = 0; grp <= last; ++grp) {
            if (!seating.hasRoom(grp))
                continue;
            // Rejections only grow as subjects sit down.
            if (have && seating.score().rejectionPairs + seating.placeDelta(s, grp).rej >
                            best.scores.rejectionPairs)
                continue;
            const Scores before = seating.score();
            seating.place(s, grp);
            go(s + 1, std::max(opened, grp + 1));
            seating.unplace(s);
            seating.setScore(before);
        }
    }

    Seating seating;
    Found best;
    bool have = false;
};

constexpr int IterationsPerSubject = 4;
constexpr int TenureBase = 2;

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
            std::swap(order[i], order[random.below(i + 1)]);
        for (int s : order) {
            int pick = -1;
            long long pickKey = LLONG_MIN;
            for (int grp = 0; grp < G; ++grp) {
                if (!seating.hasRoom(grp))
                    continue;
                // Among equal offers the emptiest group, so that those who bring
                // nothing yet are spread out.
                const long long k = seating.key(seating.placeDelta(s, grp));
                if (k > pickKey || (k == pickKey && seating.sizeOf(grp) < seating.sizeOf(pick))) {
                    pick = grp;
                    pickKey = k;
                }
            }
            seating.place(s, pick);
        }
    }

    void remember()
    {
        best = {seating.groupOf(), seating.score()};
        bestKey = seating.key();
    }

    void restart()
    {
        for (int s = 0; s < g.n; ++s)
            seating.unplace(s);
        seating.setScore({});
        for (int s = 0; s < g.n; ++s)
            seating.place(s, best.groupOf[s]);
    }

    void perturb()
    {
        const int swaps = 2 + g.n / 10;
        for (int k = 0; k < swaps; ++k) {
            const int s = random.below(g.n);
            int t = random.below(g.n);
            while (seating.groupOf()[t] == seating.groupOf()[s])
                t = random.below(g.n);
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
            if (random.below(++ties) == 0) {
                pickS = s;
                pickT = t;
                pickTo = to;
            }
        };
        for (int s = 0; s < g.n; ++s) {
            const int A = seating.groupOf()[s];
            if (seating.isBig(A))
                for (int B = 0; B < G; ++B)
                    if (!seating.isBig(B)) {
                        const long long gain = seating.key(seating.moveDelta(s, B));
                        if (gain >= top && allowed(s, B, gain))
                            consider(gain, s, -1, B);
                    }
            for (int t = s + 1; t < g.n; ++t) {
                const int B = seating.groupOf()[t];
                if (B == A)
                    continue;
                Delta d = seating.swapDelta(s, t);
                if (seating.key(d) + seating.swapOthersBound(s, t) < top)
                    continue;
                d.mates += seating.swapOthers(s, t);
                const long long gain = seating.key(d);
                if (gain >= top && allowed(s, B, gain) && allowed(t, A, gain))
                    consider(gain, s, t, B);
            }
        }
        if (pickS < 0)
            return false;
        [[maybe_unused]] const long long before = seating.key();
        forbid(pickS, seating.groupOf()[pickS]);
        if (pickT < 0) {
            seating.move(pickS, pickTo);
        } else {
            forbid(pickT, seating.groupOf()[pickT]);
            seating.swap(pickS, pickT);
        }
        Q_ASSERT(seating.key() == before + top); // the step was weighed as it was taken
        return true;
    }

    void forbid(int s, int back)
    {
        tabuUntil[size_t(s) * G + back] = iteration + TenureBase + random.below(G + 4);
    }

    const Graph& g;
    const int G;
    Shared::Random random;
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

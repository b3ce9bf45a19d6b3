#pragma once
// Inside the groups core: a grouping under way, with per subject and group the counts
// that make the change of the scores under a move or a swap cheap to tell.

#include "groupsearch.h"

#include <vector>

namespace Groups::Detail {

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

    int subjects() const { return n; }
    int groupCount() const { return G; }
    // Each subject's group, -1 while unplaced.
    const std::vector<int>& groupOf() const { return group; }
    int sizeOf(int grp) const { return size[grp]; }
    const Scores& score() const { return scores; }
    // The exhaustive search and a restart put back scores of their own.
    void setScore(const Scores& kept) { scores = kept; }

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
    // The change of the swap for s and t themselves; whoever chose them comes from
    // swapOthers.
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
        return d;
    }
    // At most this many others can gain a mate by the swap.
    long long swapOthersBound(int s, int t) const
    {
        return matesWeight * static_cast<long long>(g.in[s].size() + g.in[t].size());
    }
    // Who chose s or t gains or loses a chosen mate; one may have chosen both.
    int swapOthers(int s, int t) const
    {
        const int A = group[s], B = group[t];
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
        int mates = 0;
        for (int u : touched) {
            const int c = outCnt[at(u, group[u])];
            mates += (c + change[u] > 0) - (c > 0);
        }
        return mates;
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
        Delta d = swapDelta(s, t);
        d.mates += swapOthers(s, t);
        apply(d);
        shift(s, A, B);
        shift(t, B, A);
    }
    // Takes s out without scoring: the exhaustive search keeps its own scores.
    void unplace(int s) { shift(s, group[s], -1); }

private:
    const Graph& g;
    const int n, G, q, r;
    std::vector<int> group; // -1 while unplaced
    std::vector<int> size;
    Scores scores;

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

} // namespace Groups::Detail

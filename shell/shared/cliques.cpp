#include "cliques.h"

#include <algorithm>

namespace Shared {

namespace {

// Bron and Kerbosch with a pivot: a class has at most a few dozen pupils, so sets of
// subject numbers are plain sorted vectors.
class CliqueSearch {
public:
    explicit CliqueSearch(std::vector<std::vector<char>> mutual) : linked(std::move(mutual)) {}

    void grow(std::vector<int>& chosen, std::vector<int> open, std::vector<int> done)
    {
        if (open.empty() && done.empty()) {
            if (chosen.size() >= 3)
                found.push_back(chosen);
            return;
        }
        // The pivot with the most ties among the open subjects leaves the fewest branches.
        int pivot = open.empty() ? done.front() : open.front();
        long most = -1;
        for (const std::vector<int>* set : {&open, &done}) {
            for (int u : *set) {
                const long ties = std::count_if(open.begin(), open.end(),
                                                [&](int v) { return linked[u][v] != 0; });
                if (ties > most) {
                    most = ties;
                    pivot = u;
                }
            }
        }
        const std::vector<int> branches = [&] {
            std::vector<int> b;
            for (int v : open)
                if (!linked[pivot][v])
                    b.push_back(v);
            return b;
        }();
        for (int v : branches) {
            const auto near = [&](const std::vector<int>& set) {
                std::vector<int> kept;
                for (int u : set)
                    if (linked[v][u])
                        kept.push_back(u);
                return kept;
            };
            chosen.push_back(v);
            grow(chosen, near(open), near(done));
            chosen.pop_back();
            open.erase(std::find(open.begin(), open.end(), v));
            done.push_back(v);
        }
    }

    std::vector<std::vector<int>> found;

private:
    std::vector<std::vector<char>> linked;
};

} // namespace

std::vector<std::vector<int>> maximalCliques(int n, const std::vector<Choice>& choices)
{
    n = std::max(n, 0);
    std::vector<std::vector<char>> chose(n + 1, std::vector<char>(n + 1, 0));
    for (const Choice& c : choices)
        if (c.positive() && c.chooser >= 1 && c.chooser <= n && c.chosen >= 1 && c.chosen <= n &&
            c.chooser != c.chosen)
            chose[c.chooser][c.chosen] = 1;
    std::vector<std::vector<char>> mutual(n + 1, std::vector<char>(n + 1, 0));
    std::vector<int> everyone;
    for (int a = 1; a <= n; ++a) {
        everyone.push_back(a);
        for (int b = 1; b <= n; ++b)
            mutual[a][b] = chose[a][b] && chose[b][a];
    }
    CliqueSearch search(std::move(mutual));
    std::vector<int> chosen;
    search.grow(chosen, everyone, {});
    std::vector<std::vector<int>> cliques = std::move(search.found);
    for (std::vector<int>& clique : cliques)
        std::sort(clique.begin(), clique.end());
    std::sort(cliques.begin(), cliques.end(), [](const auto& a, const auto& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    return cliques;
}

} // namespace Shared

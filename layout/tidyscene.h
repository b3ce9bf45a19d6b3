#pragma once
// A picture whose labels may go anywhere (Target rings, Random): the search moves one
// label or a few together and needs the change in score quickly. Only what touches the
// moved labels is recounted, an aim at a time, and a move that spoils a higher aim is
// turned down before the costly crossing count is made. Internal to the layout library.

#include "tidysupport.h"

#include <cstdint>
#include <vector>

namespace Layout::TidySupport {

class TidyScene {
public:
    TidyScene(const ChoiceGraph& graph, QSizeF label, const std::vector<QPointF>& leftTop);

    // Puts the labels at the Left/Top positions when the picture gets better, or no
    // worse when `sideways` allows. A picture worse only in crossings is taken now and
    // then while the temperature is up. Says whether the move was made.
    bool tryMove(const std::vector<int>& labels, const std::vector<QPointF>& to, double temperature,
                 bool sideways, Random& random);

    // From here on a move no worse in overlaps may also add lines under labels now and then,
    // as it may add crossings, while the temperature is up (`heat` times as often): a long
    // search climbs out of a dip of that aim too, and ends on the best picture it saw.
    void warmLinesUnder(double heat) { linesUnderHeat = heat; }

    // From here on no move may leave more than `most` crossings (or than there are now,
    // if more): every move is then counted for them, and the score's crossings are the
    // picture's own.
    void limitCrossings(int most);

    // Unless limited, the crossings are counted from the last move that bettered a higher
    // aim: no picture before it can compete, and the search needs no more to rank the rest.
    const PictureScore& score() const { return total; }
    // A label for the long search to move: in a small class most often one that a line
    // runs under or that ends such a line.
    int pick(Random& random) const;
    // Labels in a fault a small step can mend, in ascending order: a line runs under them,
    // they end a line that runs under another, or they overlap another.
    std::vector<int> troubled() const;
    QPointF position(int s) const { return {left[s], top[s]}; }
    std::vector<QPointF> positions() const;
    int size() const { return n; }

private:
    // A move's standing while its aims are judged from the highest down.
    struct Verdict {
        bool better = false, refused = false;
        // Takes the change on the next aim: better once an aim gains, refused where one
        // loses while every higher one is even.
        int judge(int change);
    };

    PictureScore judgeMove(const std::vector<int>& labels, const std::vector<QPointF>& from,
                           const std::vector<QPointF>& to, double temperature, bool sideways,
                           Random& random, Verdict& verdict);
    int linesUnderChange(const std::vector<int>& labels, const std::vector<QPointF>& from,
                         const std::vector<QPointF>& to, double temperature, bool sideways,
                         Random& random, Verdict& verdict);
    void mark(const std::vector<int>& labels, bool on);
    void place(const std::vector<int>& labels, const std::vector<QPointF>& to);
    bool tooManyCrossings(const std::vector<int>& labels, const std::vector<QPointF>& from,
                          const std::vector<QPointF>& to, bool better, double temperature,
                          Random& random, int& change);
    void keep(const std::vector<int>& labels, const std::vector<QPointF>& to,
              const PictureScore& delta, bool crossingsAfresh);
    int overlapsNear() const;
    int linesUnderBefore() const;
    int linesUnderAfter(int limit) const;
    void keepLinesUnder();
    int markersUnderNear() const;
    int crossingsNear(int limit) const;

    const ChoiceGraph& g;
    int n;
    double w, h;
    std::vector<double> left, top;
    std::vector<double> x0, y0, x1, y1; // line ends, label centres
    std::vector<int> endA, endB;        // line ends, labels
    std::vector<double> mx, my;         // markers
    std::vector<char> movedLabel, touchedMarker;
    static constexpr int Untouched = 1 << 30;
    std::vector<int> rank;                  // per line, its place among the lines the move touches
    std::vector<int> moved, lines, markers; // what the move in hand touches
    // Which labels each line runs under, a bit per label, and how many lines run under
    // each label: most moves are turned down on this aim, and with these at hand only
    // the picture after the move needs counting.
    int words;
    std::vector<std::uint64_t> under;
    std::vector<int> cover;
    PictureScore total;
    int crossingLimit = -1; // none
    double linesUnderHeat = 0;
};

} // namespace Layout::TidySupport

#ifndef PAIRWISE_H
#define PAIRWISE_H

#include <QRandomGenerator>

#include <set>
#include <tuple>
#include <vector>

// A small set of rows, each choosing one value index per axis, in which every
// value of each axis meets every value of every other axis at least once.
// Greedy: each row is the best of a few seeded random candidates, with the
// first uncovered pair forced in so that every row makes progress.
inline std::vector<std::vector<int>> pairwiseRows(const std::vector<int> &axisSizes,
                                                  quint32 seed = 1)
{
    using Pair = std::tuple<int, int, int, int>; // axis a, value, axis b, value
    std::set<Pair> uncovered;
    const int axes = int(axisSizes.size());
    for (int a = 0; a < axes; ++a)
        for (int b = a + 1; b < axes; ++b)
            for (int va = 0; va < axisSizes[a]; ++va)
                for (int vb = 0; vb < axisSizes[b]; ++vb)
                    uncovered.insert({a, va, b, vb});

    const auto gain = [&](const std::vector<int> &row) {
        int count = 0;
        for (int a = 0; a < axes; ++a)
            for (int b = a + 1; b < axes; ++b)
                count += int(uncovered.count({a, row[a], b, row[b]}));
        return count;
    };

    QRandomGenerator random(seed);
    std::vector<std::vector<int>> rows;
    while (!uncovered.empty()) {
        const auto [fa, fva, fb, fvb] = *uncovered.begin();
        std::vector<int> best;
        int bestGain = -1;
        for (int candidate = 0; candidate < 40; ++candidate) {
            std::vector<int> row(axes);
            for (int a = 0; a < axes; ++a)
                row[a] = random.bounded(axisSizes[a]);
            row[fa] = fva;
            row[fb] = fvb;
            const int g = gain(row);
            if (g > bestGain) {
                bestGain = g;
                best = row;
            }
        }
        for (int a = 0; a < axes; ++a)
            for (int b = a + 1; b < axes; ++b)
                uncovered.erase({a, best[a], b, best[b]});
        rows.push_back(best);
    }
    return rows;
}

#endif // PAIRWISE_H

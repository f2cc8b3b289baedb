// Comparisons on a shared, noisy machine: both sides of a comparison are timed in the same round,
// one right after the other, and what is reported is the median of the per-round ratios, so that
// a burst of load from elsewhere spoils a round rather than one side of the comparison.
// Used by the Google Benchmark programs under bench/, with manual timing (one round per
// iteration).
#pragma once
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

#include <benchmark/benchmark.h>

namespace vtbench {

// Wall-clock seconds that work takes.
template <class Work>
double secondsOf(Work&& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<long>(middle), values.end());
    double upper = values[middle];
    if (values.size() % 2 == 1) return upper;
    double lower = *std::max_element(values.begin(), values.begin() + static_cast<long>(middle));
    return (lower + upper) / 2;
}

// Collects per-round timings of named sides and reports medians as benchmark counters.
class Rounds {
public:
    // Seconds of one side in this round (sides are numbered from 0).
    void add(std::size_t side, double seconds) {
        if (m_seconds.size() <= side) m_seconds.resize(side + 1);
        m_seconds[side].push_back(seconds);
    }
    // Median over the rounds of side a's time divided by side b's.
    double medianRatio(std::size_t a, std::size_t b) const {
        std::vector<double> ratios;
        for (std::size_t i = 0; i < m_seconds[a].size() && i < m_seconds[b].size(); ++i)
            if (m_seconds[b][i] > 0) ratios.push_back(m_seconds[a][i] / m_seconds[b][i]);
        return median(ratios);
    }
    // Median seconds of one side, divided by the units of work in a round (microseconds).
    double medianMicros(std::size_t side, double unitsPerRound) const {
        return median(m_seconds[side]) * 1e6 / unitsPerRound;
    }

private:
    std::vector<std::vector<double>> m_seconds;
};

}  // namespace vtbench

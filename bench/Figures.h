#pragma once

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to);
// Both leave out figures that were not taken (NaN).
double median(std::vector<double> values);
// Nearest-rank percentile, p in 0..100.
double percentile(std::vector<double> values, double p);
std::string fixed(double value, int decimals);

enum class Verdict { Met, Missed, Info, Skipped };

// One line of the results: the game's figure beside its baseline from the same run.
struct Row {
    std::string figure;
    std::string game;
    std::string baseline;
    std::string ratio;
    std::string goal;
    Verdict verdict = Verdict::Info;
};

// The results, printed as a Markdown table followed by notes.
class Table {
public:
    void add(Row row);
    // A row whose ratio is game / baseline and whose goal is a largest ratio.
    void addRatio(const std::string& figure, double game, double baseline, int decimals, double maxRatio);
    void note(std::string text);
    void print(std::ostream& out) const;
    int missed() const;

private:
    std::vector<Row> rows_;
    std::vector<std::string> notes_;
};

} // namespace bench

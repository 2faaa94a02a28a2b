#include "Figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

namespace {

// A figure that was not taken (a sound never heard, say) is left out.
std::vector<double> taken(std::vector<double> values)
{
    values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return std::isnan(v); }), values.end());
    return values;
}

} // namespace

double median(std::vector<double> values)
{
    values = taken(std::move(values));
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile(std::vector<double> values, double p)
{
    values = taken(std::move(values));
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size())));
    rank = std::clamp<std::size_t>(rank, 1, values.size());
    return values[rank - 1];
}

std::string fixed(double value, int decimals)
{
    if (std::isnan(value))
        return "n/a";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void Table::add(Row row) { rows_.push_back(std::move(row)); }

void Table::addRatio(const std::string& figure, double game, double baseline, int decimals, double maxRatio)
{
    const double ratio = baseline > 0 ? game / baseline : NAN;
    Row row{figure,
            fixed(game, decimals),
            fixed(baseline, decimals),
            fixed(ratio, 2) + "×",
            "≤ " + fixed(maxRatio, std::round(maxRatio * 10) == maxRatio * 10 ? 1 : 2) + "×",
            Verdict::Missed};
    if (!std::isnan(ratio) && ratio <= maxRatio)
        row.verdict = Verdict::Met;
    add(std::move(row));
}

void Table::note(std::string text) { notes_.push_back(std::move(text)); }

int Table::missed() const
{
    return static_cast<int>(
        std::count_if(rows_.begin(), rows_.end(), [](const Row& r) { return r.verdict == Verdict::Missed; }));
}

void Table::print(std::ostream& out) const
{
    out << "| Figure | Game | Baseline | Ratio | Goal | Met |\n";
    out << "|---|---:|---:|---:|---|---|\n";
    for (const Row& row : rows_) {
        const char* verdict = "";
        switch (row.verdict) {
        case Verdict::Met: verdict = "yes"; break;
        case Verdict::Missed: verdict = "**no**"; break;
        case Verdict::Info: verdict = ""; break;
        case Verdict::Skipped: verdict = "skipped"; break;
        }
        out << "| " << row.figure << " | " << row.game << " | " << row.baseline << " | " << row.ratio << " | "
            << row.goal << " | " << verdict << " |\n";
    }
    if (!notes_.empty())
        out << "\n";
    for (const std::string& text : notes_)
        out << "- " << text << "\n";
}

} // namespace bench

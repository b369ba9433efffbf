// How long one edit of the link takes in the engine, for links of several lengths and
// every page type, and how much of it is the visit of the 15000 buffer slots. Prints a table of
// medians; every row is measured in the same run, rounds interleaved, so the ratios
// hold even on a busy machine.

#include "LineBuffer.h"
#include "Page.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Row
{
    const char *name;
    std::function<void()> run;
    std::vector<double> micros;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

volatile std::size_t sink = 0;

// Keeps the optimiser from dropping work whose result nobody reads.
void Keep(std::size_t n)
{
    sink = sink + n;
}

} // namespace

int main()
{
    const std::string shortLink =
        "http://track.partnerhub.example/click/aff-20417/garden-tools/hedge-trimmer";
    const std::string longLink = "http://shop.example/" + std::string(8192, 'a');
    const std::string hugeLink = "http://shop.example/" + std::string(1 << 20, 'a');
    const std::string specialLink = "http://shop.example/?a=\"$x\"&b=\\" + std::string(8192, '$');
    const std::string placeholderLink = "http://a/" + std::string(8192, 'b') + "0url0";

    std::vector<Row> rows = {
        {"php page, 75-byte link",
         [&] { Keep(brevasto::MakePage(brevasto::PageType::Php, shortLink)[0].size()); },
         {}},
        {"php page, 8 KB link",
         [&] { Keep(brevasto::MakePage(brevasto::PageType::Php, longLink)[0].size()); },
         {}},
        {"standard page, 8 KB link",
         [&] { Keep(brevasto::MakePage(brevasto::PageType::Standard, longLink)[1].size()); },
         {}},
        {"java page, 8 KB link",
         [&] { Keep(brevasto::MakePage(brevasto::PageType::Java, longLink)[1].size()); },
         {}},
        {"php page, 8 KB link of $",
         [&] { Keep(brevasto::MakePage(brevasto::PageType::Php, specialLink)[0].size()); },
         {}},
        {"php page, 8 KB link + 0url0",
         [&] { Keep(brevasto::MakePage(brevasto::PageType::Php, placeholderLink)[0].size()); },
         {}},
        {"ReplaceInBuffer alone, 75 B",
         [&] {
             brevasto::LineBuffer[1] = R"(<?php $URL="0url0";)";
             brevasto::ReplaceInBuffer("0url0", shortLink);
             Keep(brevasto::LineBuffer[1].size());
         },
         {}},
        {"php page, 1 MB link",
         [&] { Keep(brevasto::MakePage(brevasto::PageType::Php, hugeLink)[0].size()); },
         {}},
    };

    constexpr int rounds = 301;
    for (int round = 0; round < rounds; ++round) {
        for (Row &row : rows) {
            row.run(); // warm: the row before may have pushed the buffer out of the cache
            const auto start = Clock::now();
            row.run();
            row.micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
    }

    const double base = Median(rows.front().micros);
    std::printf("%-30s %14s %10s\n", "case", "median (us)", "ratio");
    for (const Row &row : rows) {
        const double median = Median(row.micros);
        std::printf("%-30s %14.1f %10.2f\n", row.name, median, median / base);
    }
    std::printf("(%d rounds each, interleaved, each timed run right after an untimed one;\n ratio to the "
                "first row)\n",
                rounds);
    return 0;
}

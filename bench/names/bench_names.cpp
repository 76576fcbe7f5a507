// The nearest CSS and X11 names of colours spread over the whole cube, one lookup an iteration;
// the lists' Oklab is worked out before the timing starts.

#include "names/ColorNames.h"
#include "support/BenchMain.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

// 4096 colours, 16 levels a channel, offset so few of them are a name's exact value.
const std::vector<Color>& Colors() {
    static const std::vector<Color> colors = [] {
        std::vector<Color> all;
        for (int r = 0; r < 16; ++r) {
            for (int g = 0; g < 16; ++g) {
                for (int b = 0; b < 16; ++b) {
                    all.emplace_back(r * 17 + 3, g * 17 + 5, b * 17 + 7);
                }
            }
        }
        return all;
    }();
    return colors;
}

template <ColorName (*Lookup)(Color)> void Nearest(benchmark::State& state) {
    const std::vector<Color>& colors = Colors();
    const ColorName first = Lookup(colors.front()); // the list made ready before timing
    benchmark::DoNotOptimize(first);
    std::size_t i = 0;
    for (auto _ : state) {
        ColorName name = Lookup(colors[i]);
        benchmark::DoNotOptimize(name);
        i = (i + 1) % colors.size();
    }
}

void NearestCss(benchmark::State& state) {
    Nearest<NearestCssName>(state);
}

void NearestX11(benchmark::State& state) {
    Nearest<NearestX11Name>(state);
}

} // namespace

BENCHMARK(NearestCss)->Unit(benchmark::kMicrosecond);
BENCHMARK(NearestX11)->Unit(benchmark::kMicrosecond);

HUEMARK_BENCH_MAIN()

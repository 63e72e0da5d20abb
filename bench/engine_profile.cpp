// Generates N characters over the benchmark mix and nothing else, for instruction counts under
// callgrind: the difference between two runs of different N, divided by the difference in N,
// is the cost of one character with start-up cancelled out.
#include <cstdio>
#include <cstdlib>

#include "mix.h"
#include "schedule.h"

int main(int argc, char* argv[]) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    const auto mix = tavrel::bench::mixedOptions();
    tavrel::VirtualSchedule schedule(20261207, 12 * 3600 * 1000);
    long checksum = 0;
    std::size_t next = 0;
    for (long i = 0; i < count; ++i) {
        schedule.generate(mix[next]);
        next = next + 1 == mix.size() ? 0 : next + 1;
        checksum += schedule.character().hitPoints;
    }
    // Printing the sum keeps the work observable, so none of it can be optimised away.
    std::printf("%ld characters, hit point sum %ld\n", count, checksum);
    return 0;
}

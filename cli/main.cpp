#include <iostream>
#include <string>
#include <vector>

#include "clock.h"
#include "run.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const tavrel::SystemClock clock;
    return tavrel::cli::run(args, std::cin, std::cout, std::cerr, clock);
}

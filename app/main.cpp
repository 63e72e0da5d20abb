#include "startup.h"

int main(int argc, char* argv[]) {
    return tavrel::runProgram(argc, argv);
}

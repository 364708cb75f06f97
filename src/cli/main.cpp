#include "Cli.h"

#include <iostream>

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return qb::runCli(arguments, std::cout, std::cerr);
}

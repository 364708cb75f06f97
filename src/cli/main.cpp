#include "Cli.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return qb::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

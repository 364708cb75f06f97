#include "Cli.h"
#include "base/Version.h"

#include <iostream>

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::cout << "quillbarrow-cli " << qb::kProgramVersion << '\n';
        return 0;
    }
    return qb::runCli(arguments, std::cout, std::cerr);
}

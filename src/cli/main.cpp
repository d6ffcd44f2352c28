#include "CliApp.h"
#include "core/LargeBlocks.h"

#include <iostream>

int main(int argc, char** argv) {
    svidary::ReturnLargeBlocksWhenFreed();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return svidary::cli::RunCli(arguments, argc > 0 ? argv[0] : "", std::cout, std::cerr);
}

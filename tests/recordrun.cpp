// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the system-information tool: each run appends its argument count to a file
// named after the path it was started by, so a test can tell which copy ran, how often, and
// that no path was split into arguments.
#include <fstream>
#include <string>

int main(int argc, char *argv[])
{
    std::ofstream(std::string(argv[0]) + ".ran", std::ios::app) << argc << '\n';
    return 0;
}

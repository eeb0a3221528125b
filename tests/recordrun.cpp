// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the system-information tool: each run appends a line to a file named after the
// path it was started by, so a test can tell which copy ran, how often, that no path was split
// into arguments ("1": the argument count) and what its standard input was ("null" when it is
// the null device, as a tool started from a window must get).
#include <fstream>
#include <string>
#include <sys/stat.h>

int main(int argc, char *argv[])
{
    struct stat input = {};
    struct stat null = {};
    const bool fromNull = fstat(0, &input) == 0 && stat("/dev/null", &null) == 0
        && input.st_rdev == null.st_rdev && S_ISCHR(input.st_mode);
    std::ofstream(std::string(argv[0]) + ".ran", std::ios::app)
        << argc << (fromNull ? " null" : " other") << '\n';
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace bench {

double mean(const std::vector<double> &values);
double median(std::vector<double> values);
// Nearest rank: the smallest value that at least p percent of the values do not exceed.
double percentile(std::vector<double> values, double p);
double maximum(const std::vector<double> &values);

} // namespace bench

#pragma once

#include <string>

namespace splot {

class Random;

// The exclamation after a win against the computer: outcome 0 a cheer (the
// human has won), 1 a consolation (the computer has won).
std::string SiegText(int outcome, Random& random);

} // namespace splot

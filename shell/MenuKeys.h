// The keys after a menu: a menu closed with Escape leaves the menu bar at
// rest, so that the next arrows and Enter reach the wall again.
#pragma once

#include <functional>

class QMenuBar;

namespace splot {

// Watches every menu of `bar` for Escape. Escape closes a menu but leaves the
// bar holding the keys, waiting for more: then the bar lets go of them and
// `toWall` runs.
void returnKeysAfterMenus(QMenuBar* bar, std::function<void()> toWall);

// While a menu of the game is open, keys typed before it opened and handed on late
// (a screen reader's key listener can) are dropped: Alt from the Alt+letter that
// opened it would close it again. The bar owns the filter.
void dropStaleKeysInMenus(QMenuBar* bar);

} // namespace splot

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

// A menu opened by Alt and a letter ignores that chord's own Alt press when it comes
// after the menu opened: a screen reader's key listener can hand it on late, and
// Alt in an open menu closes it. A later Alt still closes the menu.
void ignoreLateAltInMenus(QMenuBar* bar);

} // namespace splot

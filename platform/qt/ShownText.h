// The game flow's texts as the player sees them. The flow and the engine speak
// English; the label and the message boxes show their texts through here, in
// the language the program speaks. Players' names inside a text pass through
// as they are ("Tulla's turn" becomes "Tulla ist dran").
#pragma once

#include "platform/Phrase.h"

#include <QString>

#include <string>

namespace splot {

// The phrase in the current language; a text the catalogue does not know is
// shown as it is.
QString shownText(const Phrase& text);

} // namespace splot

// The exclamations after a game against the computer, and SiegText, which
// picks one of them at random.
#pragma once

#include <string>

// Marks a text for the catalogue of the program's languages (the translation
// tool collects it under `context`); the program itself uses the English.
#define SPLOT_TEXT(context, text) text

namespace splot {

class Random;

// [0] the cheers after the human's win, [1] the consolations after the
// computer's; the label looks them up under "ShownText".
inline constexpr const char* kVictoryTexts[2][10] = {
    {SPLOT_TEXT("ShownText", "Well done!"), SPLOT_TEXT("ShownText", "Very clever!"),
     SPLOT_TEXT("ShownText", "Fantastic!"), SPLOT_TEXT("ShownText", "Cool!"), SPLOT_TEXT("ShownText", "Wow!"),
     SPLOT_TEXT("ShownText", "Hurrah!"), SPLOT_TEXT("ShownText", "You're top!"),
     SPLOT_TEXT("ShownText", "Yippieh!"), SPLOT_TEXT("ShownText", "Nice!"),
     SPLOT_TEXT("ShownText", "Super!")},
    {SPLOT_TEXT("ShownText", "Sorry!"), SPLOT_TEXT("ShownText", "Try again!"),
     SPLOT_TEXT("ShownText", "Don't give up!"), SPLOT_TEXT("ShownText", "Oooh!"),
     SPLOT_TEXT("ShownText", "Aaaaargh!"), SPLOT_TEXT("ShownText", "Forget it!"),
     SPLOT_TEXT("ShownText", "No luck today!"), SPLOT_TEXT("ShownText", "Never mind!"),
     SPLOT_TEXT("ShownText", "Don't worry!"), SPLOT_TEXT("ShownText", "Once more!")}};

// The exclamation after a win against the computer: outcome 0 a cheer (the
// human has won), 1 a consolation (the computer has won).
std::string SiegText(int outcome, Random& random);

} // namespace splot

// The story of the two painters, shown in the booth's story box Text1 on the
// first start and through the menu item "Sto&ry...".
#pragma once

#include <QString>

#include <functional>

class QPlainTextEdit;

namespace splot {

class SettingsStore;

// The story text, its paragraphs joined with CR LF line breaks; it begins
// with an empty line and "Hey!".
QString storyText();

// Story: puts the text into the story box (shown as lines, white on dark
// green), shows the box and marks the story as shown ("Text" = "0").
void showStory(QPlainTextEdit& text1, SettingsStore& store);
// The same with the marking step given as a function.
void showStory(QPlainTextEdit& text1, const std::function<void()>& markStoryShown);

} // namespace splot

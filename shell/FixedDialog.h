// The window flags of our fixed-size modal dialogs: a title and a close
// button, never a minimize or maximize button (a minimized modal dialog would
// leave the main window blocked with nothing to see).
#pragma once

#include <Qt>

namespace splot {

inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

} // namespace splot

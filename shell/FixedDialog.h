// The window flags of our fixed-size modal dialogs: a title and a close
// button, never a minimize or maximize button (a minimized modal dialog would
// leave the main window blocked with nothing to see).
//
// On X11 Qt turns these flags into _MOTIF_WM_HINTS without the minimize and
// maximize functions, _NET_WM_WINDOW_TYPE_DIALOG, WM_TRANSIENT_FOR the owner
// and, with a fixed size, WM_NORMAL_HINTS minimum = maximum. Window managers
// that follow the Motif functions then offer neither. Openbox (3.6) reads
// them for moving and resizing only: it drops maximize for a fixed size but
// keeps minimize for every dialog, and minimizes the owner with it.
#pragma once

#include <Qt>

class QDialog;

namespace splot {

inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                     Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                                     Qt::MSWindowsFixedSizeDialogHint;

// Keeps an owned modal dialog from being minimized on its own: minimized while
// its owner stays shown, it comes back at once, so the blocked owner never
// sits there with nothing to answer. Minimized together with its owner (the
// player minimizes the program, or a window manager minimizes the whole
// group), it stays minimized and returns with the owner.
void keepShownWhileOwnerShown(QDialog& dialog);

} // namespace splot

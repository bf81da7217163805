// The about box (Info): the program's name and version on dark blue, shown
// modally for two and a half seconds at every start and from "&About..".
#pragma once

#include <QDialog>

class QTimer;

namespace splot {

class AboutBox : public QDialog {
  public:
    static constexpr int kShowMilliseconds = 2500;

    // Loading (Form_Load): centres the box on the screen, sets the main
    // window's title to "Splotchery  1.24" and starts the closing timer. The
    // box is a window of its own (the main window does not own it).
    explicit AboutBox(QWidget* mainWindow, int intervalMs = kShowMilliseconds);

    // Shows a new box modally until its timer closes it, then destroys it.
    static void showModal(QWidget* mainWindow, int intervalMs = kShowMilliseconds);

    // The closing timer (Timer1) and its tick: switches the timer off and
    // closes the box. Tests call the tick directly instead of waiting.
    QTimer* closingTimer() const { return timer1_; }
    void Timer1_Timer();

    static QString mainWindowTitle(); // "Splotchery  1.24"

  private:
    QTimer* timer1_ = nullptr;
};

} // namespace splot

// A paint puddle on the booth's stage under the pump: a rounded, slightly
// glossy blot of one side's paint that fills the widget's rectangle. The game
// sets the rectangle (it grows with each blocked nozzle); the blot follows it.
#pragma once

#include <QColor>
#include <QWidget>

namespace splot {

class Puddle : public QWidget {
    Q_OBJECT
  public:
    Puddle(const QColor& colour, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

} // namespace splot

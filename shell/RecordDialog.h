// The record dialog: the decided games against the computer by level (won,
// lost, drawn) and between two humans (Red won, Blue won, drawn), in the look
// of the options dialog, with a Reset that asks first.
#pragma once

#include "engine/GameRecord.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QWidget;

namespace splot {

class RecordDialog : public QDialog {
    Q_OBJECT

  public:
    // `askReset` asks "Really reset the record?" and says whether the answer was
    // Yes; `reset` then sets every count to 0 in the record and its file.
    RecordDialog(const GameRecord& record, std::function<bool()> askReset, std::function<void()> reset,
                 QWidget* parent = nullptr);

    // Fills the counts from the record; done at every showing.
    void refresh();

    // A count's label: row 0..4 the levels, 5 two humans; column 0..2.
    QLabel* countLabel(int row, int column) const { return counts_[row][column]; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* okButton() const { return ok_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Reset_Click();

    const GameRecord& record_;
    std::function<bool()> askReset_;
    std::function<void()> resetRecord_;
    QWidget* rahmen_ = nullptr;
    QLabel* counts_[GameRecord::kLevels + 1][3] = {};
    QPushButton* reset_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace splot

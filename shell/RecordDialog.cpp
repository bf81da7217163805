// The record dialog: the counts by level and between humans, and Reset.
#include "shell/RecordDialog.h"

#include "shell/DialogStyle.h"
#include "shell/FixedDialog.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace splot {

namespace {

QLabel* addLabel(QGridLayout* grid, const QString& text, int row, int column, Qt::Alignment align)
{
    auto* label = new QLabel(text);
    label->setAlignment(align | Qt::AlignVCenter);
    grid->addWidget(label, row, column);
    return label;
}

} // namespace

RecordDialog::RecordDialog(const GameRecord& record, std::function<bool()> askReset,
                           std::function<void()> reset, QWidget* parent)
    : QDialog(parent), record_(record), askReset_(std::move(askReset)), resetRecord_(std::move(reset))
{
    setWindowTitle(tr("Record"));
    setModal(true);
    setWindowFlags(kFixedDialogFlags);
    applyDialogStyle(*this);

    // The counts in a raised frame: the computer's levels, then two humans.
    rahmen_ = new QWidget(this);
    auto* grid = new QGridLayout(rahmen_);
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(3);
    const Qt::Alignment left = Qt::AlignLeft, right = Qt::AlignRight;
    addLabel(grid, tr("Against the computer"), 0, 0, left);
    const QString heads[3] = {tr("Won"), tr("Lost"), tr("Drawn")};
    for (int c = 0; c < 3; ++c)
        addLabel(grid, heads[c], 0, c + 1, right);
    const QString levels[4] = {tr("very easy"), tr("beginner"), tr("advanced"), tr("expert")};
    for (int level = 0; level < GameRecord::kLevels; ++level) {
        addLabel(grid, QStringLiteral("   ") + levels[level], level + 1, 0, left);
        for (int c = 0; c < 3; ++c)
            counts_[level][c] = addLabel(grid, QString(), level + 1, c + 1, right);
    }
    grid->setRowMinimumHeight(5, 8);
    addLabel(grid, tr("Two players"), 6, 0, left);
    const QString humanHeads[3] = {tr("Red won"), tr("Blue won"), tr("Drawn")};
    for (int c = 0; c < 3; ++c) {
        addLabel(grid, humanHeads[c], 6, c + 1, right);
        counts_[4][c] = addLabel(grid, QString(), 7, c + 1, right);
    }
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c) {
            const QString head = r < 4 ? levels[r] + QStringLiteral(", ") + heads[c] : humanHeads[c];
            counts_[r][c]->setAccessibleName(head);
        }

    reset_ = new QPushButton(tr("&Reset"), this);
    ok_ = new QPushButton(tr("&OK"), this);
    ok_->setDefault(true);
    connect(reset_, &QPushButton::clicked, this, [this] { Reset_Click(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    // Frame and buttons placed by hand, as in the options dialog.
    refresh();
    const QSize inner = rahmen_->sizeHint();
    rahmen_->setGeometry(24, 16, inner.width(), inner.height());
    const int buttonTop = rahmen_->geometry().bottom() + 16;
    // The options dialog's button size, wider where a language's word needs it.
    const int height = 33;
    const int width = std::max({73, ok_->sizeHint().width(), reset_->sizeHint().width()});
    ok_->setGeometry(rahmen_->geometry().right() - width + 1, buttonTop, width, height);
    reset_->setGeometry(ok_->x() - 12 - width, buttonTop, width, height);
    setFixedSize(std::max(rahmen_->geometry().right(), ok_->geometry().right()) + 25,
                 buttonTop + height + 16);
}

void RecordDialog::refresh()
{
    for (int level = 0; level < GameRecord::kLevels; ++level) {
        counts_[level][0]->setNum(record_.won[level]);
        counts_[level][1]->setNum(record_.lost[level]);
        counts_[level][2]->setNum(record_.drawn[level]);
    }
    counts_[4][0]->setNum(record_.redWon);
    counts_[4][1]->setNum(record_.blueWon);
    counts_[4][2]->setNum(record_.humanDraws);
}

void RecordDialog::showEvent(QShowEvent* event)
{
    refresh();
    QDialog::showEvent(event);
}

void RecordDialog::Reset_Click()
{
    if (!askReset_ || !askReset_())
        return;
    if (resetRecord_)
        resetRecord_();
    refresh();
}

void RecordDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // A raised border around the counts, as around the options dialog's players.
    QPainter p(this);
    drawRaisedBorder(p, rahmen_->geometry());
}

} // namespace splot

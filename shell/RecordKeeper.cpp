// The keeper of the record: counting a result and writing it, and the record
// dialog with its Reset.
#include "shell/RecordKeeper.h"

#include "shell/RecordDialog.h"

namespace splot {

void RecordKeeper::count(const GameResult& result, int change)
{
    record_.count(result, change);
    store_.save(record_, result);
}

void RecordKeeper::showDialog(QWidget* parent, std::function<bool()> askReset)
{
    if (!dialog_)
        dialog_ = new RecordDialog(
            record_, std::move(askReset), [this] { store_.reset(record_); }, parent);
    dialog_->exec();
}

} // namespace splot

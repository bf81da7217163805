// The wall as a table for screen readers, its cells made when asked for and
// dropped when the wall's size changes; the comment label as a notification.
#include "presentation/WallAccessible.h"

#include "flow/Spoken.h"
#include "presentation/WallView.h"

#include <QLabel>

namespace splot {

namespace {

// One cell of the wall: row and column from 0.
class WallCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    WallCell(const WallAccessible* table, int row, int column) : table_(table), row_(row), column_(column) {}

    bool isValid() const override
    {
        return table_->wall() != nullptr && row_ < table_->size() && column_ < table_->size();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return const_cast<WallAccessible*>(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        const Spoken* spoken = isValid() ? table_->wall()->spoken() : nullptr;
        if (t != QAccessible::Name || !spoken)
            return {};
        return QString::fromStdString(spoken->cell(column_ + 1, row_ + 1));
    }

    QRect rect() const override
    {
        const WallView* wall = table_->wall();
        const int n = table_->size();
        if (!wall || n == 0)
            return {};
        const QRect all = table_->rect();
        const auto edge = [n](int length, int i) { return length * i / n; };
        return QRect(all.left() + edge(all.width(), column_), all.top() + edge(all.height(), row_),
                     edge(all.width(), column_ + 1) - edge(all.width(), column_),
                     edge(all.height(), row_ + 1) - edge(all.height(), row_));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        const WallView* wall = table_->wall();
        const Spoken* spoken = wall ? wall->spoken() : nullptr;
        s.focusable = true;
        s.selectable = true;
        if (spoken && spoken->cursorColumn() == column_ + 1 && spoken->cursorRow() == row_ + 1) {
            s.selected = true;
            s.focused = wall->hasFocus();
        }
        return s;
    }

    // QAccessibleTableCellInterface.
    bool isSelected() const override { return state().selected; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    QAccessibleInterface* table() const override { return const_cast<WallAccessible*>(table_); }

  private:
    const WallAccessible* table_;
    int row_, column_;
};

// The comment label: a notification named by what was said last. Its role never
// changes: a screen reader keeps the role it first read, and Orca speaks only what
// it took for a notification from the start.
class NoticeLabel final : public QAccessibleWidget {
  public:
    explicit NoticeLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QVariant said = widget()->property(kSaid);
            if (said.isValid())
                return said.toString();
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }
    static constexpr const char* kSaid = "splotSaid";
};

// A picture that steps a number up and down: a spin box with that number.
class PictureSpin final : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit PictureSpin(QWidget* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? currentValue().toString() : QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return widget()->property("splotValue"); }
    void setCurrentValue(const QVariant&) override {} // changed by its own keys only
    QVariant maximumValue() const override { return widget()->property("splotMaximum"); }
    QVariant minimumValue() const override { return widget()->property("splotMinimum"); }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (object && object->isWidgetType() && object->property("splotMaximum").isValid())
        return new PictureSpin(static_cast<QWidget*>(object));
    if (className == QLatin1String("splot::WallView"))
        return new WallAccessible(static_cast<WallView*>(object));
    if (object && object->isWidgetType() && object->property("splotNotice").toBool())
        return new NoticeLabel(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

WallAccessible::WallAccessible(WallView* wall) : QAccessibleWidget(wall, QAccessible::Table) {}

WallAccessible::~WallAccessible()
{
    dropCells();
}

WallView* WallAccessible::wall() const
{
    return static_cast<WallView*>(object());
}

int WallAccessible::size() const
{
    const WallView* view = wall();
    const int n = view && view->spoken() ? view->spoken()->wallSize() : 0;
    if (n != cellsSize_) {
        dropCells();
        cellsSize_ = n;
    }
    return n;
}

void WallAccessible::dropCells() const
{
    for (const QAccessible::Id id : std::as_const(cells_))
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

QAccessibleInterface* WallAccessible::cell(int row, int column) const
{
    const int n = size();
    if (row < 0 || column < 0 || row >= n || column >= n)
        return nullptr;
    const int index = row * n + column;
    const auto found = cells_.constFind(index);
    if (found != cells_.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* made = new WallCell(this, row, column);
    cells_.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
}

void* WallAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int WallAccessible::childCount() const
{
    return size() * size();
}

QAccessibleInterface* WallAccessible::child(int index) const
{
    const int n = size();
    return n == 0 || index < 0 ? nullptr : cell(index / n, index % n);
}

int WallAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || child->parent() != this)
        return -1;
    return cell->rowIndex() * size() + cell->columnIndex();
}

QAccessibleInterface* WallAccessible::childAt(int x, int y) const
{
    const QRect all = rect();
    const int n = size();
    if (n == 0 || !all.contains(x, y))
        return nullptr;
    return cell((y - all.top()) * n / all.height(), (x - all.left()) * n / all.width());
}

QString WallAccessible::text(QAccessible::Text t) const
{
    const WallView* view = wall();
    if (t == QAccessible::Name && view && view->spoken())
        return QString::fromStdString(view->spoken()->wallName());
    return QAccessibleWidget::text(t);
}

QString WallAccessible::columnDescription(int column) const
{
    return QString::fromStdString(Spoken::columnName(column + 1));
}

QString WallAccessible::rowDescription(int row) const
{
    return QString::number(row + 1);
}

void WallView::cursorDrawn()
{
#if QT_CONFIG(accessibility)
    const int n = spoken_ ? spoken_->wallSize() : 0;
    if (n == 0)
        return;
    if (n != spokenSize_) {
        // Another wall: its cells are made anew, and its name tells the size.
        spokenSize_ = n;
        spokenCell_ = -1;
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    // In the middle of a move the cursor is told where it ends, with the
    // cell's new contents: the computer's reply, or the player's own splot.
    if (!inputEnabled_ || !hasFocus())
        return;
    const int index = (spoken_->cursorRow() - 1) * n + spoken_->cursorColumn() - 1;
    if (index == spokenCell_ && !keyPressed_)
        return;
    keyPressed_ = false;
    tellCursorCell();
#endif
}

void WallView::tellCursorCell()
{
#if QT_CONFIG(accessibility)
    const int n = spoken_ ? spoken_->wallSize() : 0;
    if (n == 0 || !hasFocus())
        return;
    spokenCell_ = (spoken_->cursorRow() - 1) * n + spoken_->cursorColumn() - 1;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(spokenCell_);
    QAccessible::updateAccessibility(&event);
    emit cellTold(spokenCell_);
#endif
}

void WallView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // After the wall's own focus event, which names the table: its cell.
    QMetaObject::invokeMethod(this, &WallView::tellCursorCell, Qt::QueuedConnection);
}

void announceOnLabel(QWidget* label, const QString& text)
{
    label->setProperty("splotNotice", true);
    label->setProperty(NoticeLabel::kSaid, text);
#if QT_CONFIG(accessibility)
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(label, text);
#else
    // Shown again: screen readers speak a notification that shows.
    QAccessibleEvent event(label, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&event);
#endif
}

void setAccessibleSpinValue(QWidget* picture, int value, int minimum, int maximum)
{
    const bool changed = picture->property("splotValue") != QVariant(value);
    picture->setProperty("splotMinimum", minimum);
    picture->setProperty("splotMaximum", maximum);
    picture->setProperty("splotValue", value);
#if QT_CONFIG(accessibility)
    if (changed) {
        QAccessibleValueChangeEvent event(picture, value);
        QAccessible::updateAccessibility(&event);
    }
#endif
}

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace splot

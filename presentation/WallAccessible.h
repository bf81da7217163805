// The wall for screen readers: a table of N rows and N columns whose cells
// are named by their place and contents ("C3, red"), and the comment label as
// a notification that says what happens in the game.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace splot {

class WallView;

class WallAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit WallAccessible(WallView* wall);
    ~WallAccessible() override;

    WallView* wall() const;
    // The number of rows and columns now (0 before the first game); the
    // cells made for another size are dropped.
    int size() const;
    // The cell (row, column from 0) of the focus, or nullptr.
    QAccessibleInterface* cell(int row, int column) const;

    // QAccessibleInterface.
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    // QAccessibleTableInterface.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return cell(row, column); }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    int columnCount() const override { return size(); }
    QString rowDescription(int row) const override;
    int rowCount() const override { return size(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { dropCells(); }

  private:
    void dropCells() const;

    mutable QHash<int, QAccessible::Id> cells_;
    mutable int cellsSize_ = 0;
};

// Screen readers speak an object with the notification role when it shows:
// the comment label is one, named by what was said last; its text on the
// screen stays the label's own.
void announceOnLabel(QWidget* label, const QString& text);

// A picture that steps a number (the options dialog's plus/minus) is a spin
// box for screen readers, with this value; they are told when it changes.
void setAccessibleSpinValue(QWidget* picture, int value, int minimum, int maximum);

// The wall's table, the notification label and the picture spin boxes for
// Qt's accessibility.
void installAccessibleFactory();

} // namespace splot

// The wall for screen readers in the real main window: a table of N x N named
// cells, made anew when the wall's size changes; focus events that follow the
// cursor while the wall has the keyboard focus.
#include "tests/gui/WindowRig.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::testing;

class WallAccessTest : public QObject {
    Q_OBJECT
  private slots:
    void theWallIsATableOfItsSize()
    {
        writeSettings(kQuietSettings); // 8 x 8 against the computer
        WindowRig rig;
        rig.window().start_Click();
        QAccessibleInterface* wall = QAccessible::queryAccessibleInterface(&rig.wall());
        QAccessibleTableInterface* table = wall->tableInterface();
        QVERIFY(table);
        QCOMPARE(wall->role(), QAccessible::Table);
        QCOMPARE(std::pair(table->rowCount(), table->columnCount()), std::pair(8, 8));
        QCOMPARE(wall->childCount(), 64);
        QCOMPARE(wall->text(QAccessible::Name), QStringLiteral("Wall, 8 by 8"));
        QAccessibleInterface* c3 = table->cellAt(2, 2);
        QCOMPARE(c3->text(QAccessible::Name), QStringLiteral("C3, empty"));
        QCOMPARE(c3->tableCellInterface()->rowIndex(), 2);
        QCOMPARE(wall->indexOfChild(c3), 18);
        QCOMPARE(wall->child(18), c3);
        QCOMPARE(c3->parent(), wall);

        rig.program->settings().wallSize = 6;
        rig.game().restartWithoutAsking();
        QCOMPARE(std::pair(table->rowCount(), wall->childCount()), std::pair(6, 36));
        QCOMPARE(wall->text(QAccessible::Name), QStringLiteral("Wall, 6 by 6"));
        QVERIFY(table->cellAt(6, 0) == nullptr);
        QCOMPARE(table->cellAt(5, 5)->text(QAccessible::Name), QStringLiteral("F6, empty"));
        QCOMPARE(wall->child(18)->text(QAccessible::Name), QStringLiteral("A4, empty"));
    }

    // Home, Right, Down, a move with Enter (the computer's reply is told), a
    // refused one on the computer's splot, and Up.
    void theFocusFollowsTheCursor()
    {
        writeSettings(kQuietSettings); // 8 x 8 against the computer
        WindowRig rig;
        QApplication::setActiveWindow(&rig.window());
        QVERIFY(QTest::qWaitForWindowActive(&rig.window()));
        rig.window().start_Click();
        QTRY_VERIFY(rig.wall().hasFocus());
        QCoreApplication::processEvents(); // the cell told after the wall's own focus event
        QSignalSpy told(&rig.wall(), &WallView::cellTold);
        for (const Qt::Key k :
             {Qt::Key_Home, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Return, Qt::Key_Up})
            QTest::keyClick(QApplication::focusWidget(), k);
        QList<int> cells;
        for (const QList<QVariant>& signal : told)
            cells << signal.at(0).toInt();
        const GameState& s = rig.state();
        const int reply = (s.lastRow[kRed] - 1) * 8 + s.lastColumn[kRed] - 1;
        QCOMPARE(cells, QList<int>({0, 1, 9, reply, reply, reply >= 8 ? reply - 8 : reply}));
    }
};

QTEST_MAIN(WallAccessTest)
#include "test_wall_access.moc"

// The Qt question box: a question without a title shows the program's title,
// and the box stands beside the areas it must leave in sight.
#include "platform/qt/QtQuestions.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;

class TestQuestions : public QObject {
    Q_OBJECT

  private slots:
    void anUntitledQuestionIsTitledSplotcheryAndLeavesTheWallInSight()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect booth(screen.left() + 100, screen.top() + 100, 540, 350);
        const QRect wall(booth.left() + 130, booth.top() + 40, 280, 280);
        QtQuestions questions;
        questions.setKeepClear([&] { return QList<QRect>{booth, wall}; });
        QString title;
        QRect shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            shown = box->frameGeometry();
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(questions.askYesNo("What do you think about a draw?", ""));
        QCOMPARE(title, QStringLiteral("Splotchery"));
        QVERIFY(!shown.intersects(booth) && screen.contains(shown));
    }

    // Beside the booth when there is room; else beside the wall; always on screen.
    void placement()
    {
        const QRect screen(0, 0, 1280, 800);
        const QSize box(300, 120);
        const QRect booth(100, 100, 540, 350), wall(230, 140, 280, 280);
        QCOMPARE(QtQuestions::placeBeside(box, {booth, wall}, screen), QPoint(640, 214));
        const QRect wideBooth(0, 0, 1280, 700), wideWall(500, 100, 280, 280);
        QCOMPARE(QtQuestions::placeBeside(box, {wideBooth, wideWall}, screen), QPoint(780, 179));
        const QRect whole(0, 0, 1280, 800);
        const QPoint at = QtQuestions::placeBeside(box, {whole}, screen);
        QVERIFY(screen.contains(QRect(at, box)));
    }
};

QTEST_MAIN(TestQuestions)
#include "test_questions.moc"

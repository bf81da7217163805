// The about box: the program's name and version, shown modally for a while.
#include "shell/AboutBox.h"

#include "assets/Pictures.h"
#include "presentation/TextFit.h"
#include "shell/FixedDialog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace splot {

namespace {

int px(int twips)
{
    return static_cast<int>(std::lrint(static_cast<double>(twips) / 15.0));
}

} // namespace

QString AboutBox::mainWindowTitle()
{
    return QStringLiteral("Splotchery  1.24");
}

AboutBox::AboutBox(QWidget* mainWindow, int intervalMs) : QDialog(nullptr)
{
    // Owned by no window: at start-up it runs before the main window is first
    // shown, and a window that owns a dialog then has its native window made
    // early, after which it can no longer start minimized.
    setWindowTitle(QCoreApplication::translate("AboutBox", "About Splotchery"));
    setWindowFlags(kFixedDialogFlags | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(px(5340), px(4935));

    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(pal);
    setAutoFillBackground(true);

    // Two pictures: the two painters' guild marks, above and below the name.
    const qreal dpr = devicePixelRatioF();
    auto* image1 = new QLabel(this);
    image1->setPixmap(pictures::pixmap(pictures::Picture::About1, dpr));
    image1->setGeometry((width() - 64) / 2, 8, 64, 64);
    auto* image2 = new QLabel(this);
    image2->setPixmap(pictures::pixmap(pictures::Picture::About2, dpr));
    image2->setGeometry((width() - 64) / 2, height() - 64 - 16, 64, 64);

    auto* name = new QLabel(QStringLiteral("Splotchery32 v1.24"), this);
    QFont bold = font();
    bold.setPointSizeF(12);
    bold.setBold(true);
    name->setFont(bold);
    name->setAlignment(Qt::AlignCenter);
    name->setAutoFillBackground(true);
    QPalette white = name->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    name->setPalette(white);
    name->setGeometry(px(849), px(1200), px(3774), px(252));

    auto* readme =
        new QLabel(QCoreApplication::translate("AboutBox", "For more information see readme.txt!"), this);
    QFont small = font();
    small.setPointSizeF(8.25);
    readme->setFont(small);
    readme->setAlignment(Qt::AlignCenter);
    QPalette onBlue = readme->palette();
    onBlue.setColor(QPalette::WindowText, Qt::white); // reads on the dark blue
    readme->setPalette(onBlue);
    readme->setGeometry(px(728), px(2400), px(3410), px(252));
    fitTexts(this);

    // Loading: centred on the screen, the main window's title, the timer.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
    }
    if (mainWindow)
        mainWindow->setWindowTitle(mainWindowTitle());

    timer1_ = new QTimer(this);
    timer1_->setInterval(intervalMs);
    QObject::connect(timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    timer1_->start();
}

void AboutBox::Timer1_Timer()
{
    timer1_->stop();
    done(QDialog::Accepted);
}

void AboutBox::showModal(QWidget* mainWindow, int intervalMs)
{
    AboutBox box(mainWindow, intervalMs);
    box.exec();
}

} // namespace splot

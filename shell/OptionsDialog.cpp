#include "shell/OptionsDialog.h"

#include "assets/Pictures.h"
#include "presentation/Bevel.h"
#include "presentation/TextFit.h"
#include "presentation/WallAccessible.h"
#include "shell/DialogStyle.h"
#include "shell/FixedDialog.h"
#include "shell/SettingsStore.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace splot {

namespace {

constexpr int kMinSize = 6;
constexpr int kMaxSize = 15;
constexpr int kRepeatMilliseconds = 200;
constexpr int kPluminTwips = 300; // the plus/minus picture is 300 x 300 twips

// Twips to logical pixels, to the nearest (halves to even).
int px(int twips)
{
    return static_cast<int>(std::lrint(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// The number at the start of a text, as the size display holds it (" 8 x 8" gives 8).
int leadingNumber(const QString& text)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    int value = 0;
    while (i < t.size() && t[i].isDigit() && value < 100000) {
        value = value * 10 + t[i].digitValue();
        ++i;
    }
    return negative ? -value : value;
}

QLabel* makeLabel(const QString& caption, QWidget* parent, const QRect& r)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(r);
    return label;
}

} // namespace

OptionsDialog::OptionsDialog(GameSettings& settings, SaveChoices saveChoices, QWidget* parent)
    : QDialog(parent), settings_(settings), saveChoices_(std::move(saveChoices))
{
    buildControls();

    // Centred on the screen, in whole pixels.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
    }

    // Red's name box only for a human Red.
    name0_->setEnabled(spieler1_->isChecked());

    // Filling the controls from the choices writes the same choices back.
    connectReactions();
    loadChoices();
    changed_ = false;
}

OptionsDialog::OptionsDialog(GameSettings& settings, SettingsStore& store, QWidget* parent)
    : OptionsDialog(
          settings, [&store](const GameSettings& choices) { store.saveChoices(choices); }, parent)
{
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::buildControls()
{
    setWindowTitle(tr("Options"));
    setModal(true);
    setWindowFlags(kFixedDialogFlags);
    setFixedSize(px(4305), px(3330));
    keepShownWhileOwnerShown(*this);

    applyDialogStyle(*this);

    auto* label0 = makeLabel(tr("Size of the &wall:"), this, twipRect(480, 240, 1575, 255));

    zahl_ = new QLabel(sizeText(8), this);
    zahl_->setGeometry(twipRect(2040, 210, 1215, 270));
    zahl_->setAutoFillBackground(true);
    QPalette white = zahl_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    zahl_->setPalette(white);
    zahl_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    plumin_ = new QLabel(this);
    plumin_->setGeometry(twipRect(3240, 195, kPluminTwips, kPluminTwips));
    plumin_->setScaledContents(true);
    plumin_->setFocusPolicy(Qt::StrongFocus);
    plumin_->setToolTip(tr("Upper left: bigger wall; lower right: smaller wall"));
    plumin_->installEventFilter(this);
    showPluminPicture(0);
    label0->setBuddy(plumin_);
    // For screen readers a spin box (made as such before anything asks for it)
    // named like its label, the wall size its value.
    installAccessibleFactory();
    setAccessibleSpinValue(plumin_, 8, kMinSize, kMaxSize);
    plumin_->setAccessibleName(label0->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')));

    // The size display is 0.9 times the control's height; its font is never
    // taller than 0.85 times the display's height (in points).
    zahl_->resize(zahl_->width(), static_cast<int>(std::lrint(0.9 * plumin_->height())));
    {
        const double heightPoints = zahl_->height() * 72.0 / 96.0;
        QFont zf = zahl_->font();
        if (0.85 * heightPoints < zf.pointSizeF()) {
            zf.setPointSizeF(0.85 * heightPoints);
            zahl_->setFont(zf);
        }
    }

    auto* label1 = makeLabel(tr("&Level:"), this, twipRect(480, 660, 1095, 255));
    staerke_ = new QComboBox(this);
    staerke_->setGeometry(twipRect(1680, 600, 1860, 315));
    staerke_->addItems({tr("very easy"), tr("beginner"), tr("advanced"), tr("expert")});
    label1->setBuddy(staerke_);
    staerke_->view()->setAccessibleName(label1->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')));

    // Red's frame: the computer or a human with a name.
    rahmen0_ = new QWidget(this);
    rahmen0_->setGeometry(twipRect(360, 1080, 1815, 1095));
    auto* label3 = makeLabel(tr("&Red:"), rahmen0_, twipRect(120, 120, 1005, 255));
    spieler0_ = new QRadioButton(tr("&Computer"), rahmen0_);
    spieler0_->setGeometry(twipRect(120, 360, 1575, 255));
    spieler1_ = new QRadioButton(rahmen0_);
    spieler1_->setGeometry(twipRect(120, 720, 255, 255));
    spieler1_->setAccessibleName(tr("Human"));
    name0_ = new QLineEdit(rahmen0_);
    name0_->setGeometry(twipRect(390, 720, 1215, 285));
    name0_->setAccessibleName(tr("Red's name"));
    label3->setBuddy(spieler0_);
    spieler0_->setChecked(true);

    // Blue's frame: always a human.
    rahmen1_ = new QWidget(this);
    rahmen1_->setGeometry(twipRect(360, 2160, 1815, 855));
    auto* label2 = makeLabel(tr("&Blue:"), rahmen1_, twipRect(120, 120, 1005, 230));
    name1_ = new QLineEdit(rahmen1_);
    name1_->setGeometry(twipRect(390, 360, 1215, 285));
    name1_->setAccessibleName(tr("Blue's name"));
    label2->setBuddy(name1_);

    tips_ = new QCheckBox(tr("&Hints"), this);
    tips_->setGeometry(twipRect(2520, 1080, 1215, 255));
    flecken_ = new QCheckBox(tr("&Grease spots"), this);
    flecken_->setGeometry(twipRect(2520, 1440, 1695, 255));
    dVerst_ = new QCheckBox(tr("Blocked &nozzle"), this);
    dVerst_->setGeometry(twipRect(2520, 1800, 1815, 255));
    sound_ = new QCheckBox(tr("&Soundeffects"), this);
    sound_->setGeometry(twipRect(2520, 2160, 1620, 330));

    ok_ = new QPushButton(tr("&OK"), this);
    ok_->setGeometry(twipRect(2880, 2640, 1095, 495));
    ok_->setDefault(true);

    timer1_ = new QTimer(this);
    timer1_->setInterval(kRepeatMilliseconds);

    // Tab order as the controls are laid out.
    setTabOrder(plumin_, staerke_);
    setTabOrder(staerke_, spieler0_);
    setTabOrder(spieler0_, spieler1_);
    setTabOrder(spieler1_, name0_);
    setTabOrder(name0_, name1_);
    setTabOrder(name1_, tips_);
    setTabOrder(tips_, flecken_);
    setTabOrder(flecken_, dVerst_);
    setTabOrder(dVerst_, sound_);
    setTabOrder(sound_, ok_);

    // The places were made for the English texts: longer ones get a smaller font.
    fitTexts(this);
}

void OptionsDialog::connectReactions()
{
    connect(spieler0_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Spieler_Click();
    });
    connect(spieler1_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Spieler_Click();
    });
    // The names are taken over at OK; typing one only marks the change.
    connect(name0_, &QLineEdit::textChanged, this, [this] { changed_ = true; });
    connect(name1_, &QLineEdit::textChanged, this, [this] { changed_ = true; });
    connect(staerke_, &QComboBox::currentIndexChanged, this, [this] { Staerke_Click(); });
    connect(dVerst_, &QCheckBox::toggled, this, [this] { D_verst_Click(); });
    connect(flecken_, &QCheckBox::toggled, this, [this] { Flecken_Click(); });
    connect(tips_, &QCheckBox::toggled, this, [this] { tips_Click(); });
    connect(sound_, &QCheckBox::toggled, this, [this] { Sound_Toggled(); });
    connect(ok_, &QPushButton::clicked, this, &OptionsDialog::OK_Click);
    connect(timer1_, &QTimer::timeout, this, &OptionsDialog::plumin_Tick);
}

QString OptionsDialog::sizeText(int size)
{
    // Each number with its leading blank: " 8" + " x" + " 8".
    const QString n = QStringLiteral(" %1").arg(size);
    return n + QStringLiteral(" x") + n;
}

void OptionsDialog::loadChoices()
{
    // The check boxes: sound and hints are on only when exactly 1, the rules
    // for any nonzero value.
    sound_->setChecked(settings_.soundOn == 1);
    dVerst_->setChecked(settings_.blockedNozzle != 0);
    flecken_->setChecked(settings_.greaseSpots != 0);
    tips_->setChecked(settings_.hintsOn == 1);

    setSizeText(sizeText(std::clamp<int>(settings_.wallSize, kMinSize, kMaxSize)));

    if (settings_.computerPlaysRed != 0)
        spieler0_->setChecked(true);
    else
        spieler1_->setChecked(true);

    staerke_->setCurrentIndex(std::clamp<int>(settings_.level, 0, 3));

    // A long name shows its beginning, as typed from the left.
    name0_->setText(QString::fromStdString(settings_.redName));
    name1_->setText(QString::fromStdString(settings_.blueName));
    name0_->setCursorPosition(0);
    name1_->setCursorPosition(0);

    // Run every reaction once, so that the choices follow the controls even
    // where a control already held the value, and the main window learns
    // whether to offer the hint button.
    Sound_Toggled();
    D_verst_Click();
    Flecken_Click();
    Zahl_Change();
    Spieler_Click();
    Staerke_Click();
    tips_Click();
}

bool OptionsDialog::execAndReportChanged()
{
    exec();
    return changed_;
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    // Opening clears the change mark; the reactions run while the dialog is
    // filled at start-up and must not count as the user's changes.
    changed_ = false;
    showPluminPicture(0); // at the pixel ratio of the screen it opens on
    QDialog::showEvent(event);
    ok_->setFocus();
}

void OptionsDialog::hideEvent(QHideEvent* event)
{
    // A press held while the dialog goes away must not keep stepping.
    timer1_->stop();
    showPluminPicture(0);
    QDialog::hideEvent(event);
}

void OptionsDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // A raised border around both player frames together.
    // In twips: the left, top and width of Red's frame, the height of both.
    QPainter p(this);
    const QRect r0 = rahmen0_->geometry();
    drawRaisedBorder(p, QRect(r0.topLeft(), QSize(r0.width(), r0.height() + rahmen1_->height())));
}

// --- The plus/minus control ---------------------------------------------------

void OptionsDialog::showPluminPicture(int which)
{
    using pictures::Picture;
    const Picture pic = which == 1   ? Picture::PluminPlus
                        : which == 2 ? Picture::PluminMinus
                                     : Picture::PluminNeutral;
    plumin_->setPixmap(pictures::pixmap(pic, devicePixelRatioF()));
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == plumin_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // plumin_MouseDown: any button; the position in twips.
            auto* me = static_cast<QMouseEvent*>(event);
            pressX_ = static_cast<float>(me->position().x() * kTwipsPerPixel);
            pressY_ = static_cast<float>(me->position().y() * kTwipsPerPixel);
            timer1_->start();
            pluminStep();
            return true;
        }
        case QEvent::MouseButtonRelease:
            // plumin_MouseUp: the repeat ends when any button is released.
            timer1_->stop();
            showPluminPicture(0);
            return true;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // The control has no face for the keyboard focus: the size display shows it.
            zahl_->setFrameStyle(event->type() == QEvent::FocusIn ? (QFrame::Box | QFrame::Plain)
                                                                  : QFrame::NoFrame);
            break;
        case QEvent::KeyPress: {
            // From the keyboard (Alt+W gets here): one step per key press.
            auto* ke = static_cast<QKeyEvent*>(event);
            const int key = ke->key();
            if (key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Plus) {
                pressX_ = pressY_ = 0;
            } else if (key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Minus) {
                pressX_ = pressY_ = kPluminTwips;
            } else {
                break;
            }
            pluminStep();
            showPluminPicture(0);
            return true;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::plumin_Tick()
{
    pluminStep();
}

void OptionsDialog::pluminStep()
{
    const int n = leadingNumber(zahl_->text());
    int next;
    // The upper-left triangle steps up; the diagonal and the lower-right triangle step down.
    if (pressX_ + pressY_ < static_cast<float>(kPluminTwips)) {
        showPluminPicture(1);
        next = n + 1;
    } else {
        showPluminPicture(2);
        next = n - 1;
    }
    if (next >= kMinSize && next <= kMaxSize)
        setSizeText(sizeText(next));
}

void OptionsDialog::setSizeText(const QString& text)
{
    if (zahl_->text() == text)
        return; // no change, no reaction
    zahl_->setText(text);
    Zahl_Change();
}

// --- The change reactions -------------------------------------------------------

void OptionsDialog::Zahl_Change()
{
    changed_ = true;
    settings_.wallSize = static_cast<i16>(leadingNumber(zahl_->text()));
    setAccessibleSpinValue(plumin_, settings_.wallSize, kMinSize, kMaxSize);
}

void OptionsDialog::Spieler_Click()
{
    changed_ = true;
    settings_.computerPlaysRed = spieler0_->isChecked() ? kTrue : kFalse;
    name0_->setEnabled(!spieler0_->isChecked());
}

void OptionsDialog::Staerke_Click()
{
    changed_ = true;
    settings_.level = static_cast<i16>(std::max(0, staerke_->currentIndex()));
}

void OptionsDialog::D_verst_Click()
{
    changed_ = true;
    settings_.blockedNozzle = dVerst_->isChecked() ? kTrue : kFalse;
}

void OptionsDialog::Flecken_Click()
{
    changed_ = true;
    settings_.greaseSpots = flecken_->isChecked() ? kTrue : kFalse;
}

void OptionsDialog::tips_Click()
{
    changed_ = true;
    settings_.hintsOn = tips_->isChecked() ? 1 : 0;
    emit hintsToggled(settings_.hintsOn == 1);
}

void OptionsDialog::Sound_Toggled()
{
    // The sound box marks nothing: switching the sound needs no new game.
    settings_.soundOn = sound_->isChecked() ? 1 : 0;
}

// --- Closing --------------------------------------------------------------------

void OptionsDialog::OK_Click()
{
    settings_.redName = name0_->text().toStdString();
    settings_.blueName = name1_->text().toStdString();
    settings_.soundOn = sound_->isChecked() ? 1 : 0;
    settings_.hintsOn = tips_->isChecked() ? 1 : 0;
    settings_.level = static_cast<i16>(std::max(0, staerke_->currentIndex()));
    if (saveChoices_)
        saveChoices_(settings_);
    // The controls keep their contents for the next opening.
    QDialog::accept();
}

void OptionsDialog::reject()
{
    // Closing by the window frame or with Escape: the dialog has no cancel,
    // and its choices are already in force as they were made, so leaving it
    // any way stores and keeps them exactly as OK does.
    OK_Click();
}

} // namespace splot

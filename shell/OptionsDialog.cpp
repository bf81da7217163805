// The settings dialog "Options": its controls laid out in twips, the reactions
// that put each change into the choices at once, and OK, which stores them.
#include "shell/OptionsDialog.h"

#include "engine/Board.h"
#include "presentation/Bevel.h"
#include "presentation/TextFit.h"
#include "presentation/WallAccessible.h"
#include "shell/DialogStyle.h"
#include "shell/FixedDialog.h"
#include "shell/SettingsStore.h"
#include "shell/WallSizeControl.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace splot {

namespace {

// Twips to logical pixels, to the nearest (halves to even).
int px(int twips)
{
    return static_cast<int>(std::lrint(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
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

    wallSize_ = new WallSizeControl(this);
    label0->setBuddy(wallSize_->picture());
    // For screen readers a spin box named like its label, the wall size its value.
    installAccessibleFactory();
    setAccessibleSpinValue(wallSize_->picture(), 8, WallSizeControl::kMinSize, WallSizeControl::kMaxSize);
    wallSize_->picture()->setAccessibleName(label0->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')));

    auto* label1 = makeLabel(tr("&Level:"), this, twipRect(480, 660, 1095, 255));
    staerke_ = new QComboBox(this);
    staerke_->setGeometry(twipRect(1680, 600, 1860, 315));
    staerke_->addItems({tr("very easy"), tr("beginner"), tr("advanced"), tr("expert"), tr("master")});
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

    // Tab order as the controls are laid out.
    setTabOrder(wallSize_->picture(), staerke_);
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
    connect(wallSize_, &WallSizeControl::sizeChanged, this, [this] { Zahl_Change(); });
}

QString OptionsDialog::sizeText(int size)
{
    return WallSizeControl::sizeText(size);
}

QLabel* OptionsDialog::sizeDisplay() const
{
    return wallSize_->display();
}

QLabel* OptionsDialog::plusMinus() const
{
    return wallSize_->picture();
}

QTimer* OptionsDialog::repeatTimer() const
{
    return wallSize_->repeatTimer();
}

void OptionsDialog::plumin_Tick()
{
    wallSize_->plumin_Tick();
}

void OptionsDialog::loadChoices()
{
    // The check boxes: sound and hints are on only when exactly 1, the rules
    // for any nonzero value.
    sound_->setChecked(settings_.soundOn == 1);
    dVerst_->setChecked(settings_.blockedNozzle != 0);
    flecken_->setChecked(settings_.greaseSpots != 0);
    tips_->setChecked(settings_.hintsOn == 1);

    wallSize_->setSize(settings_.wallSize);

    if (settings_.computerPlaysRed != 0)
        spieler0_->setChecked(true);
    else
        spieler1_->setChecked(true);

    staerke_->setCurrentIndex(std::clamp<int>(settings_.level, 0, kMasterLevel));

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
    wallSize_->rest(); // the picture at the pixel ratio of the screen it opens on
    QDialog::showEvent(event);
    ok_->setFocus();
}

void OptionsDialog::hideEvent(QHideEvent* event)
{
    // A press held while the dialog goes away must not keep stepping.
    wallSize_->rest();
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

// --- The change reactions -------------------------------------------------------

void OptionsDialog::Zahl_Change()
{
    changed_ = true;
    settings_.wallSize = static_cast<i16>(wallSize_->size());
    setAccessibleSpinValue(wallSize_->picture(), settings_.wallSize, WallSizeControl::kMinSize,
                           WallSizeControl::kMaxSize);
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

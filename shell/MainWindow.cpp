// The main window: made with its booth, scene and record, the wiring of the
// wall's input, the start-up sequence, resize and close.
#include "shell/MainWindow.h"

#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/KeptGameKeeper.h"
#include "shell/OptionsDialog.h"
#include "shell/RecordKeeper.h"
#include "shell/SettingsStore.h"
#include "shell/Story.h"
#include "shell/WindowScene.h"

#include "flow/Game.h"
#include "flow/Spoken.h"
#include "platform/Questions.h"
#include "platform/Sound.h"
#include "platform/qt/QtAnnouncer.h"
#include "presentation/BoothView.h"
#include "presentation/PictureButton.h"
#include "presentation/WallAccessible.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace splot {

MainWindow::MainWindow(GameSettings& settings, SettingsStore& store, Sound& sound, QWidget* parent)
    : QMainWindow(parent), settings_(settings), store_(store), sound_(sound),
      records_(std::make_unique<RecordKeeper>(store.file()))
{
    setObjectName(QStringLiteral("splot"));
    setWindowTitle(QStringLiteral("Splotchery"));
    setAccessibleName(QStringLiteral("Splotchery"));

    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(green);
    setAutoFillBackground(true);

    booth_ = new BoothView(this);
    setCentralWidget(booth_);
    connect(booth_, &BoothView::pictureButtonCommand, this, &MainWindow::PicBut_Command);

    buildMenus();
    scene_ =
        std::make_unique<WindowScene>(*this, *booth_,
                                      WindowScene::MenuItems{tipAction_, storyAction_, takeBackAction_,
                                                             replayAction_, [this] { keeper_->gone(); }});
    // The narrowest the window may be, known before it is first shown (the
    // frame, once known, is taken off at the first resize).
    fitBoothToScreen();
    setMinimumWidth(minimumClientWidth());
}

MainWindow::~MainWindow()
{
    booth_->wall()->setSpoken(nullptr); // the words go before the wall
}

Scene& MainWindow::scene()
{
    return *scene_;
}

const Scene& MainWindow::scene() const
{
    return *scene_;
}

const GameRecord& MainWindow::record() const
{
    return records_->record();
}

RecordDialog* MainWindow::recordDialog() const
{
    return records_->dialog();
}

void MainWindow::attach(Game& game, WallPainter& painter)
{
    game_ = &game;
    painter_ = &painter;
    game.setResultListener([this](const GameResult& result, int change) { records_->count(result, change); });
    wireInput();
}

void MainWindow::wireInput()
{
    WallView* wall = booth_->wall();
    // The game decides whether the wall takes the input.
    connect(wall, &WallView::mousePressed, this, [this](double x, double y) {
        if (game_)
            game_->Bild_MouseDown(x, y);
    });
    connect(wall, &WallView::keyPressed, this, [this](int keyCode) {
        if (game_)
            game_->Bild_KeyDown(keyCode);
    });
    wireScreenReader();
}

// The wall for screen readers: a table of named cells, the reading keys, and
// the label under the booth as the game's announcer.
void MainWindow::wireScreenReader()
{
    WallView* wall = booth_->wall();
    QLabel* label = booth_->commentLabel();
    announcer_ =
        std::make_unique<QtAnnouncer>([label](const QString& text) { announceOnLabel(label, text); });
    spoken_ = std::make_unique<Spoken>(game_->board(), game_->state(), game_->settings(), *announcer_);
    game_->attachAnnouncer(announcer_.get());
    wall->setSpoken(spoken_.get());
    painter_->setCursorListener([wall] { wall->cursorDrawn(); });
    connect(wall, &WallView::readingKey, this, [this](int keyCode, bool jump) {
        if (!game_)
            return;
        if (jump)
            game_->jumpCursor(keyCode);
        else
            game_->readOut(keyCode);
    });
}

// ---- Start-up -------------------------------------------------------------------

void MainWindow::Form_Load()
{
    if (started_)
        return;
    started_ = true;

    // 1. The about box, for two and a half seconds; it sets the title.
    showAboutBox();

    // 2. Centred at the design size.
    centreAtDesignSize();

    // 3, 4. No wall until the first game; the painters at rest.
    scene_->setWallVisible(false);
    scene_->setCharacterFrame(0, 0);
    scene_->setCharacterFrame(1, 9);

    // 5. The booth's inner layout needs no correction for large fonts: the
    // window lays out in logical pixels, and Qt maps them to device pixels at
    // the screen's scale, so the booth is always 543 logical pixels wide.

    // 6, 7. The placement and the choices; the choices fill the hidden options
    // dialog, which shows or hides the hint button.
    WindowPlacement placement = currentPlacement();
    placement.windowState = 0;
    store_.load(screenInfo(), placement, settings_);
    loaded_ = placement;
    zoomAction_->setChecked(store_.zoomWithWindow());
    booth_->setZoomWithWindow(zoomAction_->isChecked());
    records_->load();
    keeper_->load(game_, *scene_);
    applyPlacement(placement);
    createOptionsDialog();
    booth_->setHintButtonVisible(settings_.hintsOn == 1);

    // 8. The story on the first start.
    if (settings_.showStory != 0)
        Story();

    // 9. Shown, in the stored state.
    switch (placement.windowState) {
    case 1:
        showMinimized();
        break;
    case 2:
        showMaximized();
        break;
    default:
        showNormal();
        break;
    }

    // 10. Drawn. Once the frame is known (now, or when a window that starts
    // minimized or maximized is first restored), the outer size is made what
    // was stored.
    QCoreApplication::processEvents();
    fitToFrameOnce();

    // 11. The start-up sound.
    if (settings_.soundOn == 1)
        sound_.play("splot0.wav");
}

void MainWindow::showAboutBox()
{
    AboutBox::showModal(this, aboutIntervalMs_);
}

void MainWindow::createOptionsDialog()
{
    options_ = new OptionsDialog(
        settings_, [this](const GameSettings& s) { store_.saveChoices(s); }, this);
    connect(options_, &OptionsDialog::hintsToggled, booth_, &BoothView::setHintButtonVisible);
    // Hints switched off in the middle of a game take the menu's hint and Ctrl+T along at once.
    connect(options_, &OptionsDialog::hintsToggled, tipAction_, &QAction::setEnabled);
    options_->loadChoices();
}

void MainWindow::Story()
{
    booth_->showStory(QString()); // the box at its full height again, in front
    showStory(*booth_->storyBox(), [this] { store_.markStoryShown(); });
}

QList<QRect> MainWindow::questionClearAreas() const
{
    const auto onScreen = [](const QWidget* w) {
        return w && w->isVisible() ? QRect(w->mapToGlobal(QPoint(0, 0)), w->size()) : QRect();
    };
    return {onScreen(booth_->booth()), onScreen(booth_->wall())};
}

// ---- Resize and close -------------------------------------------------------------

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
    fitToFrameSoon();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    fitToFrameSoon();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
        // A window that started minimized or maximized learns its frame when restored.
        fitToFrameSoon();
    }
}

void MainWindow::Form_Resize()
{
    if (isMinimized())
        return;
    fitBoothToScreen();
    // Never narrower than the booth and the button column: the outer width
    // is at least booth + button + 800 twips.
    const int minimumClient = minimumClientWidth();
    if (minimumWidth() != minimumClient)
        setMinimumWidth(minimumClient);
    booth_->positionieren(booth_->outerWidth());
    if (isVisible() && !closed_)
        store_.saveWindowState(windowStateCode());
}

int MainWindow::minimumClientWidth() const
{
    const int minimumOuter = (booth_->minimumOuterWidthTwips() + kTwipsPerPixel - 1) / kTwipsPerPixel;
    return std::max(1, minimumOuter - frameExtraWidth());
}

void MainWindow::savePlacementOnce()
{
    if (closed_)
        return;
    closed_ = true;
    store_.savePlacement(currentPlacement());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing never asks (the End command has asked already). The placement
    // is kept, and a move still running is abandoned at its next wait.
    if (closed_) {
        event->accept();
        return;
    }
    savePlacementOnce();
    keeper_->keepAtClose(game_);
    if (game_)
        game_->abandon();
    if (help_)
        help_->close();
    scene_->releasePointer();
    event->accept();
    if (onClosed_)
        onClosed_();
}

} // namespace splot

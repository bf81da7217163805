#include "shell/MainWindow.h"

#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/KeptGameStore.h"
#include "shell/OptionsDialog.h"
#include "shell/RecordDialog.h"
#include "shell/RecordStore.h"
#include "shell/SettingsStore.h"
#include "shell/Story.h"

#include "flow/Game.h"
#include "platform/Questions.h"
#include "platform/Sound.h"
#include "presentation/BoothView.h"
#include "presentation/PictureButton.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
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
      recordStore_(std::make_unique<RecordStore>(store.file()))
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
    // The narrowest the window may be, known before it is first shown (the
    // frame, once known, is taken off at the first resize).
    setMinimumWidth(minimumClientWidth());
}

MainWindow::~MainWindow()
{
    if (hourglass_)
        QGuiApplication::restoreOverrideCursor();
}

void MainWindow::buildMenus()
{
    auto add = [](QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if (!keys.isEmpty())
            action->setShortcut(keys);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    menuBar()->setAccessibleName(tr("Menu bar"));
    gameMenu_ = menuBar()->addMenu(tr("&Game"));
    gameMenu_->setObjectName(QStringLiteral("spiel"));
    gameMenu_->setAccessibleName(tr("Game"));
    start_ = add(gameMenu_, "start", tr("&Start"), QKeySequence(Qt::CTRL | Qt::Key_S));
    ende_ = add(gameMenu_, "ende", tr("&End"), QKeySequence(Qt::CTRL | Qt::Key_E));
    tip_ = add(gameMenu_, "tip", tr("Hin&t"), QKeySequence(Qt::CTRL | Qt::Key_T));
    // Offered only once a human has moved, and never while a move runs.
    zurueck_ = add(gameMenu_, "zurueck", tr("&Take back"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    zurueck_->setEnabled(false);
    buildKeptGameItems();
    separator(gameMenu_, "sep0");
    opt_ = add(gameMenu_, "opt", tr("&Options..."));
    zoom_ = add(gameMenu_, "zoom", tr("&Zoom with window"));
    zoom_->setCheckable(true);
    statistik_ = add(gameMenu_, "statistik", tr("&Record..."));
    separator(gameMenu_, "sep2");
    story_ = add(gameMenu_, "story_zeigen", tr("Sto&ry..."));

    helpMenu_ = menuBar()->addMenu(tr("&Help"));
    helpMenu_->setObjectName(QStringLiteral("hilf"));
    helpMenu_->setAccessibleName(tr("Help"));
    hilfe_[0] = add(helpMenu_, "hilfe0", tr("&Help"), QKeySequence(Qt::Key_F1));
    hilfe_[1] = add(helpMenu_, "hilfe1", tr("&Search"), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    hilfe_[2] = add(helpMenu_, "hilfe2", tr("Help &on Help"));
    separator(helpMenu_, "sep1");
    about_ = add(helpMenu_, "about", tr("&About.."));

    connect(start_, &QAction::triggered, this, [this] { Start_click(); });
    connect(ende_, &QAction::triggered, this, [this] { Ende_click(); });
    connect(tip_, &QAction::triggered, this, [this] { Tip_click(); });
    connect(zurueck_, &QAction::triggered, this, [this] { zurueck_Click(); });
    connect(opt_, &QAction::triggered, this, [this] { opt_Click(); });
    connect(statistik_, &QAction::triggered, this, [this] { statistik_Click(); });
    connect(story_, &QAction::triggered, this, [this] { story_zeigen_Click(); });
    // A matter of the view alone: it takes effect at once, also in the middle of a move.
    connect(zoom_, &QAction::triggered, this, [this](bool on) {
        booth_->setZoomWithWindow(on);
        store_.saveZoomWithWindow(on);
    });
    for (int i = 0; i < 3; ++i)
        connect(hilfe_[i], &QAction::triggered, this, [this, i] { hilfe_Click(i); });
    connect(about_, &QAction::triggered, this, [this] { about_Click(); });
}

void MainWindow::attach(Game& game, WallPainter& painter)
{
    game_ = &game;
    painter_ = &painter;
    game.setResultListener([this](const GameResult& result, int change) { countGame(result, change); });
    wireInput();
}

void MainWindow::wireInput()
{
    WallView* wall = booth_->wall();
    // The wall delivers its input only while it is enabled: never during a
    // move, before the first game or after a decided one.
    connect(wall, &WallView::mousePressed, this, [this](double x, double y) {
        if (game_ && wallEnabled())
            game_->Bild_MouseDown(x, y);
    });
    connect(wall, &WallView::keyPressed, this, [this](int keyCode) {
        if (game_ && wallEnabled())
            game_->Bild_KeyDown(keyCode);
    });
    // Screen readers hear where the cursor is and what the cell holds.
    painter_->setCursorListener(
        [wall](const std::string& text) { wall->setCursorDescription(QString::fromStdString(text)); });
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
    setWallVisible(false);
    setCharacterFrame(0, 0);
    setCharacterFrame(1, 9);

    // 5. The booth's inner layout needs no correction for large fonts: the
    // window lays out in logical pixels, and Qt maps them to device pixels at
    // the screen's scale, so the booth is always 543 logical pixels wide.

    // 6, 7. The placement and the choices; the choices fill the hidden options
    // dialog, which shows or hides the hint button.
    WindowPlacement placement = currentPlacement();
    placement.windowState = 0;
    store_.load(screenInfo(), placement, settings_);
    loaded_ = placement;
    zoom_->setChecked(store_.zoomWithWindow());
    booth_->setZoomWithWindow(zoom_->isChecked());
    record_ = recordStore_->load();
    loadKeptGame();
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
    keepGameAtClose();
    if (game_)
        game_->abandon();
    if (help_)
        help_->close();
    if (hourglass_) {
        QGuiApplication::restoreOverrideCursor();
        hourglass_ = false;
    }
    event->accept();
    if (onClosed_)
        onClosed_();
}

// ---- Commands ---------------------------------------------------------------------

void MainWindow::Start_click()
{
    if (game_)
        game_->Start_click();
}

void MainWindow::Ende_click()
{
    if (game_ && !closed_ && game_->Ende_click())
        close();
}

void MainWindow::Tip_click()
{
    if (game_)
        game_->Tip_click();
}

void MainWindow::zurueck_Click()
{
    // Not held for later: during a move it is dropped, like the wall's input.
    if (game_)
        game_->Zug_Zuruecknehmen();
}

void MainWindow::statistik_Click()
{
    if (!game_)
        return;
    game_->command("statistik_Click", [this] {
        if (!recordDialog_) {
            recordDialog_ = new RecordDialog(
                record_,
                [this] { return questions_ && questions_->askYesNo("Really reset the record?", "Record"); },
                [this] { recordStore_->reset(record_); }, this);
        }
        recordDialog_->exec();
    });
}

void MainWindow::countGame(const GameResult& result, int change)
{
    record_.count(result, change);
    recordStore_->save(record_, result);
}

void MainWindow::opt_Click()
{
    if (!game_ || !options_)
        return;
    game_->command("opt_Click", [this] {
        // A changed setting starts a new game; one with a splot on the wall is
        // given up only when the player says so.
        game_->beginSettingsChange();
        const bool changed = options_->execAndReportChanged();
        if (!closed_)
            game_->endSettingsChange(changed);
    });
}

void MainWindow::story_zeigen_Click()
{
    if (!game_)
        return;
    game_->command("story_zeigen_Click", [this] { Story(); });
}

void MainWindow::hilfe_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    if (!help_)
        help_ = new HelpWindow(this);
    help_->showHelp(index);
}

void MainWindow::about_Click()
{
    if (!game_)
        return;
    game_->command("about_Click", [this] { showAboutBox(); });
}

void MainWindow::PicBut_Command(int index)
{
    switch (index) {
    case 0:
        Start_click();
        break;
    case 2:
        Ende_click();
        break;
    case 4:
        if (game_ && game_->state().gameRunning)
            Tip_click();
        break;
    default:
        break;
    }
}

} // namespace splot

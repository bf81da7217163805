// The main window `splot`: the booth scene on green, the menu bar, the
// start-up and close of the program. It hands the wall's keys and clicks, the
// menu commands and the picture buttons to the game, which draws through its scene.
#pragma once

#include "engine/GameRecord.h"
#include "engine/GameSettings.h"
#include "flow/KeptGame.h"
#include "platform/Scene.h"
#include "presentation/Layout.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;

namespace splot {

class BoothView;
class Game;
class HelpWindow;
class KeptGameKeeper;
class OptionsDialog;
class QtAnnouncer;
class Questions;
class RecordDialog;
class RecordKeeper;
class SettingsStore;
struct ScreenInfo;
class Sound;
class Spoken;
class WallPainter;
class WindowScene;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // The design client area: 9390 x 6345 twips.
    static constexpr int kDesignWidthTwips = kDesignClientWidth;
    static constexpr int kDesignHeightTwips = kDesignClientHeight;

    MainWindow(GameSettings& settings, SettingsStore& store, Sound& sound, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The scene the game draws through: the booth, the label, the menu items, the pointer.
    Scene& scene();
    const Scene& scene() const;
    // The game is made with the window's scene, then attached together with
    // the wall's drawing procedures.
    void attach(Game& game, WallPainter& painter);
    // The questions the record dialog asks (its Reset).
    void setQuestions(Questions& questions) { questions_ = &questions; }

    // Form_Load: the start-up sequence, once. Ends with the window shown.
    void Form_Load();

    // How long the about box stays (tests shorten it; 0 closes it at the next event).
    void setAboutBoxInterval(int milliseconds) { aboutIntervalMs_ = milliseconds; }

    // Runs when the window has closed, after the placement was saved
    // (the program quits there).
    void setOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }

    // The menu commands, each named after its item: the item's name, then _Click.
    void start_Click();
    void ende_Click();
    void tip_Click();
    void zurueck_Click();
    void opt_Click();
    void statistik_Click();
    void story_zeigen_Click();
    void hilfe_Click(int index);
    void about_Click();

    // The picture buttons: 0 start, 2 end, 4 hint (only while a game runs).
    void PicBut_Command(int index);

    // The window's state as the settings file keeps it: 0 normal, 1 minimized, 2 maximized.
    int windowStateCode() const;
    // The outer placement in twips, with the state. A window that stands where
    // the settings file put it gives the file's own lengths back.
    WindowPlacement currentPlacement() const;
    // What a question box must leave in sight, on screen: the booth, then the wall.
    QList<QRect> questionClearAreas() const;

    BoothView* booth() const { return booth_; }
    OptionsDialog* optionsDialog() const { return options_; }
    HelpWindow* helpWindow() const { return help_; }
    QMenu* gameMenu() const { return gameMenu_; }
    QMenu* helpMenu() const { return helpMenu_; }
    QAction* startAction() const { return startAction_; }
    QAction* endAction() const { return endAction_; }
    QAction* tipAction() const { return tipAction_; }
    QAction* takeBackAction() const { return takeBackAction_; }
    QAction* recordAction() const { return recordAction_; }
    QAction* continueAction() const { return continueAction_; }
    QAction* replayAction() const { return replayAction_; }
    // The kept game: "Continue last game" and "Replay".
    void fortsetzen_Click();
    void wiederholung_Click();
    // The record of decided games, as loaded at start-up and counted since.
    const GameRecord& record() const;
    // Made at its first showing, then reused.
    RecordDialog* recordDialog() const;
    QAction* optionsAction() const { return optionsAction_; }
    QAction* zoomAction() const { return zoomAction_; }
    QAction* storyAction() const { return storyAction_; }
    QAction* helpAction(int index) const { return helpActions_[index]; }
    QAction* aboutAction() const { return aboutAction_; }
    bool closed() const { return closed_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // What the settings store needs to know of the screens, in twips.
    static ScreenInfo screenInfo();
    void buildMenus();
    void wireInput();
    void wireScreenReader(); // MainWindowSpoken.cpp
    // Start-up steps that come from the dialogs: the about box, the hidden
    // options dialog filled with the choices, the story.
    void showAboutBox();
    void createOptionsDialog();
    void Story();
    void centreAtDesignSize();
    void applyPlacement(const WindowPlacement& placement);
    // Applies the loaded placement again when the frame is first known.
    void fitToFrameOnce();
    void fitToFrameSoon();
    void Form_Resize();
    // How much of the design the window's screen holds, told to the booth.
    void fitBoothToScreen();
    int frameExtraWidth() const;
    int frameExtraHeight() const;
    int minimumClientWidth() const;
    void savePlacementOnce();

    GameSettings& settings_;
    SettingsStore& store_;
    Sound& sound_;
    Game* game_ = nullptr;
    WallPainter* painter_ = nullptr;
    std::unique_ptr<QtAnnouncer> announcer_; // what screen readers hear
    std::unique_ptr<Spoken> spoken_;

    BoothView* booth_ = nullptr;
    OptionsDialog* options_ = nullptr;
    HelpWindow* help_ = nullptr;
    Questions* questions_ = nullptr;
    std::unique_ptr<RecordKeeper> records_;
    std::unique_ptr<WindowScene> scene_;
    std::unique_ptr<KeptGameKeeper> keeper_;

    QMenu* gameMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* startAction_ = nullptr;
    QAction* endAction_ = nullptr;
    QAction* tipAction_ = nullptr;
    QAction* takeBackAction_ = nullptr;
    QAction* recordAction_ = nullptr;
    QAction* continueAction_ = nullptr;
    QAction* replayAction_ = nullptr;
    QAction* optionsAction_ = nullptr;
    QAction* zoomAction_ = nullptr; // checkable: the scene grows with the window
    QAction* storyAction_ = nullptr;
    QAction* helpActions_[3] = {};
    QAction* aboutAction_ = nullptr;

    // The placement loaded at start-up, applied again once the frame is known;
    // the outer rectangle in pixels it gave and the client size set for it.
    WindowPlacement loaded_;
    QRect loadedOuter_;
    QSize placedClientSize_;
    bool frameFitted_ = false;
    bool started_ = false;
    bool closed_ = false;
    int aboutIntervalMs_ = 2500;
    std::function<void()> onClosed_;
};

} // namespace splot

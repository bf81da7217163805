// The settings dialog "Options" (Einst): wall size, who plays Red, the names,
// the computer's level, hints, the two optional rules and the sound.
//
// It edits the live GameSettings it is given: nearly every change takes effect
// the moment it is made. OK stores all choices in the settings file and hides
// the dialog; the dialog is created once, hidden, at start-up and reused.
#pragma once

#include "engine/GameSettings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace splot {

class SettingsStore;
class WallSizeControl;

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Writes the nine keys of "Einstellungen" from the given choices.
    using SaveChoices = std::function<void(const GameSettings&)>;

    // Creation (Form_Load): builds the controls, centres the dialog on the
    // screen and fills the controls from `settings` (see loadChoices).
    // The dialog keeps a reference to `settings` for the whole run.
    OptionsDialog(GameSettings& settings, SaveChoices saveChoices, QWidget* parent = nullptr);
    // The same, saving through the settings store's "Save the choices".
    OptionsDialog(GameSettings& settings, SettingsStore& store, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // Start-up: fills every control from the held GameSettings through the
    // same reactions the user triggers (size display, check boxes, who plays
    // Red, level, names), and reports the hint setting through hintsToggled.
    // Values outside what the dialog offers are brought into range (wall
    // size 6..15, level 0..3).
    void loadChoices();

    // The Options command: shows the dialog modally and returns whether the
    // user changed a setting that needs a new game (settingsChanged()).
    bool execAndReportChanged();

    // True once the user has changed a setting since the dialog was last opened.
    bool settingsChanged() const { return changed_; }

    // One tick of the auto-repeat timer of the plus/minus control (Timer1):
    // steps again in the direction of the held press.
    void plumin_Tick();
    WallSizeControl* wallSizeControl() const { return wallSize_; }

    // The controls, for the main window's tests and the dialog's own.
    QLabel* sizeDisplay() const;                               // Zahl
    QLabel* plusMinus() const;                                 // plumin (0)
    QComboBox* levelList() const { return staerke_; }          // Staerke
    QRadioButton* computerOption() const { return spieler0_; } // Spieler (0)
    QRadioButton* humanOption() const { return spieler1_; }    // Spieler (1)
    QLineEdit* redNameBox() const { return name0_; }           // Spieler_Name (0)
    QLineEdit* blueNameBox() const { return name1_; }          // Spieler_Name (1)
    QCheckBox* hintsBox() const { return tips_; }              // tips
    QCheckBox* greaseBox() const { return flecken_; }          // Flecken
    QCheckBox* nozzleBox() const { return dVerst_; }           // D_verst
    QCheckBox* soundBox() const { return sound_; }             // Sound
    QPushButton* okButton() const { return ok_; }              // ok
    QTimer* repeatTimer() const;                               // Timer1

    // The size display's text for a wall size: 8 gives " 8 x 8".
    static QString sizeText(int size);

  signals:
    // The hints box changed: the main window shows its hint picture button
    // when `shown` is true and hides it otherwise.
    void hintsToggled(bool shown);

  public slots:
    // OK: stores the choices, takes over the names and hides the dialog.
    // Closing by the frame or with Escape ends up here as well.
    void OK_Click();

  protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildControls();
    void connectReactions();

    void Zahl_Change();
    void Spieler_Click();
    void Staerke_Click();
    void D_verst_Click();
    void Flecken_Click();
    void tips_Click();
    void Sound_Toggled();

    GameSettings& settings_;
    SaveChoices saveChoices_;
    bool changed_ = false;

    WallSizeControl* wallSize_ = nullptr;
    QComboBox* staerke_ = nullptr;
    QWidget* rahmen0_ = nullptr;
    QWidget* rahmen1_ = nullptr;
    QRadioButton* spieler0_ = nullptr;
    QRadioButton* spieler1_ = nullptr;
    QLineEdit* name0_ = nullptr;
    QLineEdit* name1_ = nullptr;
    QCheckBox* tips_ = nullptr;
    QCheckBox* flecken_ = nullptr;
    QCheckBox* dVerst_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace splot

// The program put together: the settings, the main window, the game and the
// wall's painter, made and joined in the order each needs the other.
#include "shell/MainProgram.h"

#include "shell/MainWindow.h"
#include "shell/SettingsStore.h"

#include "flow/Game.h"
#include "presentation/BoothView.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"

namespace splot {

MainProgram::MainProgram(Clock& clock, Random& random, Sound& sound, Questions& questions,
                         std::unique_ptr<SettingsStore> store)
    : store_(std::move(store))
{
    window_ = std::make_unique<MainWindow>(settings_, *store_, sound);
    game_ = std::make_unique<Game>(settings_, clock, random, sound, questions, window_->scene());
    painter_ = std::make_unique<WallPainter>(*window_->booth()->wall(), game_->board(), game_->state(),
                                             settings_, random, sound, clock);
    game_->attachWall(*painter_);
    window_->attach(*game_, *painter_);
    window_->setQuestions(questions);
}

MainProgram::~MainProgram() = default;

void MainProgram::start()
{
    window_->Form_Load();
}

} // namespace splot

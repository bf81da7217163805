// One sound channel over QSoundEffect: starting a sound stops the one still
// playing. The sounds come from the program's resources; a missing file or a
// machine without an audio output stays silent, and nothing waits for a sound.
#pragma once

#include "platform/Sound.h"

#include <QObject>

#include <map>
#include <memory>
#include <string>

class QSoundEffect;

namespace splot {

class QtSound final : public Sound {
  public:
    QtSound();
    ~QtSound() override;

    void play(const std::string& fileName) override;

    // False when there is no audio output (checked once, at construction).
    bool available() const { return available_; }

    // The resource behind a bare file name: "splot1.wav" -> ":/sounds/splot1.wav".
    static std::string resourcePath(const std::string& fileName);

  private:
    QSoundEffect* effect(const std::string& fileName);

    bool available_ = false;
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* current_ = nullptr;
};

} // namespace splot

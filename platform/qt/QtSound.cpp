// One sound channel over QSoundEffect, from the program's resources.
#include "platform/qt/QtSound.h"

#ifdef SPLOT_HAVE_ASSETS_API
#include "assets/Pictures.h"
#endif

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace splot {

QtSound::QtSound()
{
    // Without an output every QSoundEffect complains and reports "playing"
    // for ever; the game stays silent instead.
    available_ = !QMediaDevices::audioOutputs().isEmpty();
}

QtSound::~QtSound() = default;

std::string QtSound::resourcePath(const std::string& fileName)
{
#ifdef SPLOT_HAVE_ASSETS_API
    return pictures::soundResource(fileName).toStdString();
#else
    return ":/sounds/" + fileName;
#endif
}

QSoundEffect* QtSound::effect(const std::string& fileName)
{
    auto it = effects_.find(fileName);
    if (it != effects_.end())
        return it->second.get();

    std::unique_ptr<QSoundEffect> made;
    const QString path = QString::fromStdString(resourcePath(fileName));
    if (QFile::exists(path)) {
        made = std::make_unique<QSoundEffect>();
        made->setSource(QUrl(QStringLiteral("qrc") + path));
    }
    // A missing file is remembered as silent.
    QSoundEffect* raw = made.get();
    effects_.emplace(fileName, std::move(made));
    return raw;
}

void QtSound::play(const std::string& fileName)
{
    if (!available_)
        return;
    QSoundEffect* next = effect(fileName);
    // One channel: a new sound cuts the one still playing short.
    if (current_ && current_->isPlaying())
        current_->stop();
    current_ = next;
    if (next) {
        next->stop();
        next->play();
    }
}

} // namespace splot

// The screen reader's announcer in the program's language: the spoken
// phrases translated here, each text handed to whatever speaks it.
#pragma once

#include "platform/Announcer.h"

#include <QString>

#include <functional>

namespace splot {

class QtAnnouncer final : public Announcer {
  public:
    explicit QtAnnouncer(std::function<void(const QString&)> speak) : speak_(std::move(speak)) {}

    std::string phrase(const char* english) const override;
    std::string shown(const Phrase& text) const override;
    void announce(const std::string& text) override;

  private:
    std::function<void(const QString&)> speak_;
};

} // namespace splot

// The settings store: the choices and the window's placement in "splot.ini".
#include "shell/SettingsStore.h"

#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace splot {

namespace {

const std::string kChoices = "Einstellungen";
const std::string kWindow = "Window";
const std::string kView = "Ansicht";

constexpr int kDefaultWidth = 9600;
constexpr int kDefaultHeight = 6900;
// The largest window length we take from the file (32767 pixels).
constexpr int kMaxLength = 32767 * kTwipsPerPixel;
// A stored placement must leave at least this much of the window on a screen
// (a strip of 40 x 20 pixels, enough to grab the title bar), else it is centred.
constexpr long long kMinVisibleWidth = 600;
constexpr long long kMinVisibleHeight = 300;

i16 flag(int stored)
{
    return stored != 0 ? kTrue : kFalse;
}
i16 exactlyOne(int stored)
{
    return stored == 1 ? 1 : 0;
}

int lengthOrDefault(int stored, int fallback)
{
    return stored >= 1 && stored <= kMaxLength ? stored : fallback;
}

bool visibleEnough(const WindowPlacement& p, const TwipRect& screen)
{
    const long long left = std::max<long long>(p.windowLeft, screen.left);
    const long long right = std::min<long long>(static_cast<long long>(p.windowLeft) + p.windowWidth,
                                                static_cast<long long>(screen.left) + screen.width);
    const long long top = std::max<long long>(p.windowTop, screen.top);
    const long long bottom = std::min<long long>(static_cast<long long>(p.windowTop) + p.windowHeight,
                                                 static_cast<long long>(screen.top) + screen.height);
    const long long needWidth = std::min<long long>(kMinVisibleWidth, p.windowWidth);
    const long long needHeight = std::min<long long>(kMinVisibleHeight, p.windowHeight);
    return right - left >= needWidth && bottom - top >= needHeight && right > left && bottom > top;
}

} // namespace

SettingsStore::SettingsStore() : file_(std::make_unique<IniFile>(defaultFilePath())) {}

SettingsStore::SettingsStore(std::unique_ptr<ProfileFile> file) : file_(std::move(file)) {}

std::string SettingsStore::defaultFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder); // when this fails, reading gives the defaults and writes fail quietly
    return QFile::encodeName(folder + QStringLiteral("/splot.ini")).toStdString();
}

void SettingsStore::load(const ScreenInfo& screen, WindowPlacement& placement, GameSettings& settings)
{
    ProfileFile& f = *file_;

    // The window: state first, then (unless maximized) position and size.
    int state = f.getInt(kWindow, "Status", 2);
    if (state < 0 || state > 2)
        state = 2;
    placement.windowState = state;

    // Centring values, from the window's size before the stored size applies.
    int centreLeft = 0;
    int centreTop = 0;
    if (state != 2) {
        centreLeft = (screen.width - placement.windowWidth) / 2;
        centreTop = (screen.height - placement.windowHeight) / 2;
        placement.windowLeft = f.getInt(kWindow, "Left", centreLeft);
        placement.windowTop = f.getInt(kWindow, "Top", centreTop);
        placement.windowWidth = lengthOrDefault(f.getInt(kWindow, "Width", kDefaultWidth), kDefaultWidth);
        placement.windowHeight = lengthOrDefault(f.getInt(kWindow, "Height", kDefaultHeight), kDefaultHeight);
    }
    if (placement.windowLeft < 0)
        placement.windowLeft = centreLeft;
    if (placement.windowTop < 0)
        placement.windowTop = centreTop;

    // A window left off every screen (a screen removed since) comes back centred.
    if (!screen.available.empty() &&
        std::none_of(screen.available.begin(), screen.available.end(),
                     [&](const TwipRect& r) { return visibleEnough(placement, r); })) {
        const TwipRect& r = screen.available.front();
        placement.windowLeft = r.left + std::max(0, (r.width - placement.windowWidth) / 2);
        placement.windowTop = r.top + std::max(0, (r.height - placement.windowHeight) / 2);
    }

    // The choices, in the order the program has always read them.
    settings.soundOn = exactlyOne(f.getInt(kChoices, "Sound", 1));
    settings.blockedNozzle = flag(f.getInt(kChoices, "Düse_verstopft", 0));
    settings.greaseSpots = flag(f.getInt(kChoices, "Fettflecken", 0));
    settings.wallSize = static_cast<i16>(std::clamp(f.getInt(kChoices, "Feld", 8), 6, 15));
    settings.hintsOn = exactlyOne(f.getInt(kChoices, "Tips", 0));
    settings.computerPlaysRed = flag(f.getInt(kChoices, "Computer", -1));
    settings.level = static_cast<i16>(std::clamp(f.getInt(kChoices, "Spielstärke", 1), 0, 3));
    settings.redName = f.getString(kChoices, "Rot", "Tulla", kNameChars + 1);
    settings.blueName = f.getString(kChoices, "Blau", "Pelko", kNameChars + 1);
    settings.showStory = flag(f.getInt(kChoices, "Text", -1));
}

bool SettingsStore::saveChoices(const GameSettings& s)
{
    ProfileFile& f = *file_;
    bool ok = f.writeString(kChoices, "Feld", numberText(s.wallSize));
    ok = f.writeString(kChoices, "Sound", numberText(s.soundOn)) && ok;
    ok = f.writeString(kChoices, "Fettflecken", numberText(s.greaseSpots != 0 ? 1 : 0)) && ok;
    ok = f.writeString(kChoices, "Düse_verstopft", numberText(s.blockedNozzle != 0 ? 1 : 0)) && ok;
    ok = f.writeString(kChoices, "Tips", numberText(s.hintsOn)) && ok;
    ok = f.writeString(kChoices, "Spielstärke", numberText(s.level)) && ok;
    ok = f.writeString(kChoices, "Rot", nameText(s.redName)) && ok;
    ok = f.writeString(kChoices, "Blau", nameText(s.blueName)) && ok;
    ok = f.writeString(kChoices, "Computer", numberText(s.computerPlaysRed != 0 ? -1 : 0)) && ok;
    return ok;
}

bool SettingsStore::markStoryShown()
{
    return file_->writeString(kChoices, "Text", "0");
}

bool SettingsStore::saveWindowState(int windowState)
{
    return file_->writeString(kWindow, "Status", numberText(windowState));
}

bool SettingsStore::savePlacement(const WindowPlacement& p)
{
    ProfileFile& f = *file_;
    if (p.windowState != 0) // minimized or maximized: the last normal placement stays
        return f.writeString(kWindow, "Status", numberText(p.windowState));
    bool ok = f.writeString(kWindow, "Left", numberText(p.windowLeft));
    ok = f.writeString(kWindow, "Top", numberText(p.windowTop)) && ok;
    ok = f.writeString(kWindow, "Width", numberText(p.windowWidth)) && ok;
    ok = f.writeString(kWindow, "Height", numberText(p.windowHeight)) && ok;
    ok = f.writeString(kWindow, "Status", numberText(0)) && ok;
    return ok;
}

bool SettingsStore::zoomWithWindow()
{
    return file_->getInt(kView, "Zoom", 0) == 1;
}

bool SettingsStore::saveZoomWithWindow(bool on)
{
    return file_->writeString(kView, "Zoom", numberText(on ? 1 : 0));
}

std::string SettingsStore::numberText(int value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string SettingsStore::nameText(const std::string& name)
{
    std::string text = name;
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quoted =
        text.size() >= 2 && text.front() == text.back() && (text.front() == '"' || text.front() == '\'');
    if (!text.empty() && (blank(text.front()) || blank(text.back()) || quoted))
        text = '"' + text + '"';
    return text;
}

} // namespace splot

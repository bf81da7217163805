// The game's own pictures: the booth, the title, the buttons, the plus/minus
// control, the pump, the painters' frames and the icon, drawn from the resource at any scale.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <string>

namespace splot::pictures {

enum class Picture {
    Booth, // 543 x 345, the fair booth ("bude")
    Title, // 466 x 56, "Splotchery" lettering
    Side,  // 80 x 216, side picture
    StartButton,
    StartButtonPressed,
    EndButton,
    EndButtonPressed,
    HintButton,
    HintButtonPressed, // 36 x 36
    PluminNeutral,
    PluminPlus,
    PluminMinus, // 20 x 20, plus/minus control
    Pump0,
    Pump1, // 32 x 32; 1 hose to the left (Red squirts), 0 hose to the right (Blue squirts)
    About1,
    About2, // about box pictures, 64 x 64
    Icon    // the program's icon, 64 x 64 logical (scalable source)
};

// Every picture, in the order of the enum (for loops over all of them).
inline constexpr Picture allPictures[] = {Picture::Booth,
                                          Picture::Title,
                                          Picture::Side,
                                          Picture::StartButton,
                                          Picture::StartButtonPressed,
                                          Picture::EndButton,
                                          Picture::EndButtonPressed,
                                          Picture::HintButton,
                                          Picture::HintButtonPressed,
                                          Picture::PluminNeutral,
                                          Picture::PluminPlus,
                                          Picture::PluminMinus,
                                          Picture::Pump0,
                                          Picture::Pump1,
                                          Picture::About1,
                                          Picture::About2,
                                          Picture::Icon};

// The number of character frames: 9 poses for Red's painter, then the same 9 for Blue's.
inline constexpr int characterFrameCount = 18;
inline constexpr int characterPoseCount = 9;
inline constexpr QSize characterSize{32, 32};
// In the painters' SVG strips the poses stand side by side, this many units apart.
inline constexpr int characterStride = 40;

QSize logicalSize(Picture p);

// Resource path of a picture's SVG source (":/pictures/booth.svg").
QString resourcePath(Picture p);

// A short ASCII name for the picture ("booth", "pump1"), for logs and file names.
QString name(Picture p);

// Rendered from the SVG source at logicalSize * dpr, with devicePixelRatio set to dpr.
QPixmap pixmap(Picture p, qreal devicePixelRatio);
// The same at another logical size (a zoomed scene): sharp at size * dpr.
QPixmap pixmap(Picture p, QSize size, qreal devicePixelRatio);

// The painters: frames 0..8 are Red's character in poses 0..8, 9..17 Blue's in the same poses; 32 x 32.
// A frame outside 0..17 gives a null pixmap.
QPixmap characterFrame(int frame, qreal devicePixelRatio);
QPixmap characterFrame(int frame, QSize size, qreal devicePixelRatio);

QIcon appIcon();

// Resource path of a sound cue by its bare name: "splot1.wav" -> ":/sounds/splot1.wav".
QString soundResource(const std::string& fileName);

} // namespace splot::pictures

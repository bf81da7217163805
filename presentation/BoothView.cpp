// The booth scene: its pictures, painters, pump, puddles, wall, story box,
// picture buttons and label, placed by positionieren.
#include "presentation/BoothView.h"

#include "presentation/Bevel.h"
#include "presentation/PictureButton.h"
#include "presentation/Puddle.h"
#include "presentation/TextFit.h"
#include "presentation/WallView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace splot {

namespace {

// Design placements inside the booth, twips.
constexpr TwipRect kWallRect{2000, 100, 4300, 4300};
constexpr TwipRect kStoryRect{50, 50, 8055, 4575};
constexpr TwipRect kCharacterRects[2] = {{3570, 4500, 480, 480}, {4120, 4500, 480, 480}};
constexpr TwipRect kPumpRects[2] = {{3840, 4500, 480, 480}, {3855, 4500, 480, 480}};
constexpr TwipRect kPuddleRects[2] = {{3980, 4980, 15, 15}, {4120, 4980, 15, 15}};
constexpr int kButtonTops[3] = {1920, 2640, 3360};

const QColor kGreen(0, 128, 0);

// Screen readers: the pictures are graphics, the wall a drawing surface.
QAccessibleInterface* accessibleFactory(const QString& key, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (key == QLatin1String("splot::PictureWidget"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (key == QLatin1String("splot::WallView"))
        return new QAccessibleWidget(widget, QAccessible::Canvas);
    return nullptr;
}

void installAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(accessibleFactory);
        installed = true;
    }
}

int px(int twips)
{
    return twipsToPixels(twips);
}

} // namespace

BoothView::BoothView(QWidget* parent) : QWidget(parent)
{
    installAccessibility();
    setAccessibleName(tr("Booth scene"));
    setMinimumSize(1, 1);

    booth_ = new PictureWidget(pictures::Picture::Booth, this);
    booth_->setAccessibleName(tr("Booth"));
    booth_->hide(); // shown by the first arrangement

    title_ = new PictureWidget(pictures::Picture::Title, this);
    title_->setAccessibleName(QStringLiteral("Splotchery"));
    title_->hide();
    // A light picture under the booth: in a low window the booth and its wall
    // cover the title and take the clicks there.
    title_->stackUnder(booth_);
    side_ = new PictureWidget(pictures::Picture::Side, this);
    side_->setAccessibleName(tr("Side picture"));
    side_->hide();

    // Inside the booth, bottom to top: the wall, the pump, the characters,
    // the puddles and the story box over all of them.
    wall_ = new WallView(booth_);
    place(wall_, kWallRect);

    const pictures::Picture pumpPictures[2] = {pictures::Picture::Pump0, pictures::Picture::Pump1};
    for (int i = 0; i < 2; ++i) {
        pumps_[i] = new PictureWidget(pumpPictures[i], booth_);
        pumps_[i]->setAccessibleName(tr("Paint pump"));
        pumpRects_[i] = kPumpRects[i];
        place(pumps_[i], pumpRects_[i]);
    }
    pumps_[1]->hide();

    for (int i = 0; i < 2; ++i) {
        characters_[i] = new PictureWidget(i == 0 ? 0 : 9, booth_);
        characters_[i]->setAccessibleName(i == 0 ? tr("Red's painter") : tr("Blue's painter"));
        characterRects_[i] = kCharacterRects[i];
        place(characters_[i], characterRects_[i]);
    }

    for (int i = 0; i < 2; ++i) {
        const Rgb c = qbColor(i == 0 ? 12 : 9);
        puddles_[i] = new Puddle(QColor(c.r, c.g, c.b), booth_);
        puddles_[i]->setAccessibleName(i == 0 ? tr("Red's puddle") : tr("Blue's puddle"));
        setPuddle(i, kPuddleRects[i]);
    }

    story_ = new QPlainTextEdit(booth_);
    story_->setReadOnly(true);
    story_->setAccessibleName(tr("Story"));
    {
        QPalette palette = story_->palette();
        palette.setColor(QPalette::Base, QColor(0, 64, 0));
        palette.setColor(QPalette::Text, Qt::white);
        story_->setPalette(palette);
    }
    storyRect_ = kStoryRect;
    place(story_, storyRect_);
    story_->hide();
    storyPointSize_ = story_->font().pointSizeF();

    const pictures::Picture faces[3][2] = {
        {pictures::Picture::StartButton, pictures::Picture::StartButtonPressed},
        {pictures::Picture::EndButton, pictures::Picture::EndButtonPressed},
        {pictures::Picture::HintButton, pictures::Picture::HintButtonPressed}};
    const QString names[3] = {tr("New game"), tr("End"), tr("Hint")};
    for (int k = 0; k < 3; ++k) {
        buttons_[k] = new PictureButton(faces[k][0], faces[k][1], this);
        buttons_[k]->setAccessibleName(names[k]);
        buttons_[k]->setToolTip(names[k]);
        buttons_[k]->pressedFace()->setAccessibleName(tr("%1 (pressed)").arg(names[k]));
        buttons_[k]->move(0, px(kButtonTops[k]));
        connect(buttons_[k], &QAbstractButton::clicked, this,
                [this, k] { emit pictureButtonCommand(2 * k); });
    }

    comment_ = new QLabel(this);
    comment_->setAutoFillBackground(true);
    {
        QPalette palette = comment_->palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        palette.setColor(QPalette::WindowText, Qt::black);
        comment_->setPalette(palette);
        QFont font(QStringLiteral("Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(9.75);
        font.setBold(true);
        comment_->setFont(font);
    }
    comment_->setAccessibleName(tr("Comment"));
    comment_->setTextFormat(Qt::PlainText);

    resize(626, 423); // the design client area, 9390 x 6345 twips
}

QRect BoothView::pixelRect(const TwipRect& r) const
{
    // Whole design pixels first, so that at z = 2 every rectangle is exactly twice its design one.
    auto zoomed = [this](int twips) { return static_cast<int>(std::lrint(px(twips) * zoom_)); };
    return QRect(zoomed(r.left), zoomed(r.top), std::max(0, zoomed(r.width)), std::max(0, zoomed(r.height)));
}

void BoothView::place(QWidget* widget, const TwipRect& r) const
{
    widget->setGeometry(pixelRect(r));
}

void BoothView::placeScene()
{
    wall_->setZoom(zoom_);
    place(wall_, kWallRect);
    for (int i = 0; i < 2; ++i) {
        place(pumps_[i], pumpRects_[i]);
        place(characters_[i], characterRects_[i]);
        setPuddle(i, puddleRects_[i]);
    }
    place(story_, storyRect_);
    if (storyPointSize_ > 0) {
        QFont font = story_->font();
        font.setPointSizeF(storyPointSize_ * zoom_);
        story_->setFont(font);
    }
    const int side =
        static_cast<int>(std::lrint(pictures::logicalSize(pictures::Picture::StartButton).width() * zoom_));
    for (int k = 0; k < 3; ++k)
        buttons_[k]->resize(side, side);
}

void BoothView::setZoomWithWindow(bool on)
{
    if (on == zoomWithWindow_)
        return;
    zoomWithWindow_ = on;
    positionieren(outerWidth());
}

// ---- Layout -------------------------------------------------------------------

int BoothView::outerWidth() const
{
    const QWidget* top = window();
    if (top == this)
        return width();
    return std::max(top->frameGeometry().width(), width());
}

int BoothView::minimumOuterWidthTwips() const
{
    return minimumOuterWidth();
}

void BoothView::positionieren(int outerWidthPx)
{
    const int clientWidth = width() * kTwipsPerPixel;
    const int clientHeight = height() * kTwipsPerPixel;
    const double zoom = zoomWithWindow_ ? zoomFor(clientWidth, clientHeight) : 1.0;
    if (zoom != zoom_) {
        zoom_ = zoom;
        placeScene();
    }
    placement_ = positionierenZoomed(outerWidthPx * kTwipsPerPixel, clientWidth, clientHeight, zoom_);
    place(booth_, placement_.booth);
    comment_->setGeometry(px(placement_.label.left), px(placement_.label.top),
                          std::max(0, px(placement_.label.width)),
                          px(placement_.label.height)); // the label keeps its size
    fitText(comment_);
    place(title_, placement_.title);
    if (placement_.sideVisible) {
        place(side_, placement_.side);
        side_->show();
    } else {
        side_->hide();
    }
    for (int k = 0; k < 3; ++k)
        buttons_[k]->move(pixelRect({placement_.buttonsLeft, kButtonTops[k], 0, 0}).topLeft());
    update(); // clears the old frame and draws it around the label again
    if (booth_->isHidden())
        booth_->show();
    if (title_->isHidden())
        title_->show();
}

void BoothView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    positionieren(outerWidth());
}

void BoothView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kGreen);
    drawEtchedFrame(painter, comment_->geometry());
}

QWidget* BoothView::picBut(int index) const
{
    if (index < 0 || index > 5)
        return nullptr;
    PictureButton* button = buttons_[index / 2];
    return index % 2 == 0 ? static_cast<QWidget*>(button) : button->pressedFace();
}

// ---- The scene ----------------------------------------------------------------

void BoothView::setCharacterFrame(int who, int frame)
{
    characters_[who]->setCharacterFrame(frame);
}

int BoothView::characterFrame(int who) const
{
    return characters_[who]->characterFrame();
}

void BoothView::moveCharacter(int who, int dxTwips, int dyTwips)
{
    characterRects_[who].left += dxTwips;
    characterRects_[who].top += dyTwips;
    place(characters_[who], characterRects_[who]);
}

void BoothView::setPumpVisible(int which, bool visible)
{
    pumps_[which]->setVisible(visible);
}

bool BoothView::pumpVisible(int which) const
{
    return !pumps_[which]->isHidden();
}

void BoothView::setPuddle(int who, const TwipRect& rect)
{
    puddleRects_[who] = rect;
    // A puddle of no size still shows as a point, one pixel.
    QRect r = pixelRect(rect);
    r.setSize(r.size().expandedTo(QSize(1, 1)));
    puddles_[who]->setGeometry(r);
}

void BoothView::setComment(const QString& text)
{
    comment_->setText(text);
    fitText(comment_); // a long text (in a longer language) gets a smaller font
    // The label's accessible name is its text, so that screen readers hear each change.
    comment_->setAccessibleName(text.isEmpty() ? tr("Comment") : text);
#if QT_CONFIG(accessibility)
    QAccessibleEvent event(comment_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
#endif
}

QString BoothView::comment() const
{
    return comment_->text();
}

void BoothView::setWallVisible(bool visible)
{
    wall_->setVisible(visible);
}

bool BoothView::wallVisible() const
{
    return !wall_->isHidden();
}

void BoothView::setWallEnabled(bool enabled)
{
    wall_->setInputEnabled(enabled);
}

bool BoothView::wallEnabled() const
{
    return wall_->inputEnabled();
}

void BoothView::focusWall()
{
    wall_->setFocus(Qt::OtherFocusReason);
}

void BoothView::repaintWall()
{
    if (wall_->isVisible())
        wall_->repaint();
}

void BoothView::showStory(const QString& text)
{
    story_->setPlainText(text);
    // A box collapsed by an earlier game start opens at its full height again.
    storyRect_ = kStoryRect;
    place(story_, storyRect_);
    story_->show();
    story_->raise();
}

bool BoothView::storyVisible() const
{
    return !story_->isHidden();
}

void BoothView::setStoryHeight(int twips)
{
    storyRect_.height = std::max(0, twips);
    place(story_, storyRect_);
}

void BoothView::hideStory()
{
    story_->hide();
}

void BoothView::setHintButtonVisible(bool visible)
{
    buttons_[2]->setVisible(visible);
}

bool BoothView::hintButtonVisible() const
{
    return !buttons_[2]->isHidden();
}

} // namespace splot

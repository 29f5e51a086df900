#pragma once

#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>

class QIcon;
class QWidget;

namespace paginox {

class TImage;
class TImgBtn;

// Builds Dest's picture from Source by a three-slice stretch: the CapWidth columns at
// each end are copied as they are, the column at x = CapWidth is stretched between
// them; StripHeight rows are copied (rows below Dest's height are dropped).
void StretchTitleImage(TImage& dest, const QImage& source, int capWidth, int stripHeight);

// Cuts the normal, hover and pressed pictures of a button out of three cells of the
// sprite stacked downwards from (CellX, CellY).
void SliceButtonSprite(TImgBtn& button, const QImage& sprite, int cellWidth, int cellHeight,
                       int cellX, int cellY);

// The window outline: a rectangle of the given size with the corners of a 6 x 6
// ellipse cut away, the same at all four corners.
QRegion RoundedOutline(QSize size);
void ApplyRoundedOutline(QWidget& window);

// Creation draws the caption bold at 12 points in 200 pixels; a resize draws it in the
// default font in 100 pixels, on the title bitmap the resize has just made.
enum class TitleVariant { Creation, Resize };

// The icon at (10, 5) drawn 16 x 16, then the caption in white on one line,
// vertically centred and clipped to its rectangle.
void DrawTitle(QImage& canvas, const QIcon& icon, const QString& caption, TitleVariant variant);

// The caption's rectangle for each variant, for the title strip's height.
QRect TitleTextRect(TitleVariant variant, int stripHeight);

} // namespace paginox

// Draws the program's artwork into PNG files: the application icon, the toolbar
// glyphs, the strips and the skin source pictures. Run it to regenerate the committed
// files:  paginox_make_artwork <folder>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

QString gFolder;

void Save(const QImage& image, const char* name)
{
    const QString path = gFolder + QLatin1Char('/') + QLatin1String(name);
    if (!image.save(path, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QColor Mix(QColor a, QColor b, double t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// ---- title strip and caption buttons -------------------------------------------------

// The title strip's colour at a row: a glossy blue, darker towards the bottom.
QColor TitleRow(int y)
{
    if (y >= 33)
        return QColor(0, 23, 110);
    const QColor top(92, 164, 250), upper(38, 112, 232), lower(10, 74, 206), bottom(4, 48, 160);
    if (y < 12)
        return Mix(top, upper, y / 11.0);
    return Mix(lower, bottom, (y - 12) / 20.0);
}

enum class Glyph { Minimise, Maximise, Close, Restore };
enum class State { Normal, Hover, Pressed };

// The caption buttons' background at a row of their cell: the title strip from row 3;
// the last row lies over the toolbar's first.
QColor CellRow(int y)
{
    return y + 3 >= 33 ? QColor(44, 150, 168) : TitleRow(y + 3);
}

// One 25 x 31 caption button over the title strip rows 3 to 33.
void DrawCaptionButton(QPainter& p, QPoint origin, Glyph glyph, State state)
{
    for (int y = 0; y < 31; ++y)
        p.fillRect(origin.x(), origin.y() + y, 25, 1, CellRow(y));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(origin);
    const QRectF face(2.5, 4.5, 20, 20);
    QColor light, dark;
    if (glyph == Glyph::Close) {
        light = QColor(245, 140, 110);
        dark = QColor(196, 46, 20);
    } else {
        light = QColor(120, 180, 255);
        dark = QColor(20, 84, 210);
    }
    if (state == State::Hover) {
        light = light.lighter(118);
        dark = dark.lighter(125);
    } else if (state == State::Pressed) {
        light = light.darker(125);
        dark = dark.darker(135);
    }
    QLinearGradient fill(0, face.top(), 0, face.bottom());
    fill.setColorAt(0, state == State::Pressed ? dark : light);
    fill.setColorAt(1, state == State::Pressed ? light : dark);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(face, 4, 4);
    // A soft highlight on the upper half.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, state == State::Pressed ? 20 : 60));
    p.drawRoundedRect(QRectF(4, 6, 17, 8), 3, 3);

    const double shift = state == State::Pressed ? 0.5 : 0.0;
    p.translate(shift, shift);
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Minimise:
        p.drawLine(QPointF(8, 19), QPointF(17, 19));
        break;
    case Glyph::Maximise:
        p.drawRect(QRectF(8, 10, 9, 9));
        p.drawLine(QPointF(8, 11), QPointF(17, 11));
        break;
    case Glyph::Close:
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 10.5), QPointF(16.5, 18.5));
        p.drawLine(QPointF(16.5, 10.5), QPointF(8.5, 18.5));
        break;
    case Glyph::Restore:
        p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(QRectF(10.5, 8.5, 7, 7));
        p.setBrush(fill);
        p.drawRect(QRectF(7.5, 12.5, 7, 7));
        break;
    }
    p.restore();
}

QImage ImageM()
{
    QImage image(101, 93, QImage::Format_RGB32);
    QPainter p(&image);
    for (int row = 0; row < 3; ++row)
        for (int y = 0; y < 31; ++y)
            p.fillRect(0, row * 31 + y, 101, 1, CellRow(y));
    const int columns[] = {0, 25, 50, 76};
    const Glyph glyphs[] = {Glyph::Minimise, Glyph::Maximise, Glyph::Close, Glyph::Restore};
    const State states[] = {State::Normal, State::Hover, State::Pressed};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r)
            DrawCaptionButton(p, QPoint(columns[c], r * 31), glyphs[c], states[r]);
    return image;
}

QImage ImageTop()
{
    QImage image(799, 37, QImage::Format_RGB32);
    QPainter p(&image);
    for (int y = 0; y < 37; ++y)
        p.fillRect(0, y, 799, 1, TitleRow(y));
    // Outline: dark top line and outer columns, a light line just inside the top.
    p.fillRect(0, 0, 799, 1, QColor(0, 5, 45));
    p.fillRect(0, 1, 799, 1, QColor(150, 200, 255));
    const QColor sides[] = {QColor(0, 5, 45), QColor(1, 95, 235), QColor(0, 23, 110), QColor(1, 32, 91)};
    for (int i = 0; i < 4; ++i) {
        p.fillRect(i, 1, 1, 36, Mix(sides[i], TitleRow(16), i == 0 ? 0.0 : 0.55));
        p.fillRect(798 - i, 1, 1, 36, Mix(sides[i], TitleRow(16), i == 0 ? 0.0 : 0.55));
    }
    // A faint sheen over the left end, where the icon and the caption sit.
    QLinearGradient sheen(0, 0, 200, 0);
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(4, 2, 196, 12, sheen);
    const Glyph glyphs[] = {Glyph::Minimise, Glyph::Maximise, Glyph::Close};
    for (int i = 0; i < 3; ++i)
        DrawCaptionButton(p, QPoint(712 + 25 * i, 3), glyphs[i], State::Normal);
    return image;
}

// ---- strips --------------------------------------------------------------------------

QImage VerticalGradient(QSize size, const std::function<QColor(double)>& colourAt)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const QRgb rgb = colourAt(size.height() > 1 ? y / double(size.height() - 1) : 0).rgb();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = rgb;
    }
    return image;
}

QImage Toolbar()
{
    return VerticalGradient(QSize(700, 73), [](double t) {
        if (t < 0.08)
            return Mix(QColor(44, 150, 168), QColor(24, 128, 150), t / 0.08);
        return Mix(QColor(24, 128, 150), QColor(10, 40, 104), (t - 0.08) / 0.92);
    });
}

QImage StatusStrip()
{
    return VerticalGradient(QSize(700, 38), [](double t) {
        return Mix(QColor(12, 78, 96), QColor(6, 22, 70), t);
    });
}

QImage Lines(QSize size, const QColor* colours, bool vertical)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, colours[vertical ? x : y].rgb());
    return image;
}

QImage ListBackground()
{
    // Almost uniform: one pixel a shade off, so that stretching shows no pattern.
    QImage image(19, 16, QImage::Format_RGB32);
    image.fill(QColor(172, 212, 234));
    image.setPixel(18, 15, qRgb(171, 211, 233));
    return image;
}

// ---- glyphs --------------------------------------------------------------------------

QImage Canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A sheet of paper with a folded corner, in a 32-unit box.
void Paper(QPainter& p, QRectF r, QColor edge = QColor(70, 90, 120))
{
    const double fold = r.width() * 0.32;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(214, 226, 240));
    p.setPen(QPen(edge, 1.0));
    p.setBrush(g);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(QColor(180, 196, 218));
    p.drawPath(corner);
}

void TextLines(QPainter& p, QRectF r, int count, QColor colour = QColor(120, 150, 190))
{
    p.setPen(QPen(colour, 1.2));
    for (int i = 0; i < count; ++i) {
        const double y = r.top() + i * 3.5;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 3 == 2 ? 4 : 0), y));
    }
}

void Badge(QPainter& p, QPointF centre, double radius, QColor colour)
{
    QRadialGradient g(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(115));
    p.setPen(QPen(Qt::white, 1.4));
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void Plus(QPainter& p, QPointF c, double arm)
{
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c - QPointF(arm, 0), c + QPointF(arm, 0));
    p.drawLine(c - QPointF(0, arm), c + QPointF(0, arm));
}

void Minus(QPainter& p, QPointF c, double arm)
{
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c - QPointF(arm, 0), c + QPointF(arm, 0));
}

void Cross(QPainter& p, QPointF c, double arm)
{
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - QPointF(arm, arm), c + QPointF(arm, arm));
    p.drawLine(c + QPointF(arm, -arm), c - QPointF(arm, -arm));
}

void Folder(QPainter& p, QRectF r)
{
    QPainterPath back;
    back.moveTo(r.left(), r.top() + 3);
    back.lineTo(r.left() + r.width() * 0.38, r.top() + 3);
    back.lineTo(r.left() + r.width() * 0.48, r.top() + 6.5);
    back.lineTo(r.right(), r.top() + 6.5);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setPen(QPen(QColor(150, 100, 10), 1.0));
    p.setBrush(QColor(232, 170, 40));
    p.drawPath(back);
    QLinearGradient g(0, r.top() + 9, 0, r.bottom());
    g.setColorAt(0, QColor(255, 222, 110));
    g.setColorAt(1, QColor(242, 182, 50));
    QPainterPath front;
    front.moveTo(r.left(), r.bottom());
    front.lineTo(r.left() + 3, r.top() + 10);
    front.lineTo(r.right() + 1, r.top() + 10);
    front.lineTo(r.right() - 1.5, r.bottom());
    front.closeSubpath();
    p.setBrush(g);
    p.drawPath(front);
}

void Landscape(QPainter& p, QRectF r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(90, 170, 245));
    sky.setColorAt(1, QColor(190, 228, 255));
    p.setPen(QPen(QColor(40, 70, 110), 1.0));
    p.setBrush(sky);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QPointF(r.right() - r.width() * 0.28, r.top() + r.height() * 0.3),
                  r.width() * 0.11, r.width() * 0.11);
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom());
    hills.lineTo(r.left(), r.top() + r.height() * 0.7);
    hills.quadTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.35,
                 r.left() + r.width() * 0.55, r.top() + r.height() * 0.72);
    hills.quadTo(r.left() + r.width() * 0.8, r.top() + r.height() * 0.5, r.right(),
                 r.top() + r.height() * 0.68);
    hills.lineTo(r.right(), r.bottom());
    hills.closeSubpath();
    p.setBrush(QColor(60, 160, 70));
    p.drawPath(hills);
}

QImage Glyph32(const std::function<void(QPainter&)>& draw)
{
    QImage image = Canvas(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

QImage AddGlyph()
{
    return Glyph32([](QPainter& p) {
        Paper(p, QRectF(5.5, 2.5, 19, 25));
        TextLines(p, QRectF(9, 11, 11, 12), 4);
        Badge(p, QPointF(23, 23), 7, QColor(40, 170, 60));
        Plus(p, QPointF(23, 23), 3.8);
    });
}

QImage AddsGlyph()
{
    return Glyph32([](QPainter& p) {
        Folder(p, QRectF(2.5, 5.5, 24, 19));
        Badge(p, QPointF(23, 23), 7, QColor(40, 170, 60));
        Plus(p, QPointF(23, 23), 3.8);
    });
}

QImage RemoveGlyph()
{
    return Glyph32([](QPainter& p) {
        Paper(p, QRectF(5.5, 2.5, 19, 25));
        TextLines(p, QRectF(9, 11, 11, 12), 4);
        Badge(p, QPointF(23, 23), 7, QColor(215, 55, 40));
        Minus(p, QPointF(23, 23), 3.8);
    });
}

QImage RemovesGlyph()
{
    return Glyph32([](QPainter& p) {
        Paper(p, QRectF(9.5, 1.5, 17, 22));
        Paper(p, QRectF(4.5, 5.5, 17, 22));
        TextLines(p, QRectF(8, 13, 9, 10), 3);
        Badge(p, QPointF(23, 23), 7, QColor(215, 55, 40));
        Cross(p, QPointF(23, 23), 3.2);
    });
}

QImage CheckGlyph()
{
    return Glyph32([](QPainter& p) {
        for (int i = 0; i < 3; ++i) {
            const double y = 4.5 + i * 8.5;
            p.setPen(QPen(QColor(60, 80, 110), 1.0));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(3.5, y, 7, 7), 1.5, 1.5);
            p.setPen(QPen(QColor(235, 245, 255), 2.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(14, y + 3.5), QPointF(28, y + 3.5));
            p.setPen(QPen(QColor(30, 160, 50), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath tick;
            tick.moveTo(4.8, y + 3.6);
            tick.lineTo(7, y + 6);
            tick.lineTo(11.5, y - 0.5);
            p.setBrush(Qt::NoBrush);
            p.drawPath(tick);
        }
    });
}

QImage SettingGlyph()
{
    return Glyph32([](QPainter& p) {
        const QPointF c(16, 16);
        QPainterPath gear;
        const int teeth = 8;
        for (int i = 0; i < teeth * 4; ++i) {
            const double a = i * M_PI * 2 / (teeth * 4) - M_PI / (teeth * 4);
            const double r = (i % 4 == 0 || i % 4 == 1) ? 13.5 : 10.5;
            const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
            if (i == 0)
                gear.moveTo(pt);
            else
                gear.lineTo(pt);
        }
        gear.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(c, 4.5, 4.5);
        gear = gear.subtracted(hole);
        QLinearGradient g(0, 3, 0, 29);
        g.setColorAt(0, QColor(236, 240, 246));
        g.setColorAt(1, QColor(150, 162, 180));
        p.setPen(QPen(QColor(60, 70, 90), 1.0));
        p.setBrush(g);
        p.drawPath(gear);
    });
}

QImage ConvertGlyph()
{
    return Glyph32([](QPainter& p) {
        Paper(p, QRectF(2.5, 1.5, 15, 20));
        TextLines(p, QRectF(5.5, 9, 8, 9), 3);
        Landscape(p, QRectF(14.5, 14.5, 15, 13));
        // A curved arrow from the page to the picture.
        p.setPen(QPen(QColor(255, 150, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(19, 5);
        arc.quadTo(27, 5, 27, 11);
        p.drawPath(arc);
        QPainterPath head;
        head.moveTo(23.5, 10);
        head.lineTo(30.5, 10);
        head.lineTo(27, 14);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 150, 20));
        p.drawPath(head);
    });
}

QImage StopGlyph()
{
    return Glyph32([](QPainter& p) {
        QPainterPath octagon;
        for (int i = 0; i < 8; ++i) {
            const double a = M_PI / 8 + i * M_PI / 4;
            const QPointF pt(16 + std::cos(a) * 13.5, 16 + std::sin(a) * 13.5);
            if (i == 0)
                octagon.moveTo(pt);
            else
                octagon.lineTo(pt);
        }
        octagon.closeSubpath();
        QRadialGradient g(QPointF(12, 10), 20);
        g.setColorAt(0, QColor(255, 110, 90));
        g.setColorAt(1, QColor(190, 20, 10));
        p.setPen(QPen(Qt::white, 1.6));
        p.setBrush(g);
        p.drawPath(octagon);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(11, 11, 10, 10), 1.5, 1.5);
    });
}

QImage HelpGlyph()
{
    return Glyph32([](QPainter& p) {
        Badge(p, QPointF(16, 16), 13, QColor(30, 110, 220));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(19);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QImage HomeGlyph()
{
    return Glyph32([](QPainter& p) {
        QPainterPath roof;
        roof.moveTo(2.5, 16);
        roof.lineTo(16, 3.5);
        roof.lineTo(29.5, 16);
        roof.lineTo(26, 16);
        roof.lineTo(16, 7.5);
        roof.lineTo(6, 16);
        roof.closeSubpath();
        QLinearGradient walls(0, 12, 0, 29);
        walls.setColorAt(0, QColor(255, 250, 236));
        walls.setColorAt(1, QColor(226, 214, 190));
        p.setPen(QPen(QColor(90, 70, 50), 1.0));
        p.setBrush(walls);
        p.drawRect(QRectF(7.5, 14.5, 17, 14));
        p.setBrush(QColor(40, 130, 210));
        p.drawRect(QRectF(18.5, 17.5, 4, 4));
        p.setBrush(QColor(150, 90, 40));
        p.drawRect(QRectF(11.5, 19.5, 5, 9));
        p.setBrush(QColor(210, 60, 40));
        p.drawPath(roof);
    });
}

QImage Arrow()
{
    QImage image = Canvas(10);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 3);
    arrow.lineTo(9, 3);
    arrow.lineTo(5, 8);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 30, 20));
    p.drawPath(arrow);
    return image;
}

// ---- application icon ------------------------------------------------------------------

QImage ApplicationIcon(int size)
{
    QImage image = Canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const double pen = size <= 16 ? 32.0 / size : 1.0;
    // A page, and a picture of it slipping out to the right.
    Paper(p, QRectF(3, 1.5, 18, 24), QColor(30, 60, 120));
    p.setPen(QPen(QColor(40, 110, 210), 1.5 * pen));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(6.5, 11 + i * 4), QPointF(16, 11 + i * 4));
    p.setPen(QPen(Qt::white, 1.6 * pen));
    p.setBrush(Qt::NoBrush);
    QRectF photo(12, 13, 18, 16);
    p.setPen(QPen(QColor(255, 255, 255), 2.0 * pen));
    p.setBrush(Qt::white);
    p.drawRect(photo.adjusted(-1, -1, 1, 1));
    Landscape(p, photo);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    gFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(gFolder);

    Save(ImageTop(), "ImageTop.png");
    Save(ImageM(), "ImageM.png");
    Save(ListBackground(), "ImageBk.png");
    Save(Toolbar(), "Image3.png");
    Save(StatusStrip(), "Image2.png");
    const QColor left[] = {QColor(0, 5, 45), QColor(1, 95, 235), QColor(0, 23, 110), QColor(1, 32, 91)};
    const QColor right[] = {left[3], left[2], left[1], left[0]};
    Save(Lines(QSize(4, 15), left, true), "Image9.png");
    Save(Lines(QSize(4, 15), right, true), "Image10.png");
    const QColor rule[] = {QColor(93, 168, 208), QColor(38, 154, 215), QColor(74, 200, 250),
                           QColor(26, 96, 166)};
    Save(Lines(QSize(4, 4), rule, false), "Image4.png");

    Save(AddGlyph(), "add.png");
    Save(AddsGlyph(), "adds.png");
    Save(RemoveGlyph(), "remove.png");
    Save(RemovesGlyph(), "removes.png");
    Save(CheckGlyph(), "check.png");
    Save(SettingGlyph(), "setting.png");
    Save(ConvertGlyph(), "convert.png");
    Save(StopGlyph(), "stop.png");
    Save(HelpGlyph(), "help.png");
    Save(HomeGlyph(), "home.png");
    Save(Arrow(), "arrow.png");

    for (int size : {16, 32, 48, 256}) {
        const QByteArray name = "paginox-" + QByteArray::number(size) + ".png";
        Save(ApplicationIcon(size), name.constData());
    }
    return 0;
}

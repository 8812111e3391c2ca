#pragma once

#include <QImage>

// A rectangle as (left, top, right, bottom): the right column and the bottom
// row are not part of it.
struct SurfaceRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// An off-screen picture with a handful of primitives whose pixel rules are
// exact, so that what the graph draws can be checked pixel by pixel:
// - a filled rectangle covers its left column and top row, not its right
//   column and bottom row;
// - a line covers its start and every pixel up to, not including, its end;
// - a copy between overlapping areas acts as if the whole source were read
//   before anything is written.
// Colours come in as 0x00BBGGRR integers (red in the lowest byte) and are
// converted here only. Nothing is ever written outside the picture, whatever
// the coordinates, and the work never grows with how far outside they are.
class DrawingSurface
{
public:
    DrawingSurface() = default;
    DrawingSurface(int width, int height);

    // A new size leaves the content undefined; the same size keeps it.
    void setSize(int width, int height);
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage &image() const { return m_image; }

    static QRgb toRgb(int colour);

    void fillRect(int left, int top, int right, int bottom, int colour);
    void fillRect(const SurfaceRect &rect, int colour);

    void setPenColor(int colour) { m_pen = toRgb(colour); }
    void moveTo(int x, int y);
    void lineTo(int x, int y);

    // Copies `from` onto `to`; both should be the same size (a larger one is
    // cut to the smaller). Pixels whose source or target lies outside the
    // picture are left alone.
    void copyRect(const SurfaceRect &from, const SurfaceRect &to);

private:
    QImage m_image;
    QRgb m_pen = qRgb(0, 0, 0);
    int m_penX = 0;
    int m_penY = 0;
};

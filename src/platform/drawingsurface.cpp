#include "platform/drawingsurface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Line steps are computed from the unclipped end points, which may lie up to
// 2^32 apart; their products need more than 64 bits.
using Wide = __int128;

} // namespace

DrawingSurface::DrawingSurface(int width, int height)
{
    setSize(width, height);
}

void DrawingSurface::setSize(int width, int height)
{
    if (width == m_image.width() && height == m_image.height())
        return;
    if (width <= 0 || height <= 0)
        m_image = QImage();
    else
        m_image = QImage(width, height, QImage::Format_RGB32);
}

QRgb DrawingSurface::toRgb(int colour)
{
    const auto bits = static_cast<uint32_t>(colour);
    return qRgb(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

void DrawingSurface::fillRect(int left, int top, int right, int bottom, int colour)
{
    const int x0 = std::max(left, 0);
    const int y0 = std::max(top, 0);
    const int x1 = std::min(right, width());
    const int y1 = std::min(bottom, height());
    if (x0 >= x1 || y0 >= y1)
        return;
    const QRgb rgb = toRgb(colour);
    // The graph fills narrow strips the full height of the picture; taking
    // the bits once spares a detach check on every row.
    auto *bits = reinterpret_cast<QRgb *>(m_image.bits());
    const qsizetype stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (qsizetype y = y0; y < y1; ++y) {
        QRgb *row = bits + y * stride;
        std::fill(row + x0, row + x1, rgb);
    }
}

void DrawingSurface::fillRect(const SurfaceRect &rect, int colour)
{
    fillRect(rect.left, rect.top, rect.right, rect.bottom, colour);
}

void DrawingSurface::moveTo(int x, int y)
{
    m_penX = x;
    m_penY = y;
}

void DrawingSurface::lineTo(int x, int y)
{
    const int64_t startX = m_penX;
    const int64_t startY = m_penY;
    m_penX = x;
    m_penY = y;
    if (m_image.isNull())
        return;

    const int64_t dx = x - startX;
    const int64_t dy = y - startY;
    if (dy == 0) {
        // Horizontal lines (most of the grid) are one run of a row, which a
        // fill draws without any stepping.
        const int64_t from = dx > 0 ? startX : x + 1;
        const int64_t to = dx > 0 ? x : startX + 1;
        if (y >= 0 && y < height()) {
            auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            const int64_t x0 = std::max<int64_t>(from, 0);
            const int64_t x1 = std::min<int64_t>(to, width());
            if (x0 < x1)
                std::fill(row + x0, row + x1, m_pen);
        }
        return;
    }
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int64_t steps = xMajor ? std::abs(dx) : std::abs(dy); // pixels, end excluded
    if (steps == 0)
        return;
    const int64_t minorDelta = xMajor ? std::abs(dy) : std::abs(dx);
    const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int64_t majorStart = xMajor ? startX : startY;
    const int64_t minorStart = xMajor ? startY : startX;
    const int64_t majorLimit = xMajor ? width() : height();
    const int64_t minorLimit = xMajor ? height() : width();

    // Only the steps whose major coordinate falls inside the picture can
    // touch it, which also bounds the loop by the picture's size.
    int64_t first = 0;
    int64_t last = steps - 1;
    if (majorStep > 0) {
        first = std::max<int64_t>(first, -majorStart);
        last = std::min<int64_t>(last, majorLimit - 1 - majorStart);
    } else {
        first = std::max<int64_t>(first, majorStart - (majorLimit - 1));
        last = std::min<int64_t>(last, majorStart);
    }
    if (first > last)
        return;

    // The minor offset at step i is i * minorDelta / steps rounded to the
    // nearest whole pixel, a half going back towards the start. It is
    // carried as a quotient and remainder so that each step adds only.
    const int64_t denominator = 2 * steps;
    const Wide numerator = Wide(2) * first * minorDelta + steps - 1;
    auto offset = static_cast<int64_t>(numerator / denominator);
    auto remainder = static_cast<int64_t>(numerator % denominator);

    auto *bits = reinterpret_cast<QRgb *>(m_image.bits());
    const int64_t stride = m_image.bytesPerLine() / int64_t(sizeof(QRgb));
    for (int64_t i = first; i <= last; ++i) {
        const int64_t major = majorStart + majorStep * i;
        const int64_t minor = minorStart + minorStep * offset;
        if (minor >= 0 && minor < minorLimit) {
            const int64_t px = xMajor ? major : minor;
            const int64_t py = xMajor ? minor : major;
            bits[py * stride + px] = m_pen;
        }
        remainder += 2 * minorDelta;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++offset;
        }
    }
}

void DrawingSurface::copyRect(const SurfaceRect &from, const SurfaceRect &to)
{
    const int64_t w = std::min(int64_t(from.right) - from.left, int64_t(to.right) - to.left);
    const int64_t h = std::min(int64_t(from.bottom) - from.top, int64_t(to.bottom) - to.top);
    if (w <= 0 || h <= 0 || m_image.isNull())
        return;
    const int64_t shiftX = int64_t(to.left) - from.left;
    const int64_t shiftY = int64_t(to.top) - from.top;

    // The target area that lies inside the picture and whose source does too.
    const int64_t x0 = std::max({int64_t(to.left), int64_t(0), shiftX});
    const int64_t y0 = std::max({int64_t(to.top), int64_t(0), shiftY});
    const int64_t x1 = std::min({int64_t(to.left) + w, int64_t(width()), width() + shiftX});
    const int64_t y1 = std::min({int64_t(to.top) + h, int64_t(height()), height() + shiftY});
    if (x0 >= x1 || y0 >= y1)
        return;

    const auto bytes = static_cast<size_t>(x1 - x0) * sizeof(QRgb);
    auto copyRow = [&](int64_t y) {
        auto *target = reinterpret_cast<QRgb *>(m_image.scanLine(int(y)));
        const auto *source = reinterpret_cast<const QRgb *>(m_image.scanLine(int(y - shiftY)));
        // memmove keeps an overlap within one row right.
        std::memmove(target + x0, source + (x0 - shiftX), bytes);
    };
    // Moving down, copy the bottom rows first so that no source row is
    // overwritten before it is read.
    if (shiftY > 0) {
        for (int64_t y = y1 - 1; y >= y0; --y)
            copyRow(y);
    } else {
        for (int64_t y = y0; y < y1; ++y)
            copyRow(y);
    }
}

#include "chart_sprite.h"

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QPainter>

namespace {

// Each of the four 8-bit channels of pixel times alpha / 255, two channels per multiply.
inline std::uint32_t scale_channels(std::uint32_t pixel, std::uint32_t alpha) {
    std::uint32_t even = (pixel & 0x00FF00FFU) * alpha;
    even = ((even + ((even >> 8) & 0x00FF00FFU) + 0x00800080U) >> 8) & 0x00FF00FFU;
    std::uint32_t odd = ((pixel >> 8) & 0x00FF00FFU) * alpha;
    odd = (odd + ((odd >> 8) & 0x00FF00FFU) + 0x00800080U) & 0xFF00FF00U;
    return even | odd;
}

// Premultiplied source over destination.
inline std::uint32_t blend_over(std::uint32_t source, std::uint32_t destination) {
    return source + scale_channels(destination, 255U - (source >> 24));
}

} // namespace

PixelTarget::PixelTarget(QImage& image)
    : pixels(reinterpret_cast<std::uint32_t*>(image.bits())),
      stride(image.bytesPerLine() / static_cast<std::ptrdiff_t>(sizeof(std::uint32_t))),
      width(image.width()), height(image.height()) {
}

MarkerSprite::MarkerSprite(const CategoryStyle& style, MarkerEmphasis emphasis,
                           qreal device_pixel_ratio) {
    // Room for the marker, its outline and its antialiased edge, odd so that it has a centre.
    const qreal reach = (marker_radius(emphasis) * 1.3 + 1.5) * device_pixel_ratio;
    size_ = 2 * static_cast<int>(std::ceil(reach)) + 1;
    QImage image(size_, size_, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(device_pixel_ratio, device_pixel_ratio);
        const qreal middle = size_ / 2.0 / device_pixel_ratio;
        draw_marker(painter, QPointF(middle, middle), style, emphasis);
    }
    pixels_.resize(static_cast<std::size_t>(size_) * static_cast<std::size_t>(size_));
    rows_.resize(static_cast<std::size_t>(size_));
    first_row_ = size_;
    for (int y = 0; y < size_; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(line, line + size_, pixels_.begin() + static_cast<std::ptrdiff_t>(y) * size_);
        Span& span = rows_[static_cast<std::size_t>(y)];
        span.first = size_;
        for (int x = 0; x < size_; ++x) {
            if (line[x] != 0) {
                span.first = std::min(span.first, x);
                span.end = x + 1;
            }
        }
        if (span.end > 0) {
            first_row_ = std::min(first_row_, y);
            end_row_ = y + 1;
        }
    }
}

void MarkerSprite::stamp(const PixelTarget& target, QPoint centre) const {
    const int left = centre.x() - size_ / 2;
    const int top = centre.y() - size_ / 2;
    const int first_row = std::max(first_row_, -top);
    const int end_row = std::min(end_row_, target.height - top);
    for (int y = first_row; y < end_row; ++y) {
        const Span& span = rows_[static_cast<std::size_t>(y)];
        const int first = std::max(span.first, -left);
        const int end = std::min(span.end, target.width - left);
        const std::uint32_t* source = pixels_.data() + static_cast<std::ptrdiff_t>(y) * size_;
        std::uint32_t* row = target.pixels + (top + y) * target.stride;
        for (int x = first; x < end; ++x) {
            // Inside the marker it covers what lies below; only its edge blends.
            const std::uint32_t pixel = source[x];
            row[left + x] = pixel >= 0xFF000000U ? pixel : blend_over(pixel, row[left + x]);
        }
    }
}

// Colour arithmetic and per-pixel rendering shared by the picture makers.
#pragma once

#include <QImage>
#include <algorithm>

// A colour with channels in 0..255, kept as floats while it is mixed.
struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Rgb Scale(Rgb c, float f) {
    return {c.r * f, c.g * f, c.b * f};
}

inline Rgb Add(Rgb c, float v) {
    return {c.r + v, c.g + v, c.b + v};
}

inline QRgb ToPixel(Rgb c) {
    auto channel = [](float v) { return std::clamp(static_cast<int>(v + 0.5f), 0, 255); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

inline QColor ToColor(Rgb c, int alpha = 255) {
    QRgb p = ToPixel(c);
    return QColor(qRed(p), qGreen(p), qBlue(p), alpha);
}

// Fills a new 24-bit picture by calling shade(x, y) -> Rgb for every pixel.
template <class Shader>
QImage RenderPixels(int width, int height, Shader shade) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = ToPixel(shade(static_cast<float>(x), static_cast<float>(y)));
    }
    return image;
}

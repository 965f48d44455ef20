#include "Image.h"

#include <cmath>

Image::Image(int width, int height, Rgb fill, float coverage)
    : width_(width), height_(height), colours_(static_cast<size_t>(width) * height, fill),
      coverage_(static_cast<size_t>(width) * height, coverage) {}

void Image::blend(int x, int y, Rgb colour, float opacity) {
    const int i = index(x, y);
    colours_[i] = mix(colours_[i], colour, opacity);
    coverage_[i] = coverage_[i] + opacity * (1.0f - coverage_[i]);
}

Rgb Image::sample(float u, float v, bool wrap) const {
    const float fx = u * width_ - 0.5f;
    const float fy = v * height_ - 0.5f;
    const int x0 = static_cast<int>(std::floor(fx));
    const int y0 = static_cast<int>(std::floor(fy));
    const float tx = fx - x0;
    const float ty = fy - y0;
    auto texel = [&](int x, int y) {
        if (wrap) {
            x = ((x % width_) + width_) % width_;
            y = ((y % height_) + height_) % height_;
        } else {
            x = std::clamp(x, 0, width_ - 1);
            y = std::clamp(y, 0, height_ - 1);
        }
        return at(x, y);
    };
    const Rgb top = mix(texel(x0, y0), texel(x0 + 1, y0), tx);
    const Rgb bottom = mix(texel(x0, y0 + 1), texel(x0 + 1, y0 + 1), tx);
    return mix(top, bottom, ty);
}

void Image::paint(int x0, int y0, int x1, int y1, const std::function<float(float x, float y)>& distance,
                  Rgb colour, float opacity) {
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x) {
            const float cover = clamp01(0.5f - distance(x + 0.5f, y + 0.5f));
            if (cover > 0.0f) {
                blend(x, y, colour, cover * opacity);
            }
        }
    }
}

void Image::shadeAll(const std::function<Rgb(int x, int y, Rgb colour)>& shade) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            colours_[index(x, y)] = shade(x, y, colours_[index(x, y)]);
        }
    }
}

Image Image::scaledDown(int factor) const {
    Image small(width_ / factor, height_ / factor);
    const float weight = 1.0f / (factor * factor);
    for (int y = 0; y < small.height_; ++y) {
        for (int x = 0; x < small.width_; ++x) {
            Rgb sum;
            float cover = 0.0f;
            for (int sy = 0; sy < factor; ++sy) {
                for (int sx = 0; sx < factor; ++sx) {
                    sum = sum + at(x * factor + sx, y * factor + sy);
                    cover += coverageAt(x * factor + sx, y * factor + sy);
                }
            }
            small.colours_[small.index(x, y)] = sum * weight;
            small.coverage_[small.index(x, y)] = cover * weight;
        }
    }
    return small;
}

Image Image::mirroredHorizontally() const {
    Image mirrored(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            mirrored.colours_[index(x, y)] = at(width_ - 1 - x, y);
            mirrored.coverage_[index(x, y)] = coverageAt(width_ - 1 - x, y);
        }
    }
    return mirrored;
}

float boxDistance(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius) {
    const float dx = std::abs(x - cx) - (halfWidth - radius);
    const float dy = std::abs(y - cy) - (halfHeight - radius);
    const float outside = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f));
    return outside + std::min(std::max(dx, dy), 0.0f) - radius;
}

float circleDistance(float x, float y, float cx, float cy, float radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

float segmentDistance(float x, float y, float ax, float ay, float bx, float by, float halfThickness) {
    const float px = x - ax;
    const float py = y - ay;
    const float dx = bx - ax;
    const float dy = by - ay;
    const float t = clamp01((px * dx + py * dy) / (dx * dx + dy * dy));
    return std::hypot(px - dx * t, py - dy * t) - halfThickness;
}

#pragma once

#include "Rgb.h"

#include <functional>
#include <vector>

// A picture being painted: colour plus coverage per pixel, top row first. Coverage decides
// which pixels stay transparent when the picture is saved for the colour-keyed loader.
class Image {
public:
    Image(int width, int height, Rgb fill = {}, float coverage = 1.0f);

    int width() const { return width_; }
    int height() const { return height_; }

    Rgb at(int x, int y) const { return colours_[index(x, y)]; }
    float coverageAt(int x, int y) const { return coverage_[index(x, y)]; }
    void set(int x, int y, Rgb colour) { colours_[index(x, y)] = colour; }

    // Lays colour over the pixel with the given opacity and widens its coverage.
    void blend(int x, int y, Rgb colour, float opacity);

    // The colour at texture coordinates (u right, v down), bilinear, wrapping or clamped.
    Rgb sample(float u, float v, bool wrap) const;

    // Paints colour over a shape given by its signed distance (negative inside, in pixels, at
    // pixel centres), anti-aliased over one pixel; only pixels in [x0, x1) x [y0, y1) are visited.
    void paint(int x0, int y0, int x1, int y1, const std::function<float(float x, float y)>& distance,
               Rgb colour, float opacity = 1.0f);

    // Calls shade(x, y, colour) for every pixel and stores what it returns.
    void shadeAll(const std::function<Rgb(int x, int y, Rgb colour)>& shade);

    Image scaledDown(int factor) const;
    Image mirroredHorizontally() const;

private:
    int index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> colours_;
    std::vector<float> coverage_;
};

float boxDistance(float x, float y, float cx, float cy, float halfWidth, float halfHeight,
                  float radius = 0.0f);
float circleDistance(float x, float y, float cx, float cy, float radius);
float segmentDistance(float x, float y, float ax, float ay, float bx, float by, float halfThickness);

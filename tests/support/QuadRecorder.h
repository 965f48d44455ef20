#pragma once

#include <functional>
#include <ostream>
#include <vector>

// The window-pixel rectangle of one quad that reached the rasteriser.
struct RecordedQuad {
    float left = 0.0f;
    float bottom = 0.0f;
    float right = 0.0f;
    float top = 0.0f;

    bool operator==(const RecordedQuad&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RecordedQuad& quad);

// Runs draw in OpenGL's feedback mode (nothing is drawn) and returns the quads it drew, in order,
// as the rectangles their corners span, in whole pixels. Only for axis-aligned quads inside the
// window.
std::vector<RecordedQuad> recordQuads(const std::function<void()>& draw);

#pragma once

#include "ModelData.h"

// Draws baked models into pictures without OpenGL: the unit thumbnails, and previews for people
// who change the models. Textured, lit from one direction, with a depth buffer.
struct View {
    Vec3 eye;
    Vec3 target;
    float fieldOfViewDegrees = 30.0f;
};

class SoftwareRenderer {
public:
    SoftwareRenderer(int width, int height, Rgb background);

    // Draws the model in its rest pose (keyframe < 0) or in a keyframe of its first animation;
    // the colour separator is tinted with `teamColour`.
    void draw(const BakedModel& model, const View& view, Rgb teamColour, int keyframe = -1);

    const Image& picture() const { return picture_; }
    // Whether anything was drawn at that pixel.
    bool covered(int x, int y) const;

private:
    Image picture_;
    std::vector<float> depth_;
};

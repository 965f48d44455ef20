// orvalen-tool render-model FILE.ktqm OUT.png [--frame MS]: one model drawn off screen by the
// game's own drawing code, in player 1's team colour, for judging models without the game.
#include "Image.h"
#include "ImageFile.h"
#include "client/models/ModelDrawing.h"
#include "client/models/ModelLoader.h"
#include "client/models/ModelRegistry.h"
#include "client/render/RenderContext.h"
#include "core/Clock.h"
#include "platform/Platform.h"
#include "sim/objects/IWorldObject.h"
#include "tool/Commands.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr int UsageError = 2;
constexpr int Failed = 1;
constexpr int PictureSize = 512;
constexpr int32_t HumanPlayer = 1;
constexpr double FieldOfView = 30.0;

struct RenderOptions {
    fs::path model;
    fs::path picture;
    std::optional<uint32_t> frameTime; // ms into the model's first animation
};

std::optional<RenderOptions> parseOptions(const std::vector<std::string>& arguments) {
    RenderOptions options;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "--frame") {
            files.push_back(arguments[i]);
            continue;
        }
        if (++i == arguments.size())
            return std::nullopt;
        try {
            std::size_t used = 0;
            const unsigned long time = std::stoul(arguments[i], &used);
            if (used != arguments[i].size() || time > UINT32_MAX)
                return std::nullopt;
            options.frameTime = static_cast<uint32_t>(time);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    if (files.size() != 2)
        return std::nullopt;
    options.model = files[0];
    options.picture = files[1];
    return options;
}

// A model the game loads from its data folder keeps its textures where the game finds them;
// any other model is taken to keep them beside it.
std::string texturePrefix(const fs::path& model) {
    const fs::path folder = model.parent_path();
    const auto prefix = ModelRegistry::texturePrefixFor(model.filename().string());
    if (prefix && folder.filename() == "models" && folder.parent_path().filename() == "data") {
        const fs::path gameFolder = folder.parent_path().parent_path();
        return gameFolder.empty() ? *prefix : gameFolder.string() + "/" + *prefix;
    }
    return folder.empty() ? "" : folder.string() + "/";
}

// Draws into its own colour and depth buffers, so the window is never shown or read.
class OffscreenTarget {
public:
    OffscreenTarget() {
        glGenFramebuffers(1, &framebuffer);
        glGenRenderbuffers(2, renderbuffers);
        glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[0]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, PictureSize, PictureSize);
        glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers[1]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, PictureSize, PictureSize);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers[0]);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderbuffers[1]);
        glViewport(0, 0, PictureSize, PictureSize);
    }
    ~OffscreenTarget() {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(2, renderbuffers);
        glDeleteFramebuffers(1, &framebuffer);
    }
    OffscreenTarget(const OffscreenTarget&) = delete;
    OffscreenTarget& operator=(const OffscreenTarget&) = delete;

    bool complete() const { return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE; }

    Image read() const {
        std::vector<uint8_t> pixels(PictureSize * PictureSize * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, PictureSize, PictureSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        Image image(PictureSize, PictureSize);
        for (int y = 0; y < PictureSize; ++y)
            for (int x = 0; x < PictureSize; ++x) {
                // The read-back starts at the bottom row; the picture at the top one.
                const uint8_t* p = &pixels[((PictureSize - 1 - y) * PictureSize + x) * 3];
                image.set(x, y, rgb(p[0], p[1], p[2]));
            }
        return image;
    }

private:
    GLuint framebuffer = 0;
    GLuint renderbuffers[2] = {0, 0};
};

// Looks at the whole bounding box from the front right and a little above, as a player sees it.
void frameModel(const BoundingBox& box) {
    const double cx = (box.minX + box.maxX) / 2.0, cy = (box.minY + box.maxY) / 2.0,
                 cz = (box.minZ + box.maxZ) / 2.0;
    const double radius =
        std::max(0.5 * std::sqrt(std::pow(box.maxX - box.minX, 2) + std::pow(box.maxY - box.minY, 2) +
                                 std::pow(box.maxZ - box.minZ, 2)),
                 0.01);
    const double distance = 1.1 * radius / std::sin(FieldOfView / 2.0 * 3.14159265358979 / 180.0);
    const double dx = 0.55, dy = 0.45, dz = 0.70; // unit length
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FieldOfView, 1.0, distance / 100.0, distance * 3.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(cx + dx * distance, cy + dy * distance, cz + dz * distance, cx, cy, cz, 0.0, 1.0, 0.0);
}

int drawPicture(const RenderOptions& options) {
    Model model;
    const ModelGpu gpu = loadModel(model, options.model.string(), texturePrefix(options.model));
    if (model.meshes.empty())
        return Failed; // the loader has said why
    ModelInstance instance;
    instance.model = &model;
    instance.gpu = &gpu;
    instance.colour = teamColour(HumanPlayer);
    if (options.frameTime) {
        if (model.animations.empty()) {
            std::cerr << options.model.string() << " has no animation\n";
            return Failed;
        }
        // The animation starts at tick 0 and is drawn at the frame time.
        setTickSource([] { return 0u; });
        playAnimation(instance, model.animations[0].name);
        setTickSource([time = *options.frameTime] { return time; });
    }

    OffscreenTarget target;
    if (!target.complete()) {
        std::cerr << "no off-screen framebuffer\n";
        return Failed;
    }
    glClearColor(72 / 255.0f, 88 / 255.0f, 72 / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    frameModel(model.boundingBox);
    drawInstance(instance, 0.0, 0.0, 0.0);
    try {
        saveImage(target.read(), options.picture);
    } catch (const std::exception& e) {
        std::cerr << "cannot write " << options.picture.string() << ": " << e.what() << "\n";
        return Failed;
    }
    return 0;
}

} // namespace

int runRenderModel(const std::vector<std::string>& arguments) {
    const auto options = parseOptions(arguments);
    if (!options) {
        std::cerr << "usage: orvalen-tool render-model FILE.ktqm OUT.png [--frame MS]\n";
        return UsageError;
    }
    platform::setMessageBoxHandler([](const std::string& text, const std::string&, platform::MessageBoxIcon) {
        std::cerr << text << "\n";
    });
    std::string error;
    if (!platform::createHiddenWindow("orvalen-tool render-model", error) ||
        !platform::createGlContext(error)) {
        std::cerr << "cannot draw: " << error << "\n";
        platform::destroyWindow();
        return Failed;
    }
    glewExperimental = GL_TRUE;
    glewInit();
    setInitialGlState();
    const int result = drawPicture(*options);
    platform::destroyWindow();
    return result;
}

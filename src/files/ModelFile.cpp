#include "files/ModelFile.h"

#include "core/ByteReader.h"
#include "core/FilePath.h"
#include "files/MeshNormals.h"

#include <algorithm>

namespace {

const std::string Magic = "KTQMV1.30";
const std::string ColourSeparatorName = "color_separator";
constexpr std::size_t LineCharacters = 254;
constexpr std::size_t FaceBytes = 60;
constexpr std::size_t MeshMinimumBytes = 1 + 1 + 1 + 4;
constexpr std::size_t MaterialMinimumBytes = 1 + 18;
constexpr std::size_t AnimationMinimumBytes = 1 + 4;

// A model text line: the bytes before the next line feed, which is consumed but not kept. A
// line longer than 254 characters is cut there and its rest read as the next line. A carriage
// return stays part of the value.
std::string readModelLine(ByteReader& in) {
    const auto rest = in.rest();
    const auto window = rest.first(std::min(rest.size(), LineCharacters + 1));
    const auto lineFeed = std::find(window.begin(), window.end(), '\n');
    if (lineFeed != window.end()) {
        std::string line = in.readText(lineFeed - window.begin());
        in.readByte();
        return line;
    }
    if (window.size() <= LineCharacters)
        throw FormatError("the file ends inside a text line at byte " + std::to_string(in.offset()));
    return in.readText(LineCharacters);
}

// Bit i is bit (i mod 8) of byte (i div 8), least significant first.
std::vector<bool> readBits(ByteReader& in, std::size_t count) {
    const auto bytes = in.readBytes((count + 7) / 8);
    std::vector<bool> bits(count);
    for (std::size_t i = 0; i < count; ++i)
        bits[i] = (bytes[i / 8] >> (i % 8)) & 1;
    return bits;
}

Vec3 readVec3(ByteReader& in) {
    Vec3 v;
    v.x = in.readFloat();
    v.y = in.readFloat();
    v.z = in.readFloat();
    return v;
}

// An index that names nothing in a list of `count` counts as none.
int8_t checkedIndex(int8_t index, int32_t count) {
    return index >= 0 && index < count ? index : -1;
}

void widen(BoundingBox& box, const Vec3& p) {
    box.minX = std::min(box.minX, p.x);
    box.maxY = std::max(box.maxY, p.y);
    box.minZ = std::min(box.minZ, p.z);
    box.maxX = std::max(box.maxX, p.x);
    box.minY = std::min(box.minY, p.y);
    box.maxZ = std::max(box.maxZ, p.z);
}

class ModelReader {
public:
    ModelReader(std::span<const uint8_t> bytes, const std::string& texturePrefix)
        : in_(bytes), texturePrefix_(texturePrefix) {}

    Model read() {
        if (readModelLine(in_) != Magic)
            throw FormatError("the first line is not " + Magic);
        meshCount_ = in_.readCount(MeshMinimumBytes, MaxModelRecords, "mesh count");
        textureCount_ = in_.readCount(1, MaxModelRecords, "texture count");
        materialCount_ = in_.readCount(MaterialMinimumBytes, MaxModelRecords, "material count");
        const int32_t animationCount =
            in_.readCount(AnimationMinimumBytes, MaxModelRecords, "animation count");
        for (int32_t i = 0; i < meshCount_; ++i)
            readMesh(i);
        for (int32_t i = 0; i < textureCount_; ++i)
            model_.textureNames.push_back(texturePrefix_ + readModelLine(in_));
        for (int32_t i = 0; i < materialCount_; ++i)
            readMaterial();
        for (int32_t i = 0; i < animationCount; ++i)
            readAnimation();
        return std::move(model_);
    }

private:
    void storeFaces(int32_t faceCount) {
        storedFaces_ += faceCount;
        if (storedFaces_ > MaxModelFaces)
            throw FormatError("the model holds more than " + std::to_string(MaxModelFaces) + " faces");
    }

    void readMesh(int32_t index) {
        ModelMesh mesh;
        mesh.name = readModelLine(in_);
        if (mesh.name == ColourSeparatorName)
            model_.colourSeparator = index;
        mesh.materialIndex = checkedIndex(in_.readInt8(), materialCount_);
        mesh.flat = in_.readByte();
        mesh.faceCount = in_.readCount(FaceBytes, MaxModelFaces, "face count");
        storeFaces(mesh.faceCount);
        auto shape = std::make_shared<MeshShape>();
        for (int32_t face = 0; face < mesh.faceCount; ++face) {
            for (int corner = 0; corner < 3; ++corner) {
                shape->positions.push_back(readVec3(in_));
                widen(model_.boundingBox, shape->positions.back());
            }
            for (int corner = 0; corner < 3; ++corner) {
                Vec2 t;
                t.u = in_.readFloat();
                t.v = in_.readFloat();
                mesh.texCoords.push_back(t);
            }
        }
        computeNormals(*shape, mesh.flat != 0);
        mesh.shape = std::move(shape);
        model_.meshes.push_back(std::move(mesh));
    }

    void readMaterial() {
        readModelLine(in_); // the name is not kept
        ModelMaterial material;
        material.textureIndex = checkedIndex(in_.readInt8(), textureCount_);
        for (auto& colour : material.colours)
            for (float& channel : colour)
                channel = static_cast<float>(in_.readByte() / 255.0);
        material.value = in_.readByte();
        model_.materials.push_back(material);
    }

    void readAnimation() {
        ModelAnimation animation;
        animation.name = readModelLine(in_);
        const std::size_t frameMinimumBytes = 4 + (meshCount_ + 7) / 8 + meshCount_;
        animation.frameCount = in_.readCount(frameMinimumBytes, MaxAnimationFrames, "frame count");
        for (int32_t k = 0; k < animation.frameCount; ++k)
            animation.frames.push_back(readFrame(animation));
        model_.animations.push_back(std::move(animation));
    }

    ModelFrame readFrame(ModelAnimation& animation) {
        ModelFrame frame;
        frame.duration = in_.readUint32();
        const std::vector<bool> changedMeshes = readBits(in_, meshCount_);
        for (int32_t m = 0; m < meshCount_; ++m) {
            const ModelMesh& base = model_.meshes[m];
            const auto& previous =
                animation.frames.empty() ? base.shape : animation.frames.back().meshes[m].shape;
            ModelFrameMesh mesh;
            mesh.materialIndex = checkedIndex(in_.readInt8(), materialCount_);
            mesh.flat = base.flat;
            mesh.faceCount = base.faceCount;
            mesh.changed = changedMeshes[m];
            if (mesh.changed) {
                if (std::find(animation.animatedMeshes.begin(), animation.animatedMeshes.end(), m) ==
                    animation.animatedMeshes.end())
                    animation.animatedMeshes.push_back(m);
                readChangedShape(mesh, *previous);
            } else {
                mesh.shape = previous;
            }
            frame.meshes.push_back(std::move(mesh));
        }
        return frame;
    }

    void readChangedShape(ModelFrameMesh& mesh, const MeshShape& previous) {
        mesh.changedFaces = readBits(in_, mesh.faceCount);
        storeFaces(mesh.faceCount);
        auto shape = std::make_shared<MeshShape>();
        shape->positions = previous.positions;
        for (int32_t face = 0; face < mesh.faceCount; ++face)
            if (mesh.changedFaces[face])
                for (int corner = 0; corner < 3; ++corner)
                    shape->positions[3 * face + corner] = readVec3(in_);
        computeNormals(*shape, mesh.flat != 0);
        mesh.shape = std::move(shape);
    }

    ByteReader in_;
    const std::string& texturePrefix_;
    Model model_;
    int32_t meshCount_ = 0;
    int32_t textureCount_ = 0;
    int32_t materialCount_ = 0;
    int64_t storedFaces_ = 0;
};

} // namespace

ParseResult<Model> parseModelFile(std::span<const uint8_t> bytes, const std::string& texturePrefix) {
    try {
        return {ModelReader(bytes, texturePrefix).read(), {}};
    } catch (const FormatError& error) {
        return {std::nullopt, error.what()};
    }
}

ParseResult<Model> readModelFile(const std::string& path, const std::string& texturePrefix) {
    const auto bytes = readFileBytes(path);
    if (!bytes)
        return {std::nullopt, "cannot open " + normalisePath(path)};
    return parseModelFile(*bytes, texturePrefix);
}

std::string modelUnavailableMessage(const std::string& path) {
    return "Model " + path + " wasn't found or is corrupted!";
}

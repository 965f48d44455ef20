#include "formats/ModelWriter.h"

#include "formats/ByteWriter.h"

#include <stdexcept>

namespace {

constexpr std::size_t ModelLineLength = 254;

void writeVec3(ByteWriter& out, const Vec3& v) {
    out.float32(v.x);
    out.float32(v.y);
    out.float32(v.z);
}

void writeMesh(ByteWriter& out, const ModelFileMesh& mesh) {
    if (mesh.positions.size() % 3 != 0 || mesh.texCoords.size() != mesh.positions.size())
        throw std::invalid_argument("mesh " + mesh.name +
                                    " needs three positions and texture coordinates per face");
    out.line(mesh.name, ModelLineLength);
    out.int8(mesh.materialIndex);
    out.byte(mesh.flat);
    out.int32(static_cast<int32_t>(mesh.positions.size() / 3));
    for (std::size_t face = 0; face < mesh.positions.size(); face += 3) {
        for (std::size_t corner = 0; corner < 3; ++corner)
            writeVec3(out, mesh.positions[face + corner]);
        for (std::size_t corner = 0; corner < 3; ++corner) {
            out.float32(mesh.texCoords[face + corner].u);
            out.float32(mesh.texCoords[face + corner].v);
        }
    }
}

void writeMaterial(ByteWriter& out, const ModelFileMaterial& material) {
    out.line(material.name, ModelLineLength);
    out.int8(material.textureIndex);
    for (const auto& colour : material.colours)
        for (const uint8_t channel : colour)
            out.byte(channel);
    out.byte(material.value);
}

// The faces of `next` whose corners differ from `previous`.
std::vector<bool> changedFaces(const std::vector<Vec3>& previous, const std::vector<Vec3>& next) {
    std::vector<bool> changed(previous.size() / 3);
    for (std::size_t corner = 0; corner < previous.size(); ++corner)
        if (!(previous[corner] == next[corner]))
            changed[corner / 3] = true;
    return changed;
}

// `poses` holds each mesh's positions in the previous frame and moves on to this frame's.
void writeFrame(ByteWriter& out, const ModelFileFrame& frame, std::vector<std::vector<Vec3>>& poses) {
    if (frame.meshes.size() != poses.size())
        throw std::invalid_argument("a frame needs one entry per mesh");
    out.uint32(frame.duration);
    std::vector<bool> changedMeshes;
    for (const ModelFileFrameMesh& mesh : frame.meshes)
        changedMeshes.push_back(mesh.positions.has_value());
    out.bits(changedMeshes);
    for (std::size_t m = 0; m < frame.meshes.size(); ++m) {
        const ModelFileFrameMesh& mesh = frame.meshes[m];
        out.int8(mesh.materialIndex);
        if (!mesh.positions)
            continue;
        if (mesh.positions->size() != poses[m].size())
            throw std::invalid_argument("a frame mesh needs as many positions as its mesh");
        const std::vector<bool> changed = changedFaces(poses[m], *mesh.positions);
        out.bits(changed);
        for (std::size_t face = 0; face < changed.size(); ++face)
            if (changed[face])
                for (std::size_t corner = 0; corner < 3; ++corner)
                    writeVec3(out, (*mesh.positions)[3 * face + corner]);
        poses[m] = *mesh.positions;
    }
}

void writeAnimation(ByteWriter& out, const ModelFileAnimation& animation, const ModelFileContents& contents) {
    out.line(animation.name, ModelLineLength);
    out.int32(static_cast<int32_t>(animation.frames.size()));
    std::vector<std::vector<Vec3>> poses;
    for (const ModelFileMesh& mesh : contents.meshes)
        poses.push_back(mesh.positions);
    for (const ModelFileFrame& frame : animation.frames)
        writeFrame(out, frame, poses);
}

} // namespace

std::vector<uint8_t> writeModelFile(const ModelFileContents& contents) {
    ByteWriter out;
    out.line("KTQMV1.30", ModelLineLength);
    out.int32(static_cast<int32_t>(contents.meshes.size()));
    out.int32(static_cast<int32_t>(contents.textureNames.size()));
    out.int32(static_cast<int32_t>(contents.materials.size()));
    out.int32(static_cast<int32_t>(contents.animations.size()));
    for (const ModelFileMesh& mesh : contents.meshes)
        writeMesh(out, mesh);
    for (const std::string& name : contents.textureNames)
        out.line(name, ModelLineLength);
    for (const ModelFileMaterial& material : contents.materials)
        writeMaterial(out, material);
    for (const ModelFileAnimation& animation : contents.animations)
        writeAnimation(out, animation, contents);
    return out.take();
}

#pragma once

#include "core/ParseResult.h"
#include "files/Model.h"

#include <cstdint>
#include <span>
#include <string>

// A model is refused as a whole beyond these sizes.
constexpr int32_t MaxModelRecords = 4096;     // meshes, textures, materials, animations
constexpr int32_t MaxAnimationFrames = 65536; // per animation
constexpr int32_t MaxModelFaces = 2000000;    // stored faces: rest pose and changed frame meshes

// The bytes of a .ktqm file as a Model: meshes with their normals, the texture names with
// `texturePrefix` before each, materials, animations whose unchanged frame meshes share the
// previous frame's shape, the colour separator and the bounding box. A wrong first line, a
// truncated or inconsistent file or absurd counts give an error instead. Material and texture
// indices out of range count as none. Textures are not loaded and no query is made.
ParseResult<Model> parseModelFile(std::span<const uint8_t> bytes, const std::string& texturePrefix);
// The same for the file at a game path; a missing file is an error too.
ParseResult<Model> readModelFile(const std::string& path, const std::string& texturePrefix);

// The message the game shows, captioned ModelUnavailableCaption, when a model cannot be loaded.
std::string modelUnavailableMessage(const std::string& path);
inline constexpr const char* ModelUnavailableCaption = "Model Unavailable";

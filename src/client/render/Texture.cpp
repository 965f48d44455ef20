#include "client/render/Texture.h"

#include "core/FilePath.h"
#include "files/ImageFile.h"
#include "platform/Platform.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <vector>

namespace {

bool refuse(const std::string& path) {
    platform::showMessageBox("Couldn't load texture " + path + "!", "Error", platform::MessageBoxIcon::Error);
    return false;
}

GLenum glFormat(PixelFormat format) {
    switch (format) {
    case PixelFormat::LuminanceAlpha:
        return GL_LUMINANCE_ALPHA;
    case PixelFormat::Rgba:
        return GL_RGBA;
    case PixelFormat::Rgb:
        break;
    }
    return GL_RGB;
}

TextureSampling sampling;
std::vector<uint32_t> mipmappedTextures;

void applySampling(uint32_t id) {
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    sampling.trilinear ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, sampling.finestLevel);
}

void setFilters(GLint minification, GLint magnification) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minification);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magnification);
}

// A new texture name in `id`, bound, with the image uploaded as `filter` says. Texturing stays on.
void upload(uint32_t& id, const DecodedImage& image, TextureFilter filter) {
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    // The decoded rows are tightly packed, whatever their width.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = glFormat(image.format);
    if (filter == 0 || filter == 1) {
        const GLint sampling = filter == 0 ? GL_NEAREST : GL_LINEAR;
        setFilters(sampling, sampling);
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), image.width, image.height, 0, format,
                     GL_UNSIGNED_BYTE, image.pixels.data());
    } else if (filter == 2) {
        setFilters(GL_LINEAR_MIPMAP_NEAREST, GL_LINEAR);
        gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(format), image.width, image.height, format,
                          GL_UNSIGNED_BYTE, image.pixels.data());
        mipmappedTextures.push_back(id);
        if (sampling != TextureSampling{})
            applySampling(id);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

} // namespace

bool Texture::load(const std::string& path, TextureFilter filter) {
    const auto image = decodeImage(normalisePath(path));
    if (!image)
        return refuse(path);
    load(*image, path, filter);
    return true;
}

void Texture::load(const DecodedImage& image, const std::string& picturePath, TextureFilter filter) {
    width = image.width;
    height = image.height;
    bitsPerPixel = image.bitsPerPixel;
    upload(id, image, filter);
    path = picturePath;
}

void Texture::release() {
    if (id == 0)
        return;
    // The name may be handed out again, to a texture the sampling must not touch.
    std::erase(mipmappedTextures, id);
    glDeleteTextures(1, &id);
    id = 0;
}

bool loadColorKeyedTexture(Texture& texture, const std::string& path, uint32_t colourKey,
                           TextureFilter filter) {
    const auto image = decodeColorKeyedImage(normalisePath(path), colourKey);
    if (!image)
        return refuse(path);
    upload(texture.id, *image, filter);
    texture.path = path;
    return true;
}

void setTextureSampling(const TextureSampling& wanted) {
    sampling = wanted;
    for (const uint32_t id : mipmappedTextures)
        if (glIsTexture(id))
            applySampling(id);
}

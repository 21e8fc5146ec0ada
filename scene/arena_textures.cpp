#include "scene/arena_textures.h"

#include "input/settings.h"
#include "platform/platform.h"
#include "scene/bmp_loader.h"

#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <string>

GLuint arenaTextures[arenaTextureCount] = {};

namespace {

constexpr const char* arenaTextureFiles[arenaTextureCount] = {
    "ring1.bmp", "affiche.bmp", "affiche2.bmp", "club.bmp", "ring2.bmp", "public2.bmp",
};

// Every picture has words painted on it: each language has its own, in the order of Language.
constexpr const char* pictureFolders[languageCount] = {"Data/", "Data/en/"};

// Every texture is required: the game cannot start without one.
constexpr int missingTextureStatus = 1;

void uploadArenaTexture(GLuint texture, const BmpImage& image) {
    const auto width = static_cast<GLsizei>(image.width);
    const auto height = static_cast<GLsizei>(image.height);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, image.pixels);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels);
}

} // namespace

void loadArenaTextures() {
    BmpImage* images[arenaTextureCount] = {};
    const std::string folder = pictureFolders[static_cast<int>(settingsInEffect.language)];
    for (int index = 0; index < arenaTextureCount; ++index) {
        images[index] = static_cast<BmpImage*>(std::calloc(1, sizeof(BmpImage)));
        if (images[index] == nullptr) {
            reportDataProblem("Error allocating space for image");
            std::fflush(stdout);
            std::exit(missingTextureStatus);
        }
        if (!loadBmpImage((folder + arenaTextureFiles[index]).c_str(), images[index]))
            std::exit(missingTextureStatus);
    }

    glGenTextures(arenaTextureCount, arenaTextures);
    // The images' rows are packed, whatever alignment an earlier upload left behind.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int index = 0; index < arenaTextureCount; ++index) {
        uploadArenaTexture(arenaTextures[index], *images[index]);
        std::free(images[index]->pixels);
        std::free(images[index]);
    }
}

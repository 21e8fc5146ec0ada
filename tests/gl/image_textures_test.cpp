#include "input/settings.h"
#include "scene/arena_textures.h"
#include "tests/support/crafted_files.h"
#include "tests/support/gl_harness.h"
#include "text/bitmap_font.h"
#include "text/tga_loader.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

class ImageTextures : public testing::Test {
  protected:
    void SetUp() override {
        folder = scratchFolder("image_textures");
        glGenTextures(1, &texture);
    }
    void TearDown() override {
        glDeleteTextures(1, &texture);
        std::filesystem::remove_all(folder);
    }

    int loadTga(const TgaFields& fields, const std::vector<std::uint8_t>& pixels) {
        const std::string path = (folder / "image.tga").string();
        writeBytes(path, craftTga(fields, pixels));
        return loadTgaTexture(path.c_str(), texture);
    }

    std::filesystem::path folder;
    GLuint texture = 0;
};

GLint levelParameter(GLenum which) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, which, &value);
    return value;
}

GLint textureParameter(GLenum which) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
    return value;
}

// Level 0 of the bound texture, packed.
std::vector<std::uint8_t> texels(GLenum format, int channels) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(levelParameter(GL_TEXTURE_WIDTH)) *
                                   levelParameter(GL_TEXTURE_HEIGHT) * channels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, data.data());
    return data;
}

std::vector<std::uint8_t> greyRamp(int count) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < count; ++i)
        pixels.push_back(static_cast<std::uint8_t>(i));
    return pixels;
}

} // namespace

TEST_F(ImageTextures, GreyTgaBecomesAnAlphaTextureWithTheUploadSettings) {
    TgaFields grey;
    grey.width = grey.height = 256;
    grey.idLength = 5; // skipped before the pixels
    glBindTexture(GL_TEXTURE_2D, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    ASSERT_EQ(loadTga(grey, greyRamp(256 * 256)), tgaLoaded);
    EXPECT_EQ(tgaPixelFormat, static_cast<GLenum>(GL_ALPHA));
    GLint bound = 0, alignment = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(static_cast<GLuint>(bound), texture);
    EXPECT_EQ(alignment, 1);
    EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_ALPHA);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 256);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_MODULATE);
    const auto alpha = texels(GL_ALPHA, 1);
    EXPECT_EQ(alpha[0], 0);
    EXPECT_EQ(alpha[257], 1); // file order: the first file row is texture row 0
}

TEST_F(ImageTextures, ColourTgaChannelsAreSwappedToRgbOrder) {
    TgaFields colour;
    colour.imageType = 2;
    colour.bitsPerPixel = 32;
    ASSERT_EQ(loadTga(colour, {10, 20, 30, 40, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), tgaLoaded);
    EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA);
    const auto rgba = texels(GL_RGBA, 4);
    EXPECT_EQ(std::vector<std::uint8_t>(rgba.begin(), rgba.begin() + 8),
              (std::vector<std::uint8_t>{30, 20, 10, 40, 3, 2, 1, 4}));

    // Type and depth are checked apart: grey-typed 24-bit data is read by its depth.
    colour.imageType = 3;
    colour.bitsPerPixel = 24;
    ASSERT_EQ(loadTga(colour, {10, 20, 30, 1, 2, 3, 4, 5, 6, 7, 8, 9}), tgaLoaded);
    EXPECT_EQ(tgaPixelFormat, static_cast<GLenum>(GL_RGB));
    const auto rgb = texels(GL_RGB, 3);
    EXPECT_EQ(std::vector<std::uint8_t>(rgb.begin(), rgb.begin() + 6),
              (std::vector<std::uint8_t>{30, 20, 10, 3, 2, 1}));
    colour.imageType = 2;
    colour.bitsPerPixel = 8;
    EXPECT_EQ(loadTga(colour, {1, 2, 3, 4}), tgaLoaded);
    EXPECT_EQ(tgaPixelFormat, static_cast<GLenum>(GL_ALPHA));
}

TEST_F(ImageTextures, TopLeftOriginTgaIsTurnedUpright) {
    TgaFields topDown;
    topDown.descriptor = 0x20;
    // File rows: the picture's top row (1, 2), then its bottom row (3, 4).
    ASSERT_EQ(loadTga(topDown, {1, 2, 3, 4}), tgaLoaded);
    EXPECT_EQ(texels(GL_ALPHA, 1), (std::vector<std::uint8_t>{3, 4, 1, 2}));
    TgaFields bottomUp;
    ASSERT_EQ(loadTga(bottomUp, {1, 2, 3, 4}), tgaLoaded);
    EXPECT_EQ(texels(GL_ALPHA, 1), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST_F(ImageTextures, TgaFailuresReturnTheirCodesAndUploadNothing) {
    const auto withFields = [](std::uint8_t type, std::uint16_t w, std::uint16_t h,
                               std::uint8_t bits) {
        TgaFields f;
        f.imageType = type;
        f.width = w;
        f.height = h;
        f.bitsPerPixel = bits;
        return f;
    };
    EXPECT_EQ(loadTga(withFields(3, 1024, 512, 8), {}), tgaWrongSide);
    EXPECT_EQ(loadTga(withFields(3, 1, 256, 8), {}), tgaWrongSide);
    EXPECT_EQ(loadTga(withFields(3, 300, 256, 8), {}), tgaWrongSide);
    EXPECT_EQ(loadTga(withFields(3, 256, 0, 8), {}), tgaWrongSide);
    EXPECT_EQ(loadTga(withFields(10, 2, 2, 24), {}), tgaWrongImageType);
    EXPECT_EQ(loadTga(withFields(11, 2, 2, 8), {}), tgaWrongImageType);
    EXPECT_EQ(loadTga(withFields(1, 2, 2, 8), {}), tgaWrongImageType);
    TgaFields mapped;
    mapped.colourMapType = 1;
    EXPECT_EQ(loadTga(mapped, {1, 2, 3, 4}), tgaWrongImageType);
    EXPECT_EQ(loadTga(withFields(2, 2, 2, 16), std::vector<std::uint8_t>(8)), tgaWrongDepth);
    EXPECT_EQ(loadTga(withFields(2, 4, 4, 32), std::vector<std::uint8_t>(63)), tgaPixelsMissing);
    writeBytes(folder / "image.tga", {0, 0, 3, 0, 0});
    EXPECT_EQ(loadTgaTexture((folder / "image.tga").c_str(), texture), tgaPixelsMissing);
    EXPECT_EQ(loadTgaTexture((folder / "absent.tga").c_str(), texture), tgaCannotOpen);
    glBindTexture(GL_TEXTURE_2D, texture);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 0);

    for (int side = 0; side <= 1024; ++side) {
        const bool power = side >= 2 && side <= 512 && (side & (side - 1)) == 0;
        EXPECT_EQ(isValidTextureSide(side), power ? 1 : 0) << side;
    }
    EXPECT_EQ(readTgaPixels(stdin, 4, 16), nullptr);
}

TEST_F(ImageTextures, ReadOnlyFontStillLoads) {
    TgaFields grey;
    const std::string path = (folder / "image.tga").string();
    writeBytes(path, craftTga(grey, {1, 2, 3, 4}));
    chmod(path.c_str(), 0444);
    chmod(folder.c_str(), 0755);
    if (geteuid() != 0) {
        EXPECT_EQ(loadTgaTexture(path.c_str(), texture), tgaLoaded);
        return;
    }
    // Root may write anything: read it as an ordinary user instead. The child only touches
    // this process's own software context and leaves without running exit handlers.
    EXPECT_EXIT(
        {
            if (setuid(65534) != 0)
                std::_Exit(5);
            std::_Exit(loadTgaTexture(path.c_str(), texture) == tgaLoaded ? 0 : 6);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ImageTextures, TheGamesOwnDataFilesLoad) {
    ASSERT_EQ(loadFont("Data/fontGray.tga"), tgaLoaded);
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_ALPHA);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 512);
    // "A" (code 65) has ink in its cell, the space (32) none.
    const auto alpha = texels(GL_ALPHA, 1);
    const auto inkOf = [&](int code) {
        int ink = 0;
        const int column = code % 16, rowFromTop = code / 16;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                ink += alpha[static_cast<std::size_t>((15 - rowFromTop) * 32 + y) * 512 +
                             column * 32 + x];
        return ink;
    };
    EXPECT_GT(inkOf('A'), 255 * 60);
    EXPECT_EQ(inkOf(' '), 0);
    EXPECT_EQ(inkOf(127), 0);
    EXPECT_GT(inkOf(0xEA), 255 * 60); // the "ê" of "Fenêtre"

    loadArenaTextures();
    const int sizes[arenaTextureCount][2] = {{512, 512}, {256, 256}, {256, 256},
                                             {512, 256}, {512, 512}, {1024, 512}};
    for (int i = 0; i < arenaTextureCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, arenaTextures[i]);
        EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), sizes[i][0]) << i;
        EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT), sizes[i][1]) << i;
    }
}

TEST_F(ImageTextures, ArenaTexturesAreUploadedInFileOrderWithTheirSettings) {
    // Six small pictures, told apart by their first pixel; two of them with padded rows or a
    // larger header, one with sides that are not powers of two.
    const char* names[arenaTextureCount] = {"ring1", "affiche", "affiche2",
                                            "club",  "ring2",   "public2"};
    // The English ones in Data/en/, told apart the same way.
    std::filesystem::create_directories(folder / "Data" / "en");
    for (int i = 0; i < 2 * arenaTextureCount; ++i) {
        BmpFields f;
        f.width = 4;
        f.height = 2;
        if (i % arenaTextureCount == 1)
            f.extraHeader = 84;
        if (i % arenaTextureCount == 3)
            f.width = 2; // rows of 6 bytes and 2 of padding
        if (i % arenaTextureCount == 5)
            f.width = 3, f.height = 3;
        const std::size_t row = (f.width * 3 + 3) / 4 * 4;
        std::vector<std::uint8_t> pixels(row * f.height, 0x40);
        pixels[0] = 10;
        pixels[1] = 20;
        pixels[2] = static_cast<std::uint8_t>(30 + i);
        pixels[row] = 99; // the second row's first byte
        writeBytes(folder / "Data" / (i < arenaTextureCount ? "" : "en") /
                       (std::string(names[i % arenaTextureCount]) + ".bmp"),
                   craftBmp(f, pixels));
    }
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    loadArenaTextures();
    std::filesystem::current_path(home);

    for (int i = 0; i < arenaTextureCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, arenaTextures[i]);
        const auto rgb = texels(GL_RGB, 3);
        EXPECT_EQ(rgb[0], 30 + i) << i;
        EXPECT_EQ(rgb[1], 20) << i;
        EXPECT_EQ(rgb[2], 10) << i;
        if (i != 5) {
            EXPECT_EQ(rgb[static_cast<std::size_t>(levelParameter(GL_TEXTURE_WIDTH)) * 3 + 2], 99)
                << i;
        }
        EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    }
    glBindTexture(GL_TEXTURE_2D, arenaTextures[5]);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 4); // scaled to powers of two by the mipmaps
    EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT), 4);

    // In English, the pictures of Data/en/.
    settingsInEffect.language = Language::en;
    std::filesystem::current_path(folder);
    loadArenaTextures();
    std::filesystem::current_path(home);
    settingsInEffect.language = Language::fr;
    for (int i = 0; i < arenaTextureCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, arenaTextures[i]);
        EXPECT_EQ(texels(GL_RGB, 3)[0], 30 + arenaTextureCount + i) << i;
    }
}

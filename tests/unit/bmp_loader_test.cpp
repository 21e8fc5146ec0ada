#include "scene/arena_textures.h"
#include "scene/bmp_loader.h"
#include "tests/support/crafted_files.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

class BmpLoader : public testing::Test {
  protected:
    std::filesystem::path folder = scratchFolder("bmp_loader");

    // Loads a crafted file; returns the loader's result, its output in `printed`.
    int load(const std::vector<std::uint8_t>& bytes, const std::string& name = "image.bmp") {
        const std::string path = (folder / name).string();
        writeBytes(path, bytes);
        std::free(image.pixels);
        testing::internal::CaptureStdout();
        const int result = loadBmpImage(path.c_str(), &image);
        printed = testing::internal::GetCapturedStdout();
        shown = path;
        return result;
    }
    void TearDown() override {
        std::free(image.pixels);
        std::filesystem::remove_all(folder);
    }

    BmpImage image{};
    std::string printed;
    std::string shown;
};

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// Stops every further growth of the address space, so large allocations fail.
void capAddressSpace(std::size_t slack) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit =
        static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + slack;
    const rlimit cap{limit, limit};
    setrlimit(RLIMIT_AS, &cap);
}

// Takes every block the heap can still give, largest first, keeping them chained.
void* volatile heldBlocks = nullptr;
void exhaustHeap() {
    for (std::size_t size = 1 << 20; size >= sizeof(void*); size /= 2) {
        while (void* block = std::malloc(size)) {
            *static_cast<void**>(block) = heldBlocks;
            heldBlocks = block;
        }
    }
}

} // namespace

TEST_F(BmpLoader, ReadsPixelsAsRedGreenBlueBottomRowFirst) {
    // Width 4: rows of 12 bytes, with no padding.
    BmpFields f;
    f.width = 4;
    std::vector<std::uint8_t> pixels = {10, 20, 30};
    for (std::uint8_t i = 3; i < 24; ++i)
        pixels.push_back(i);
    ASSERT_EQ(load(craftBmp(f, pixels)), 1);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(image.width, 4u);
    EXPECT_EQ(image.height, 2u);
    std::vector<std::uint8_t> expected = {30, 20, 10};
    for (std::uint8_t i = 3; i < 24; i += 3)
        expected.insert(expected.end(),
                        {static_cast<std::uint8_t>(i + 2), static_cast<std::uint8_t>(i + 1), i});
    EXPECT_EQ(std::vector<std::uint8_t>(image.pixels, image.pixels + 24), expected);
}

TEST_F(BmpLoader, PaddedRowsAndLargerHeadersLoadAsTheyLook) {
    // Width 3: 9 bytes of pixels and 3 of padding per row.
    BmpFields odd;
    odd.width = 3;
    odd.extraHeader = 84; // the offset field says 138, as a version 5 header does
    std::vector<std::uint8_t> pixels;
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 9; ++i)
            pixels.push_back(static_cast<std::uint8_t>(row * 16 + i));
        pixels.insert(pixels.end(), {0xEE, 0xEE, 0xEE});
    }
    ASSERT_EQ(load(craftBmp(odd, pixels)), 1);
    const std::vector<std::uint8_t> expected = {2,  1,  0,  5,  4,  3,  8,  7,  6,
                                                18, 17, 16, 21, 20, 19, 24, 23, 22};
    EXPECT_EQ(std::vector<std::uint8_t>(image.pixels, image.pixels + 18), expected);

    // The padded block must be there whole.
    EXPECT_EQ(load(cut(craftBmp(odd, pixels), 54 + 84 + 22)), 0);
    EXPECT_EQ(printed, "Error reading image data from " + shown + ".\n");
}

TEST_F(BmpLoader, EveryShortOrWrongFieldHasItsMessage) {
    const std::vector<std::uint8_t> good = craftBmp({}, std::vector<std::uint8_t>(12, 7));
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string message; // %s is the path
    };
    BmpFields twoPlanes, deep;
    twoPlanes.planes = 2;
    deep.bitsPerPixel = 32;
    const Case cases[] = {
        {cut(good, 20), "Error reading width from %s.\n"},
        {cut(good, 24), "Error reading height from %s.\n"},
        {cut(good, 27), "Error reading planes from %s.\n"},
        {craftBmp(twoPlanes, {}), "Planes from %s is not 1: 2\n"},
        {cut(good, 29), "Error reading bpp from %s.\n"},
        {craftBmp(deep, std::vector<std::uint8_t>(16)), "Bpp from %s is not 24: 32\n"},
        {cut(good, 60), "Error reading image data from %s.\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(load(c.bytes), 0);
        std::string expected = c.message;
        expected.replace(expected.find("%s"), 2, shown);
        EXPECT_EQ(printed, expected);
        EXPECT_EQ(image.pixels, nullptr);
    }
    EXPECT_EQ(load({}, "absent.bmp"), 0);
    std::filesystem::remove(folder / "absent.bmp");
    testing::internal::CaptureStdout();
    EXPECT_EQ(loadBmpImage(shown.c_str(), &image), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "File Not Found : " + shown + "\n");
}

TEST_F(BmpLoader, EmptyTopDownAndHugeImagesAreRefusedBeforeAnyAllocation) {
    struct Case {
        std::uint32_t width, height;
        const char* field;
    };
    const Case cases[] = {
        {0, 2, "width"},           {2, 0, "height"},    {2, 0xFFFFFFFEu, "height"},
        {8193, 1, "width"},        {1, 8193, "height"}, {0x80000000u, 0x80000000u, "width"},
        {0x55555556u, 3, "width"}, // width * 3 wraps round to 2 in 32 bits
    };
    for (const Case& c : cases) {
        BmpFields f;
        f.width = c.width;
        f.height = c.height;
        EXPECT_EQ(load(craftBmp(f, std::vector<std::uint8_t>(64))), 0);
        EXPECT_EQ(printed, std::string("Error reading ") + c.field + " from " + shown + ".\n");
        EXPECT_EQ(image.pixels, nullptr);
    }
}

namespace {

// Loads an image claiming 8192 x 8192 pixels, far more than the 32 MiB of room left.
void expectLoadFailsWithLittleMemory(const std::string& path, const std::string& message) {
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            capAddressSpace(32 << 20);
            BmpImage image{};
            std::_Exit(loadBmpImage(path.c_str(), &image) == 0 && !image.pixels ? 3 : 4);
        },
        testing::ExitedWithCode(3), message);
}

} // namespace

TEST(BmpLoaderMemory, HugeImagesUnderLittleMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer reserves address space of its own";
#endif
    const std::filesystem::path folder = scratchFolder("bmp_memory");
    BmpFields large;
    large.width = maxBmpSide;
    large.height = maxBmpSide;

    // All its pixels are there (a sparse file): only the allocation can fail.
    const std::string whole = (folder / "large.bmp").string();
    writeBytes(whole, craftBmp(large, {}));
    std::filesystem::resize_file(whole, 54 + std::uintmax_t{maxBmpSide} * maxBmpSide * 3);
    expectLoadFailsWithLittleMemory(whole,
                                    "^Error allocating memory for color-corrected image data$");

    // A short file claiming as much is refused before anything is allocated.
    const std::string cutShort = (folder / "short.bmp").string();
    writeBytes(cutShort, craftBmp(large, std::vector<std::uint8_t>(64)));
    expectLoadFailsWithLittleMemory(cutShort, "^Error reading image data from .*short.bmp.\n$");
    std::filesystem::remove_all(folder);
}

TEST(ArenaTexturesLoading, NoRoomForAnImageRecordEndsWithStatusOne) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer reserves address space of its own";
#endif
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            std::setvbuf(stdout, nullptr, _IONBF, 0);
            capAddressSpace(0);
            exhaustHeap();
            loadArenaTextures();
        },
        testing::ExitedWithCode(1), "^Error allocating space for image$");
}

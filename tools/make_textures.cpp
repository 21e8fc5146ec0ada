// Writes the six arena pictures of the game under the given folder (Data by default), in
// French, and in English under its en/.
#include "tools/image_io/game_images.h"
#include "tools/textures/pictures.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

struct PictureFile {
    const char* name;
    Picture (*draw)(const PictureWords& words);
};

constexpr PictureFile pictureFiles[] = {
    {"ring1.bmp", drawFriendlyRingMat}, {"affiche.bmp", drawFightPoster},
    {"affiche2.bmp", drawCupPoster},    {"club.bmp", drawClubSign},
    {"ring2.bmp", drawCupRingMat},      {"public2.bmp", drawCrowd},
};

bool writePictures(const std::string& folder, const PictureWords& words) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const PictureFile& file : pictureFiles) {
        const Picture picture = file.draw(words);
        const std::string path = folder + "/" + file.name;
        if (!writeFileBytes(path, encodeBmp24(picture.width, picture.height, picture.rgb))) {
            std::fprintf(stderr, "Cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::string outputDir = argc > 1 ? argv[1] : "Data";
    return writePictures(outputDir, frenchWords) && writePictures(outputDir + "/en", englishWords)
               ? 0
               : 1;
}

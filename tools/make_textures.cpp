// Writes the six arena pictures of the game under the given folder (Data by default).
#include "tools/image_io/game_images.h"
#include "tools/textures/pictures.h"

#include <cstdio>
#include <string>

namespace {

struct PictureFile {
    const char* name;
    Picture (*draw)();
};

constexpr PictureFile pictureFiles[] = {
    {"ring1.bmp", drawFriendlyRingMat}, {"affiche.bmp", drawFightPoster},
    {"affiche2.bmp", drawCupPoster},    {"club.bmp", drawClubSign},
    {"ring2.bmp", drawCupRingMat},      {"public2.bmp", drawCrowd},
};

} // namespace

int main(int argc, char** argv) {
    const std::string outputDir = argc > 1 ? argv[1] : "Data";
    for (const PictureFile& file : pictureFiles) {
        const Picture picture = file.draw();
        const std::string path = outputDir + "/" + file.name;
        if (!writeFileBytes(path, encodeBmp24(picture.width, picture.height, picture.rgb))) {
            std::fprintf(stderr, "Cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

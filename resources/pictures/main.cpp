// pelvok-pictures OUTDIR: writes every keyboard picture as OUTDIR/<resource>.bmp,
// and those of the larger display sets as OUTDIR/<resource>.png (a fraction
// of the size, which the program's resources would otherwise multiply).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "platform/raster/bmp.h"
#include "platform/raster/png.h"
#include "resources/pictures/keyboard_picture.h"
#include "resources/pictures/picture_list.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pelvok-pictures OUTDIR\n");
        return 2;
    }
    const std::string folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        for (const pictures::PictureSpec& entry : pictures::allPictures()) {
            const std::string path = folder + "/" + std::to_string(entry.resourceId) + ".bmp";
            if (!raster::writeBmp(pictures::renderPicture(entry), path)) {
                std::fprintf(stderr, "pelvok-pictures: cannot write %s\n", path.c_str());
                return 1;
            }
        }
        for (const pictures::PictureSpec& entry : pictures::largerDisplayPictures()) {
            const std::string path = folder + "/" + std::to_string(entry.resourceId) + ".png";
            if (!raster::writePng(pictures::renderPicture(entry), path)) {
                std::fprintf(stderr, "pelvok-pictures: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pelvok-pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}

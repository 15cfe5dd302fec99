// boardphoto: writes the synthetic photograph of the KQ-300 card that the settings program
// shows, with the DIP switches and the jumper at the places the program highlights.

#include "board_photo.h"
#include "icc_profile.h"
#include "jpeg_writer.h"

#include <exception>
#include <iostream>

namespace {
constexpr int kJpegQuality = 90;
}

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: boardphoto OUTPUT.jpg\n";
        return 2;
    }
    try {
        writeProgressiveJpeg(argv[1], renderBoardPhoto(), buildSrgbIccProfile(), kJpegQuality);
    } catch (const std::exception& error) {
        std::cerr << "boardphoto: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

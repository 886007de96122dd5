// Draws every picture, cursor and icon the game embeds, into one folder:
//   vandolin-cardgen OUTPUT_DIR
//   vandolin-cardgen --contact-sheet FILE.png
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/cardgen/contact_sheet.h"
#include "tools/cardgen/cursor_art.h"
#include "tools/cardgen/dib_encoder.h"
#include "tools/cardgen/icon_art.h"
#include "tools/cardgen/icon_encoder.h"
#include "tools/cardgen/picture_set.h"
#include "tools/cardgen/png_encoder.h"

namespace fs = std::filesystem;

namespace {

// Written beside the target and renamed over it, so a failed run never leaves half a file
// for the resource compiler to embed.
void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    fs::path partial = path;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + partial.string());
        }
    }
    fs::rename(partial, path);
}

void WriteAll(const fs::path& dir) {
    fs::create_directories(dir);
    for (int n : cardgen::PictureNumbers()) {
        WriteFile(dir / (cardgen::PictureName(n) + ".dib"),
                  cardgen::EncodeDib(*cardgen::PaintPicture(n)));
    }
    WriteFile(dir / "MANO.cur",
              cardgen::EncodeCursor(cardgen::PaintHandCursor(), cardgen::kHandHotSpot));
    WriteFile(dir / "CAMBIA.cur",
              cardgen::EncodeCursor(cardgen::PaintChangeCursor(), cardgen::kChangeHotSpot));
    WriteFile(dir / "MAINICON.ico",
              cardgen::EncodeIcon({cardgen::PaintLargeIcon(), cardgen::PaintSmallIcon()}));
}

int Usage() {
    std::fprintf(stderr, "usage: vandolin-cardgen OUTPUT_DIR\n"
                         "       vandolin-cardgen --contact-sheet FILE.png\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "--contact-sheet") {
            WriteFile(args[1], cardgen::EncodePng(cardgen::BuildContactSheet()));
            return 0;
        }
        if (args.size() == 1 && !args[0].starts_with("-")) {
            WriteAll(args[0]);
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vandolin-cardgen: %s\n", e.what());
        return 1;
    }
    return Usage();
}

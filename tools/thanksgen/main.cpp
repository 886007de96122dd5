// thanksgen: draws the guide window's own pictures at build time.
//   thanksgen <output directory>
// writes my_light.png (the "Thanks" page picture, 185 x 213, 256 colours) and ok_tick.png
// (the OK button's tick, 18 x 18 with transparency).
#include "tools/thanksgen/light_scene.h"
#include "tools/thanksgen/ok_tick.h"
#include "tools/thanksgen/palette_quantizer.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {

enum ExitCode { Success = 0, WriteFailed = 1, BadUsage = 2 };

bool save(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    if (image.isNull() || !writer.write(image)) {
        std::fprintf(stderr, "thanksgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: thanksgen <output directory>\n");
        return BadUsage;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "thanksgen: cannot create %s\n", argv[1]);
        return WriteFailed;
    }
    const QImage light =
        thanksgen::QuantizeToPalette(thanksgen::PaintLightScene(), thanksgen::kMaxPaletteSize,
                                     thanksgen::Dither::FloydSteinberg);
    const bool ok = save(light, out.filePath(QStringLiteral("my_light.png"))) &&
                    save(thanksgen::PaintOkTick(), out.filePath(QStringLiteral("ok_tick.png")));
    return ok ? Success : WriteFailed;
}

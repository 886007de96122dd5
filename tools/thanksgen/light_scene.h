#pragma once

#include <QImage>
#include <QSize>

namespace thanksgen {

// The size the scene is drawn for; other sizes scale it.
inline constexpr QSize kLightSceneSize{185, 213};

// Paints "My Light": a lighthouse on a cliff keeping its lamp lit while the sun comes up over
// the sea. Full colour (RGB32); an empty size gives a null image.
QImage PaintLightScene(QSize size = kLightSceneSize);

} // namespace thanksgen

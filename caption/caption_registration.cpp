#include "caption/caption_registration.h"

#include "caption/gradient_caption.h"
#include "platform/stream/component_registry.h"

namespace caption {

void RegisterCaptionComponents() {
    platform::RegisterComponentClass<TGradientCaption>(QStringLiteral("TGradientCaption"));
}

} // namespace caption

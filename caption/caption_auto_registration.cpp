// Makes TGradientCaption known to the component layouts as the program starts, so that a
// window can create it from its layout without any code naming it. Nothing refers to this
// file: it is linked whole (see CMakeLists.txt), or a static archive would drop it.
#include "caption/caption_registration.h"

namespace {

const bool registered = [] {
    caption::RegisterCaptionComponents();
    return true;
}();

} // namespace

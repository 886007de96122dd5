#pragma once

namespace caption {

// Makes the caption component known to the component layouts (class TGradientCaption). The
// application calls it once at start-up, before any window reads its component layout;
// calling it again does no harm.
void RegisterCaptionComponents();

} // namespace caption

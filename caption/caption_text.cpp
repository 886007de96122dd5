#include "caption/caption_text.h"

#include "caption/gradient_caption.h"
#include "platform/frame/framed_window.h"

namespace caption {

// Classic desktops had to be kept from drawing their own caption while the title changed.
// Our frame is only ever drawn in the window's paint event, through the hooks, so there is
// nothing to hold back: the new title shows at the next painting of the title bar.
void TCaptionText::WriteCaption(const QString& value) {
    if (platform::FramedWindow* host = ParentCaption().HostForm()) {
        host->setWindowTitle(value);
    }
    setCaptionField(value);
    ParentCaption().DesignRedraw();
}

QString TCaptionText::ReadCaption() const {
    if (const platform::FramedWindow* host = ParentCaption().HostForm()) {
        return host->windowTitle();
    }
    return Caption();
}

} // namespace caption

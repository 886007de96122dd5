#include "caption/gradient_caption.h"

#include "caption/caption_font.h"
#include "caption/shell_version.h"
#include "platform/frame/framed_window.h"

#include <QMessageBox>

#include <stdexcept>

namespace caption {
namespace {

// The maker's line and the word that completes its name, for a caption a designer drops on
// a window; the running program gets the same texts from its layout.
const char* const DesignCompanyCaption = "(c) 1998 Tavola Verde";
const char* const DesignAppNameCaption = "Software -";

} // namespace

TGradientCaption::TGradientCaption(QObject* owner, ComponentState state)
    : QObject(owner), state_(state) {
    auto* host = qobject_cast<platform::FramedWindow*>(owner);
    if (!host) {
        throw std::logic_error("Invalid class typecast");
    }
    // A Qt widget is hooked as it is: no native window handle needs to exist for that.
    host_ = host;
    activeKnown_ = false;
    newShell_ = DetectNewShell();
    LoadCaptionFont();
    appNameText_ = std::make_unique<TAppNameText>(*this);
    captionText_ = std::make_unique<TCaptionText>(*this);
    companyText_ = std::make_unique<TCompanyText>(*this);
    color_ = platform::clBlack;
    enabled_ = geAlways;
    numColors_ = DefaultNumColors;
    AttachToHost();
    if (Designing()) {
        companyText_->caption_ = QString::fromUtf8(DesignCompanyCaption);
        appNameText_->caption_ = QString::fromUtf8(DesignAppNameCaption);
        ApplyFontKind(*captionText_, fkSystem);
        ApplyFontKind(*appNameText_, fkSystemB);
        ApplyFontKind(*companyText_, fkSystemBI);
        // Painting happens only in the window's paint event: have the frame repainted now.
        RedrawFrame();
    }
}

TGradientCaption::~TGradientCaption() {
    DetachFromHost();
    appNameText_.reset();
    captionText_.reset();
    companyText_.reset();
    // While the window lives on, it paints its standard caption again.
    if (HostForm()) {
        RedrawFrame();
    }
}

void TGradientCaption::SetColor(platform::TColor value) {
    if (value != color_) {
        color_ = value;
        DesignRedraw();
    }
}

void TGradientCaption::SetEnabled(TGradEnabled value) {
    if (value != enabled_) {
        enabled_ = value;
        DesignRedraw();
    }
}

void TGradientCaption::SetNumColors(int value) {
    if (value <= 0) {
        if (Designing()) {
            ShowDesignError(QStringLiteral("The number of colors must be at least 1"));
        }
        return;
    }
    if (value > MaxNumColors) {
        numColors_ = MaxNumColors;
        if (Designing()) {
            RedrawFrame();
            ShowDesignError(
                QStringLiteral("The highest number of gradient colors possible is 256"));
        }
        return;
    }
    if (value != numColors_) {
        numColors_ = value;
        DesignRedraw();
    }
}

void TGradientCaption::ApplyFontKind(TCompanyText& item, TFontKind kind) {
    item.fontKind_ = kind;
    switch (kind) {
    case fkCustom:
        break;
    case fkSystem:
        item.font_ = sysCaptionFont_;
        break;
    case fkSystemI:
    case fkSystemB:
    case fkSystemBI:
        item.font_ = sysCaptionFont_;
        // Added, not set: a caption font that is bold already stays bold under every kind.
        if (kind != fkSystemB && !item.font_.italic()) {
            item.font_.setItalic(true);
        }
        if (kind != fkSystemI && !item.font_.bold()) {
            item.font_.setBold(true);
        }
        break;
    case fkAutoHeight:
        FitToCaptionHeight(item.font_, sysCaptionFont_);
        break;
    }
}

void TGradientCaption::LoadCaptionFont() {
    const platform::SystemSettings& settings = platform::SystemSettings::instance();
    sysCaptionFont_ = CaptionFontFrom(settings.stockSystemFont(), settings.captionFont());
}

platform::FramedWindow* TGradientCaption::HostForm() const {
    // While the window is being destroyed it is no longer a FramedWindow (its own destructor
    // has run), and the cast says so.
    return qobject_cast<platform::FramedWindow*>(host_.data());
}

void TGradientCaption::DesignRedraw() {
    if (Designing()) {
        RedrawFrame();
    }
}

void TGradientCaption::ShowDesignError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok,
                    HostForm());
    box.exec();
}

} // namespace caption

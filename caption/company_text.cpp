#include "caption/company_text.h"

#include "caption/caption_font.h"
#include "caption/gradient_caption.h"

namespace caption {

TCompanyText::TCompanyText(TGradientCaption& parentCaption)
    : font_(parentCaption.SysCaptionFont()), parentCaption_(parentCaption) {}

TCompanyText::~TCompanyText() = default;

// Item writes show at the next painting of the title bar; only a designer repaints at once.
void TCompanyText::WriteCaption(const QString& value) {
    caption_ = value;
    parentCaption_.DesignRedraw();
}

void TCompanyText::SetColorActive(platform::TColor value) {
    colorActive_ = value;
    parentCaption_.DesignRedraw();
}

void TCompanyText::SetColorInactive(platform::TColor value) {
    colorInactive_ = value;
    parentCaption_.DesignRedraw();
}

void TCompanyText::SetFont(const QFont& value) {
    font_ = value;
    if (fontKind_ == fkAutoHeight) {
        FitToCaptionHeight(font_, parentCaption_.SysCaptionFont());
    } else {
        fontKind_ = fkCustom;
    }
    parentCaption_.DesignRedraw();
}

void TCompanyText::SetFontKind(TFontKind value) {
    parentCaption_.ApplyFontKind(*this, value);
    parentCaption_.DesignRedraw();
}

void TCompanyText::SetVisible(bool value) {
    visible_ = value;
    parentCaption_.DesignRedraw();
}

bool TCompanyText::ColorActiveStored() const {
    return colorActive_ != platform::clCaptionText;
}

bool TCompanyText::ColorInactiveStored() const {
    return colorInactive_ != platform::clInactiveCaptionText;
}

bool TCompanyText::FontStored() const {
    return fontKind_ == fkCustom || fontKind_ == fkAutoHeight;
}

} // namespace caption

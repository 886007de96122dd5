#pragma once

#include "caption/app_name_text.h"
#include "caption/caption_text.h"
#include "caption/caption_types.h"
#include "caption/company_text.h"
#include "caption/title_rect.h"
#include "platform/frame/system_settings.h"

#include <QFont>
#include <QObject>
#include <QPointer>

#include <memory>

class QPainter;

namespace platform {
class FramedWindow;
}

namespace caption {

class TitleBarPainter;

// A non-visual component that takes over the painting of its window's title bar: a gradient
// (or a solid fill) with the small icon and up to three texts. It hooks the window's frame
// messages (an event filter on the FramedWindow), paints the caption rectangle itself and
// leaves the rest of the frame to the window. Created from the window's component layout and
// destroyed with the window; destroying it earlier brings back the standard caption.
class TGradientCaption : public QObject {
    Q_OBJECT
    Q_CLASSINFO("ColorProperties", "Color")
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(TAppNameText* AppNameText READ AppNameText CONSTANT)
    Q_PROPERTY(TCaptionText* CaptionText READ CaptionText CONSTANT)
    Q_PROPERTY(TCompanyText* CompanyText READ CompanyText CONSTANT)
    Q_PROPERTY(platform::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(caption::TGradEnabled Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int NumColors READ NumColors WRITE SetNumColors)

public:
    // A layout designer would create the component Designing; the running program never does.
    enum class ComponentState { Running, Designing };

    // The owner must be a platform::FramedWindow, else std::logic_error("Invalid class
    // typecast") is thrown and nothing is left behind.
    explicit TGradientCaption(QObject* owner, ComponentState state = ComponentState::Running);
    ~TGradientCaption() override;

    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

    TAppNameText* AppNameText() const { return appNameText_.get(); }
    TCaptionText* CaptionText() const { return captionText_.get(); }
    TCompanyText* CompanyText() const { return companyText_.get(); }

    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor value);
    TGradEnabled Enabled() const { return enabled_; }
    void SetEnabled(TGradEnabled value);
    int NumColors() const { return numColors_; }
    // 1..256 is taken; 0 or less is ignored; above 256 stores 256.
    void SetNumColors(int value);

    Q_INVOKABLE bool TagStored() const { return tag_ != 0; }
    Q_INVOKABLE bool ColorStored() const { return color_ != platform::clBlack; }
    Q_INVOKABLE bool EnabledStored() const { return enabled_ != geAlways; }
    Q_INVOKABLE bool NumColorsStored() const { return numColors_ != DefaultNumColors; }

    bool NewShell() const { return newShell_; }
    bool Designing() const { return state_ == ComponentState::Designing; }
    const QFont& SysCaptionFont() const { return sysCaptionFont_; }

    // The item's kind takes the value; its font follows from the kind.
    void ApplyFontKind(TCompanyText& item, TFontKind kind);
    // Rebuilds SysCaptionFont from the desktop's caption font.
    void LoadCaptionFont();

    // The window the component paints; nullptr once the window is being destroyed.
    platform::FramedWindow* HostForm() const;
    // Whether the caption shows the active state: the last activation message once there was
    // one, before that whether the window is the application's active window.
    bool HostIsActive() const;
    // Has the window repaint its whole frame at once, through the hooks.
    void RedrawFrame();

    // The caption rectangle in window coordinates; empty for a window without border.
    TitleRect TitleBarRect() const;
    // Composes the caption off-screen and copies it onto the window in one transfer. Returns
    // the rectangle painted, or an empty one when nothing was painted.
    TitleRect PaintTitleBar(QPainter& window, bool active);

    static constexpr int DefaultNumColors = 64;
    static constexpr int MaxNumColors = 256;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AttachToHost();
    void DetachFromHost();
    void DesignRedraw();
    void ShowDesignError(const QString& message);
    void DrawTexts(TitleBarPainter& painter, TitleRect& c, bool active);

    // Item writes end with the design-time redraw.
    friend class TCompanyText;
    friend class TCaptionText;

    std::unique_ptr<TAppNameText> appNameText_;
    std::unique_ptr<TCaptionText> captionText_;
    std::unique_ptr<TCompanyText> companyText_;
    bool newShell_ = true;
    platform::TColor color_ = platform::clBlack;
    TGradEnabled enabled_ = geAlways;
    int numColors_ = DefaultNumColors;
    QFont sysCaptionFont_;
    QPointer<QWidget> host_;
    bool lastActive_ = false;
    bool activeKnown_ = false;
    bool attached_ = false;
    int tag_ = 0;
    ComponentState state_ = ComponentState::Running;
};

} // namespace caption

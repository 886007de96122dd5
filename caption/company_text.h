#pragma once

#include "caption/caption_types.h"
#include "platform/frame/system_settings.h"

#include <QFont>
#include <QObject>
#include <QString>

namespace caption {

class TGradientCaption;

// One text of the title bar: the maker's line. Its published properties are streamed as part
// of the owning caption component's (CompanyText.Caption = '...').
class TCompanyText : public QObject {
    Q_OBJECT
    Q_CLASSINFO("ColorProperties", "ColorActive ColorInactive")
    Q_PROPERTY(QString Caption READ Caption WRITE WriteCaption)
    Q_PROPERTY(platform::TColor ColorActive READ ColorActive WRITE SetColorActive)
    Q_PROPERTY(platform::TColor ColorInactive READ ColorInactive WRITE SetColorInactive)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(caption::TFontKind FontKind READ FontKind WRITE SetFontKind)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    // Starts with the component's caption font, the system caption-text colours, kind
    // fkSystem, visible and empty.
    explicit TCompanyText(TGradientCaption& parentCaption);
    ~TCompanyText() override;

    const QString& Caption() const { return caption_; }
    virtual void WriteCaption(const QString& value);

    platform::TColor ColorActive() const { return colorActive_; }
    void SetColorActive(platform::TColor value);
    platform::TColor ColorInactive() const { return colorInactive_; }
    void SetColorInactive(platform::TColor value);

    const QFont& Font() const { return font_; }
    // Takes the font over whole; then an fkAutoHeight item is fitted to the caption font
    // again, any other becomes fkCustom.
    void SetFont(const QFont& value);

    TFontKind FontKind() const { return fontKind_; }
    void SetFontKind(TFontKind value);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    TGradientCaption& ParentCaption() const { return parentCaption_; }

    // What a layout keeps: the colours only when they differ from the system caption-text
    // colours, the font only when it is the item's own.
    Q_INVOKABLE bool ColorActiveStored() const;
    Q_INVOKABLE bool ColorInactiveStored() const;
    Q_INVOKABLE bool FontStored() const;

protected:
    // The item's own text, without side effects on the window.
    void setCaptionField(const QString& value) { caption_ = value; }

private:
    friend class TGradientCaption; // ApplyFontKind and the design-time defaults work on the fields

    QString caption_;
    platform::TColor colorActive_ = platform::clCaptionText;
    platform::TColor colorInactive_ = platform::clInactiveCaptionText;
    QFont font_;
    TFontKind fontKind_ = fkSystem;
    TGradientCaption& parentCaption_;
    bool visible_ = true;
};

} // namespace caption

#pragma once

#include "platform/frame/system_settings.h"

#include <QFont>
#include <QObject>
#include <QStringList>

namespace streamtest {
Q_NAMESPACE

enum Shade : unsigned char { shLight, shDark, shDeep };
Q_ENUM_NS(Shade)

// A sub-object streamed through dotted paths; its colour is written only when not black.
class Part : public QObject {
    Q_OBJECT
    Q_CLASSINFO("ColorProperties", "Tint")
    Q_PROPERTY(QString Label READ Label WRITE SetLabel)
    Q_PROPERTY(platform::TColor Tint READ Tint WRITE SetTint)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)

public:
    explicit Part(QStringList& log) : log_(log) {}
    QString Label() const { return label_; }
    void SetLabel(const QString& v) {
        label_ = v;
        log_ << QStringLiteral("Label");
    }
    platform::TColor Tint() const { return tint_; }
    void SetTint(platform::TColor v) {
        tint_ = v;
        log_ << QStringLiteral("Tint");
    }
    QFont Font() const { return font_; }
    void SetFont(const QFont& v) {
        font_ = v;
        log_ << QStringLiteral("Font");
    }
    Q_INVOKABLE bool TintStored() const { return tint_ != platform::clBlack; }

private:
    QStringList& log_;
    QString label_;
    platform::TColor tint_ = platform::clBlack;
    QFont font_;
};

// A component with one property of each kind a layout holds; it logs every write, in order.
class Gadget : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count WRITE SetCount)
    Q_PROPERTY(bool Flag READ Flag WRITE SetFlag)
    Q_PROPERTY(streamtest::Shade Shade READ Shade WRITE SetShade)
    Q_PROPERTY(Part* Front READ Front CONSTANT)
    Q_PROPERTY(int Hidden READ Hidden WRITE SetHidden STORED false)
    Q_PROPERTY(int ReadOnly READ ReadOnly)

public:
    explicit Gadget(QObject* owner) : QObject(owner), front_(log) { ++alive; }
    ~Gadget() override { --alive; }

    int Count() const { return count_; }
    void SetCount(int v) {
        count_ = v;
        log << QStringLiteral("Count");
    }
    bool Flag() const { return flag_; }
    void SetFlag(bool v) {
        flag_ = v;
        log << QStringLiteral("Flag");
    }
    streamtest::Shade Shade() const { return shade_; }
    void SetShade(streamtest::Shade v) {
        shade_ = v;
        log << QStringLiteral("Shade");
    }
    Part* Front() const { return const_cast<Part*>(&front_); }
    int Hidden() const { return hidden_; }
    void SetHidden(int v) { hidden_ = v; }
    int ReadOnly() const { return 7; }

    QStringList log;
    static inline int alive = 0;

private:
    Part front_;
    int count_ = 0;
    bool flag_ = false;
    streamtest::Shade shade_ = shLight;
    int hidden_ = 0;
};

} // namespace streamtest

#include "stream_test_component.h"

#include "platform/stream/color_names.h"
#include "platform/stream/component_layout.h"
#include "platform/stream/component_registry.h"
#include "platform/stream/font_height.h"
#include "platform/stream/layout_error.h"
#include "platform/stream/layout_parser.h"
#include "resources/layouts/components/component_layouts.h"

#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace platform;
using streamtest::Gadget;

namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ELayoutError& e) {
        return e.what();
    }
    return "no error";
}

class StreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterComponentClass<Gadget>(QStringLiteral("TGadget"));
        owner = std::make_unique<QWidget>();
    }
    Gadget* gadget(const char* name) const {
        return owner->findChild<Gadget*>(QLatin1String(name));
    }

    std::unique_ptr<QWidget> owner;
};

} // namespace

TEST(LayoutParser, ReadsEveryKindOfValue) {
    const auto objects = ParseComponentLayout(QStringLiteral("object A1: TThing\n"
                                                             "  Name = ident\n"
                                                             "  N = -42\n"
                                                             "  H = $80000009\n"
                                                             "  S = 'it''s'#13#10'x'\n"
                                                             "  Part.Set = [fsBold, fsItalic]\n"
                                                             "  F = ('Face', -11, [])\n"
                                                             "end\n"
                                                             "OBJECT B: TOther END"),
                                              QStringLiteral("t"));
    ASSERT_EQ(objects.size(), 2u);
    const LayoutObject& a = objects[0];
    EXPECT_EQ(a.name, QStringLiteral("A1"));
    EXPECT_EQ(a.className, QStringLiteral("TThing"));
    ASSERT_EQ(a.assignments.size(), 6u);
    EXPECT_EQ(a.assignments[0].value.text, QStringLiteral("ident"));
    EXPECT_EQ(a.assignments[1].value.integer, -42);
    EXPECT_EQ(a.assignments[2].value.integer, 0x80000009LL);
    EXPECT_TRUE(a.assignments[2].value.hex);
    EXPECT_EQ(a.assignments[3].value.text, QStringLiteral("it's\r\nx"));
    EXPECT_EQ(a.assignments[4].path, QStringList({QStringLiteral("Part"), QStringLiteral("Set")}));
    EXPECT_EQ(a.assignments[4].value.items.size(), 2u);
    EXPECT_EQ(a.assignments[4].line, 6);
    ASSERT_EQ(a.assignments[5].value.kind, LayoutValue::Kind::List);
    EXPECT_EQ(a.assignments[5].value.items[1].integer, -11);
    EXPECT_TRUE(objects[1].assignments.empty());
}

TEST(LayoutParser, ReportsSyntaxErrorsWithTheLine) {
    auto parse = [](const char* text) {
        return errorOf(
            [&] { ParseComponentLayout(QString::fromUtf8(text), QStringLiteral("x.components")); });
    };
    EXPECT_EQ(parse("object A: T\n  N = 1\n"), "x.components, line 3: 'end' missing for object A");
    EXPECT_EQ(parse("object A: T\n  N 1\nend"),
              "x.components, line 2: expected '=' after the property name");
    EXPECT_EQ(parse("object A: T\n  S = 'open\nend"), "x.components, line 2: unterminated text");
    EXPECT_EQ(parse("object A: T\n  N = 12ab\nend"),
              "x.components, line 2: '12ab' is not a valid number");
    EXPECT_EQ(parse("object A: T\n  N = 99999999999999999999\nend"),
              "x.components, line 2: '99999999999999999999' is not a valid number");
    EXPECT_EQ(parse("object A: T\n  N = @\nend"), "x.components, line 2: unexpected character '@'");
    EXPECT_EQ(parse("object A: T\n  N = #55296\nend"),
              "x.components, line 2: invalid character code in text");
    EXPECT_EQ(parse("thing A: T end"), "x.components, line 1: expected 'object'");
    EXPECT_EQ(parse("object A: T\n  N =\nend"), "x.components, line 3: expected a value");
    EXPECT_EQ(parse("object A: T\n  N = ((((((((((1))))))))))\nend"),
              "x.components, line 2: values nested too deeply");
}

TEST(LayoutValueText, QuotedTextsSurviveTheRoundTrip) {
    for (const QString& text : {QString(), QStringLiteral("it's"), QStringLiteral("a\tb\n"),
                                QStringLiteral("''"), QStringLiteral("\u00e8 \u2026 \U0001F0A1")}) {
        const QString layout =
            QStringLiteral("object A: T\n S = %1\nend").arg(QuoteLayoutString(text));
        const auto objects = ParseComponentLayout(layout, QStringLiteral("t"));
        EXPECT_EQ(objects.at(0).assignments.at(0).value.text, text) << layout.toStdString();
    }
    EXPECT_EQ(QuoteLayoutString(QStringLiteral("a\r\nb")), QStringLiteral("'a'#13#10'b'"));
}

TEST(ColorNamesTest, NamesFixedAndSystemColours) {
    EXPECT_EQ(ColorFromName(QStringLiteral("clBlack")), clBlack);
    EXPECT_EQ(ColorFromName(QStringLiteral("clCaptionText")), clCaptionText);
    EXPECT_EQ(ColorFromName(QStringLiteral("clInactiveCaptionText")), clInactiveCaptionText);
    EXPECT_EQ(ColorFromName(QStringLiteral("clSilver")), 0xC0C0C0);
    EXPECT_FALSE(ColorFromName(QStringLiteral("clPuce")).has_value());
    EXPECT_EQ(ColorName(clActiveCaption), QStringLiteral("clActiveCaption"));
    EXPECT_EQ(ColorName(0x0000FF), QStringLiteral("clRed"));
    EXPECT_FALSE(ColorName(0x123456).has_value());
}

TEST(FontHeightTest, NegativeIsPixelsPositiveIsPoints) {
    QFont font;
    ASSERT_TRUE(SetFontHeight(font, -13));
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_EQ(FontHeight(font), -13);
    ASSERT_TRUE(SetFontHeight(font, 12));
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_EQ(FontHeight(font), 12);
    ASSERT_TRUE(SetFontHeight(font, 0));
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_FALSE(SetFontHeight(font, -MaxFontHeight - 1));
    EXPECT_FALSE(SetFontHeight(font, std::numeric_limits<int>::min()));
    EXPECT_EQ(FontHeight(font), 12);
}

TEST_F(StreamTest, CreatesNamesAndWritesInTheOrderListed) {
    LoadComponentLayoutText(*owner,
                            QStringLiteral("object Gadget1: TGadget\n"
                                           "  Front.Label = 'first'\n"
                                           "  Shade = shDeep\n"
                                           "  Count = 3\n"
                                           "  Front.Tint = clRed\n"
                                           "  Flag = True\n"
                                           "  Left = 156\n"
                                           "  Top = 204\n"
                                           "end\n"
                                           "object Gadget2: TGadget\n"
                                           "  Shade = 1\n"
                                           "end\n"),
                            QStringLiteral("t"));
    Gadget* g = gadget("Gadget1");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->parent(), owner.get());
    EXPECT_EQ(g->log, QStringList({"Label", "Shade", "Count", "Tint", "Flag"}));
    EXPECT_EQ(g->Shade(), streamtest::shDeep);
    EXPECT_EQ(g->Count(), 3);
    EXPECT_EQ(g->Front()->Tint(), 0x0000FF);
    EXPECT_TRUE(g->Flag());
    EXPECT_EQ(g->property("Left").toInt(), 156);
    EXPECT_EQ(g->property("Top").toInt(), 204);
    ASSERT_NE(gadget("Gadget2"), nullptr);
    EXPECT_EQ(gadget("Gadget2")->Shade(), streamtest::shDark);
}

TEST_F(StreamTest, WritesStoredPropertiesInDeclarationOrderAndReadsThemBack) {
    Gadget source(owner.get());
    source.setObjectName(QStringLiteral("Source"));
    source.SetCount(-7);
    source.SetShade(streamtest::shDark);
    source.Front()->SetLabel(QStringLiteral("it's\n"));
    source.Front()->SetTint(static_cast<TColor>(0x80000063u)); // a system colour without a name
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(17);
    font.setItalic(true);
    font.setUnderline(true);
    source.Front()->SetFont(font);
    source.SetHidden(5);
    source.setProperty("Left", 10);

    const QString text = WriteComponentLayout(source);
    EXPECT_EQ(text,
              QStringLiteral("object Source: TGadget\n"
                             "  Count = -7\n"
                             "  Flag = False\n"
                             "  Shade = shDark\n"
                             "  Front.Label = 'it''s'#10\n"
                             "  Front.Tint = $80000063\n"
                             "  Front.Font = ('Liberation Serif', -17, [fsItalic, fsUnderline])\n"
                             "  Left = 10\n"
                             "end\n"));

    QString copyText = text;
    copyText.replace(QStringLiteral("Source"), QStringLiteral("Copy"));
    LoadComponentLayoutText(*owner, copyText, QStringLiteral("t"));
    Gadget* copy = gadget("Copy");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(WriteComponentLayout(*copy), copyText);
    EXPECT_EQ(copy->Front()->Font(), font);
    EXPECT_EQ(copy->Hidden(), 0) << "STORED false is neither written nor read";
}

TEST_F(StreamTest, BadLayoutsNameTheLineAndLeaveNothingBehind) {
    const int before = Gadget::alive;
    auto load = [&](const char* text) {
        return errorOf(
            [&] { LoadComponentLayoutText(*owner, QString::fromUtf8(text), QStringLiteral("w")); });
    };
    const char* good = "object G1: TGadget\n  Count = 1\nend\n";
    EXPECT_EQ(load((std::string(good) + "object G2: TGadget\n  Count = 'x'\nend").c_str()),
              "w, line 5: property Count: expected a number, found a text");
    EXPECT_EQ(load("object G1: TNothing\nend"),
              "w, line 1: component class TNothing is not registered");
    EXPECT_EQ(load("object G1: TGadget\n  Colour = 1\nend"),
              "w, line 2: streamtest::Gadget has no property Colour");
    EXPECT_EQ(load("object G1: TGadget\n  objectName = 'x'\nend"),
              "w, line 2: streamtest::Gadget has no property objectName");
    EXPECT_EQ(load("object G1: TGadget\n  Shade = shPale\nend"),
              "w, line 2: property Shade: 'shPale' is not a value of Shade");
    EXPECT_EQ(load("object G1: TGadget\n  Flag = Yes\nend"),
              "w, line 2: property Flag: expected True or False, found 'Yes'");
    EXPECT_EQ(load("object G1: TGadget\n  Count = 2147483648\nend"),
              "w, line 2: property Count: 2147483648 is out of range");
    EXPECT_EQ(load("object G1: TGadget\n  Front = 1\nend"),
              "w, line 2: property Front: is an object: write its properties with a dotted path");
    EXPECT_EQ(load("object G1: TGadget\n  Count.Size = 1\nend"),
              "w, line 2: property Count has no sub-properties");
    EXPECT_EQ(load("object G1: TGadget\n  ReadOnly = 1\nend"),
              "w, line 2: property ReadOnly: is read-only");
    EXPECT_EQ(load("object G1: TGadget\n  Front.Tint = clPuce\nend"),
              "w, line 2: property Tint: 'clPuce' is not a colour name");
    EXPECT_EQ(load("object G1: TGadget\n  Front.Font = ('A', -5000, [])\nend"),
              "w, line 2: property Font: font height -5000 is out of range");
    EXPECT_EQ(load("object G1: TGadget\n  Front.Font = ('A', -5, [fsShadow])\nend"),
              "w, line 2: property Font: 'fsShadow' is not a font style");
    EXPECT_EQ(load("object G1: TGadget\n  Left = 'far'\nend"),
              "w, line 2: Left must be a number from -32768 to 32767");
    EXPECT_EQ(load((std::string(good) + "object G1: TGadget\nend").c_str()),
              "w, line 4: the window already has a component G1");
    EXPECT_EQ(Gadget::alive, before);
    EXPECT_TRUE(owner->children().isEmpty());

    EXPECT_EQ(errorOf([&] {
                  LoadComponentLayout(*owner, QStringLiteral(":/no/such.components"));
              }).rfind("component layout :/no/such.components cannot be read", 0),
              0u);
}

TEST_F(StreamTest, HexAndDecimalColoursAreTheSame32BitValue) {
    LoadComponentLayoutText(*owner,
                            QStringLiteral("object A: TGadget\n  Front.Tint = $80000002\nend\n"
                                           "object B: TGadget\n  Front.Tint = -2147483646\nend\n"
                                           "object C: TGadget\n  Front.Tint = 255\nend\n"),
                            QStringLiteral("t"));
    EXPECT_EQ(gadget("A")->Front()->Tint(), clActiveCaption);
    EXPECT_EQ(gadget("B")->Front()->Tint(), clActiveCaption);
    EXPECT_EQ(gadget("C")->Front()->Tint(), 0x0000FF);
    EXPECT_EQ(errorOf([&] {
                  LoadComponentLayoutText(
                      *owner, QStringLiteral("object D: TGadget\n  Front.Tint = $100000000\nend"),
                      QStringLiteral("t"));
              }),
              "t, line 2: property Tint: 4294967296 is out of range");
}

TEST(MainFormComponentLayout, IsEmbeddedAndListsTheCaptionSettingsInOrder) {
    QFile file(QString::fromLatin1(resources::MainFormComponentLayout));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the resource is not linked in";
    const auto objects = ParseComponentLayout(QString::fromUtf8(file.readAll()), file.fileName());
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].name, QStringLiteral("GradientCaption1"));
    EXPECT_EQ(objects[0].className, QStringLiteral("TGradientCaption"));
    QStringList lines;
    for (const LayoutAssignment& a : objects[0].assignments) {
        lines << a.path.join(QLatin1Char('.')) + QStringLiteral(" = ") + a.value.toText();
    }
    EXPECT_EQ(lines,
              QStringList({"AppNameText.Caption = 'Software -'", "AppNameText.FontKind = fkSystemB",
                           "AppNameText.Visible = True", "CaptionText.Caption = 'Vandolin'",
                           "CaptionText.FontKind = fkSystem", "CaptionText.Visible = True",
                           "CompanyText.Caption = '(c) 1998 Tavola Verde'",
                           "CompanyText.FontKind = fkSystemBI", "CompanyText.Visible = True",
                           "Left = 156", "Top = 204"}));
}

#include "caption_fixture.h"

#include "caption/caption_font.h"
#include "caption/caption_registration.h"
#include "platform/stream/component_layout.h"
#include "platform/stream/layout_error.h"
#include "resources/layouts/components/component_layouts.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include <stdexcept>

using namespace caption;
using namespace captiontest;
using platform::SystemSettings;

namespace {

QString mainFormLayout() {
    QFile file(QString::fromLatin1(resources::MainFormComponentLayout));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool anyMessageBoxOpen() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(w) && w->isVisible()) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(GradientCaptionOwner, MustBeAFramedWindow) {
    QWidget plain;
    try {
        new TGradientCaption(&plain);
        FAIL() << "a plain widget was taken as owner";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Invalid class typecast");
    }
    EXPECT_TRUE(plain.children().isEmpty()) << "a failed construction leaves nothing behind";
    EXPECT_THROW(TGradientCaption(nullptr), std::logic_error);
}

TEST_F(CaptionWindowTest, StartsWithTheDefaults) {
    TGradientCaption* c = makeCaption();
    EXPECT_EQ(c->parent(), window.get());
    EXPECT_EQ(c->Color(), platform::clBlack);
    EXPECT_EQ(c->Enabled(), geAlways);
    EXPECT_EQ(c->NumColors(), 64);
    EXPECT_TRUE(c->NewShell());
    EXPECT_FALSE(c->Designing());
    EXPECT_EQ(c->SysCaptionFont().pixelSize(), 11);
    EXPECT_TRUE(c->SysCaptionFont().bold());
    for (TCompanyText* item : {static_cast<TCompanyText*>(c->AppNameText()),
                               static_cast<TCompanyText*>(c->CaptionText()), c->CompanyText()}) {
        EXPECT_EQ(&item->ParentCaption(), c);
        EXPECT_EQ(item->ColorActive(), platform::clCaptionText);
        EXPECT_EQ(item->ColorInactive(), platform::clInactiveCaptionText);
        EXPECT_EQ(item->FontKind(), fkSystem);
        EXPECT_EQ(item->Font(), c->SysCaptionFont());
        EXPECT_TRUE(item->Visible());
    }
    EXPECT_TRUE(c->CompanyText()->Caption().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vandolin"))
        << "creation leaves the title alone";
}

TEST_F(CaptionWindowTest, NumColorsStaysFromOneTo256Silently) {
    TGradientCaption* c = makeCaption();
    c->SetNumColors(0);
    EXPECT_EQ(c->NumColors(), 64);
    c->SetNumColors(-5);
    EXPECT_EQ(c->NumColors(), 64);
    c->SetNumColors(300);
    EXPECT_EQ(c->NumColors(), 256);
    c->SetNumColors(1);
    EXPECT_EQ(c->NumColors(), 1);
    c->SetNumColors(256);
    EXPECT_EQ(c->NumColors(), 256);
    EXPECT_FALSE(anyMessageBoxOpen());
}

TEST_F(CaptionWindowTest, FontKindsAddStylesToTheCaptionFont) {
    TGradientCaption* c = makeCaption();
    TCompanyText& item = *c->CompanyText();
    // The desktop's caption font is bold already: bold added changes nothing.
    c->ApplyFontKind(item, fkSystemB);
    EXPECT_EQ(item.Font(), c->SysCaptionFont());
    c->ApplyFontKind(item, fkSystemI);
    EXPECT_TRUE(item.Font().italic());
    EXPECT_TRUE(item.Font().bold());

    platform::CaptionFontInfo italicCaption{QStringLiteral("Liberation Serif"), -15, true, 400};
    SystemSettings::instance().setCaptionFont(italicCaption);
    c->LoadCaptionFont();
    c->ApplyFontKind(item, fkSystemB);
    EXPECT_EQ(item.Font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(item.Font().pixelSize(), 15);
    EXPECT_TRUE(item.Font().bold());
    EXPECT_TRUE(item.Font().italic()) << "italic stays: styles are added, never taken away";
    c->ApplyFontKind(item, fkSystemBI);
    EXPECT_TRUE(item.Font().bold() && item.Font().italic());

    QFont own(QStringLiteral("Liberation Mono"));
    own.setPixelSize(30);
    item.SetFont(own);
    c->ApplyFontKind(item, fkCustom);
    EXPECT_EQ(item.Font(), own);
    c->ApplyFontKind(item, static_cast<TFontKind>(42));
    EXPECT_EQ(item.FontKind(), static_cast<TFontKind>(42));
    EXPECT_EQ(item.Font(), own) << "an unknown kind leaves the font";
}

TEST_F(CaptionWindowTest, WritingAFontMakesTheItemCustomUnlessItFitsHeights) {
    TGradientCaption* c = makeCaption();
    QFont own(QStringLiteral("Liberation Serif"));
    own.setPixelSize(30);
    c->AppNameText()->SetFontKind(fkSystemB);
    c->AppNameText()->SetFont(own);
    EXPECT_EQ(c->AppNameText()->FontKind(), fkCustom);
    EXPECT_EQ(c->AppNameText()->Font(), own);

    c->CompanyText()->SetFontKind(fkAutoHeight);
    c->CompanyText()->SetFont(own);
    EXPECT_EQ(c->CompanyText()->FontKind(), fkAutoHeight);
    EXPECT_EQ(c->CompanyText()->Font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(CharacterHeight(c->CompanyText()->Font()), CharacterHeight(c->SysCaptionFont()));
}

TEST_F(CaptionWindowTest, CaptionTextIsTheWindowTitle) {
    TGradientCaption* c = makeCaption();
    window->setWindowTitle(QStringLiteral("Set elsewhere"));
    EXPECT_EQ(c->CaptionText()->property("Caption").toString(), QStringLiteral("Set elsewhere"));
    c->CaptionText()->setProperty("Caption", QStringLiteral("Through the item"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Through the item"));
    EXPECT_EQ(c->CaptionText()->Caption(), QStringLiteral("Through the item"));
    // The other items keep their own text.
    c->CompanyText()->setProperty("Caption", QStringLiteral("Maker"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Through the item"));
}

TEST_F(CaptionWindowTest, MainWindowLayoutCreatesAndConfiguresTheCaption) {
    RegisterCaptionComponents();
    const QString layout = mainFormLayout();
    ASSERT_FALSE(layout.isEmpty());
    window->setWindowTitle(QString());
    platform::LoadComponentLayout(*window, QString::fromLatin1(resources::MainFormComponentLayout));

    auto* c = window->findChild<TGradientCaption*>(QStringLiteral("GradientCaption1"));
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vandolin"));
    EXPECT_EQ(c->AppNameText()->Caption(), QStringLiteral("Software -"));
    EXPECT_EQ(c->CompanyText()->Caption(), QStringLiteral("(c) 1998 Tavola Verde"));
    EXPECT_EQ(c->CaptionText()->Font(), c->SysCaptionFont());
    EXPECT_TRUE(c->AppNameText()->Font().bold());
    EXPECT_FALSE(c->AppNameText()->Font().italic());
    EXPECT_TRUE(c->CompanyText()->Font().bold() && c->CompanyText()->Font().italic());
    EXPECT_EQ(c->property("Left").toInt(), 156);
    EXPECT_EQ(c->property("Top").toInt(), 204);
    // Written back, the component gives its layout unchanged.
    EXPECT_EQ(platform::WriteComponentLayout(*c), layout);
}

TEST_F(CaptionWindowTest, LayoutKeepsOnlyWhatDiffersFromTheDefaults) {
    RegisterCaptionComponents();
    TGradientCaption* c = makeCaption();
    c->setObjectName(QStringLiteral("Cap"));
    EXPECT_EQ(platform::WriteComponentLayout(*c),
              QStringLiteral("object Cap: TGradientCaption\n"
                             "  AppNameText.Caption = ''\n"
                             "  AppNameText.FontKind = fkSystem\n"
                             "  AppNameText.Visible = True\n"
                             "  CaptionText.Caption = 'Vandolin'\n"
                             "  CaptionText.FontKind = fkSystem\n"
                             "  CaptionText.Visible = True\n"
                             "  CompanyText.Caption = ''\n"
                             "  CompanyText.FontKind = fkSystem\n"
                             "  CompanyText.Visible = True\n"
                             "end\n"));
    c->SetTag(3);
    c->SetColor(0x00FF8000);
    c->SetEnabled(geWhenActive);
    c->SetNumColors(32);
    c->AppNameText()->SetColorActive(platform::clBlack);
    c->AppNameText()->SetVisible(false);
    c->CompanyText()->SetColorInactive(platform::clActiveCaption);
    QFont own(QStringLiteral("Liberation Serif"));
    own.setPixelSize(14);
    own.setItalic(true);
    c->CompanyText()->SetFont(own);
    const QString text = platform::WriteComponentLayout(*c);
    EXPECT_EQ(text, QStringLiteral("object Cap: TGradientCaption\n"
                                   "  Tag = 3\n"
                                   "  AppNameText.Caption = ''\n"
                                   "  AppNameText.ColorActive = clBlack\n"
                                   "  AppNameText.FontKind = fkSystem\n"
                                   "  AppNameText.Visible = False\n"
                                   "  CaptionText.Caption = 'Vandolin'\n"
                                   "  CaptionText.FontKind = fkSystem\n"
                                   "  CaptionText.Visible = True\n"
                                   "  CompanyText.Caption = ''\n"
                                   "  CompanyText.ColorInactive = clActiveCaption\n"
                                   "  CompanyText.Font = ('Liberation Serif', -14, [fsItalic])\n"
                                   "  CompanyText.FontKind = fkCustom\n"
                                   "  CompanyText.Visible = True\n"
                                   "  Color = $00FF8000\n"
                                   "  Enabled = geWhenActive\n"
                                   "  NumColors = 32\n"
                                   "end\n"));

    // Read into another window, the copy writes the same layout.
    platform::FramedWindow other;
    other.setWindowTitle(QStringLiteral("Vandolin"));
    platform::LoadComponentLayoutText(other, text, QStringLiteral("copy"));
    auto* copy = other.findChild<TGradientCaption*>(QStringLiteral("Cap"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(platform::WriteComponentLayout(*copy), text);
    EXPECT_EQ(copy->CompanyText()->Font(), own);
}

TEST_F(CaptionWindowTest, LayoutFontFollowedByAutoHeightKeepsTheFaceAtCaptionHeight) {
    RegisterCaptionComponents();
    platform::LoadComponentLayoutText(
        *window,
        QStringLiteral("object C: TGradientCaption\n"
                       "  CompanyText.Font = ('Liberation Serif', -30, [fsItalic])\n"
                       "  CompanyText.FontKind = fkAutoHeight\n"
                       "end\n"),
        QStringLiteral("t"));
    auto* c = window->findChild<TGradientCaption*>(QStringLiteral("C"));
    ASSERT_NE(c, nullptr);
    const QFont& font = c->CompanyText()->Font();
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(CharacterHeight(font), CharacterHeight(c->SysCaptionFont()));
    EXPECT_EQ(c->CompanyText()->FontKind(), fkAutoHeight);
    EXPECT_NE(platform::WriteComponentLayout(*c).indexOf(
                  QStringLiteral("CompanyText.Font = ('Liberation Serif', -11, [fsItalic])")),
              -1);
}

TEST_F(CaptionWindowTest, ALayoutErrorTakesTheCaptionAwayAgain) {
    RegisterCaptionComponents();
    QWidget plain;
    EXPECT_THROW(platform::LoadComponentLayoutText(
                     plain, QStringLiteral("object C: TGradientCaption\nend"), QStringLiteral("t")),
                 platform::ELayoutError);
    const QImage before = grab();
    EXPECT_THROW(platform::LoadComponentLayoutText(*window,
                                                   QStringLiteral("object C: TGradientCaption\n"
                                                                  "  NumColors = 5\n"
                                                                  "  Enabled = geSometimes\n"
                                                                  "end\n"),
                                                   QStringLiteral("t")),
                 platform::ELayoutError);
    EXPECT_EQ(window->findChild<TGradientCaption*>(), nullptr);
    EXPECT_EQ(grab(), before) << "the window paints its standard caption";
}

TEST_F(CaptionWindowTest, SettingsChangeRebuildsSystemAndFittedFontsAndRepaints) {
    TGradientCaption* c = makeCaption();
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setPixelSize(30);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPixelSize(9);
    c->CaptionText()->SetFontKind(fkSystem);
    c->AppNameText()->SetFontKind(fkAutoHeight);
    c->AppNameText()->SetFont(serif);
    c->CompanyText()->SetFont(mono); // becomes fkCustom
    window->show();
    // Until then there is nothing on screen to repaint.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    FrameProbe probe(*window);

    SystemSettings::instance().setCaptionFont(
        platform::CaptionFontInfo{QStringLiteral("DejaVu Sans"), -16, true, 400});
    SystemSettings::instance().notifyChanged();

    EXPECT_EQ(c->SysCaptionFont().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(c->CaptionText()->Font(), c->SysCaptionFont());
    EXPECT_TRUE(c->CaptionText()->Font().italic());
    EXPECT_EQ(c->AppNameText()->Font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(CharacterHeight(c->AppNameText()->Font()), 16);
    EXPECT_EQ(c->CompanyText()->Font(), mono);
    EXPECT_GE(probe.paints, 1) << "the frame is repainted at once";
}

TEST_F(CaptionWindowTest, ActivationMessagesDecideTheStateOnceThereWasOne) {
    TGradientCaption* c = makeCaption();
    EXPECT_FALSE(c->HostIsActive()) << "a hidden window is not the active window";
    setActive(true);
    EXPECT_TRUE(c->HostIsActive());
    setActive(false);
    EXPECT_FALSE(c->HostIsActive());
}

TEST_F(CaptionWindowTest, DestroyingTheWindowTakesTheCaptionAlong) {
    QPointer<TGradientCaption> c = makeCaption();
    window->show();
    window.reset();
    EXPECT_TRUE(c.isNull());
}

TEST_F(CaptionWindowTest, TwoCaptionsLetGoInReverseOrder) {
    window->show();
    const QImage standard = grab();
    TGradientCaption* first = makeCaption();
    const QImage withFirst = grab();
    TGradientCaption* second = makeCaption();
    second->SetNumColors(1);
    // The newest hook paints first and passes the message on; the older one paints last.
    EXPECT_EQ(grab(), withFirst);
    delete second;
    EXPECT_EQ(grab(), withFirst);
    delete first;
    EXPECT_EQ(grab(), standard);
}

TEST_F(CaptionWindowTest, DesignerGetsDefaultsAndImmediateRepaints) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    FrameProbe probe(*window);
    auto* c = new TGradientCaption(window.get(), TGradientCaption::ComponentState::Designing);
    EXPECT_GE(probe.paints, 1) << "painted at once on creation";
    EXPECT_EQ(c->CompanyText()->Caption(), QStringLiteral("(c) 1998 Tavola Verde"));
    EXPECT_EQ(c->AppNameText()->Caption(), QStringLiteral("Software -"));
    EXPECT_EQ(c->AppNameText()->FontKind(), fkSystemB);
    EXPECT_EQ(c->CompanyText()->FontKind(), fkSystemBI);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vandolin"));
    const int before = probe.paints;
    c->SetColor(platform::clActiveCaption);
    EXPECT_GT(probe.paints, before);

    TGradientCaption* running = makeCaption();
    const int runningBefore = probe.paints;
    running->SetColor(platform::clActiveCaption);
    running->CompanyText()->SetVisible(false);
    EXPECT_EQ(probe.paints, runningBefore) << "at run time a change waits for the next painting";
}

// The guide window as laid out: window properties, controls, texts, pictures.
#include "resources/version.h"
#include "ui/guide/help_form.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <set>

namespace {

using ui::THelpForm;

template <typename T> T* control(const THelpForm& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

QStringList lines(const QPlainTextEdit* memo) {
    QStringList result;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        result << b.text();
    return result;
}

QColor colourOf(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(QPalette::Active, role);
}

TEST(HelpFormLayout, IsAFixedSizeToolWindowCreatedHidden) {
    THelpForm form;
    EXPECT_EQ(form.objectName(), "HelpForm");
    EXPECT_EQ(form.windowTitle(), "Vandolin Guide");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.findChild<QWidget*>("ClientArea")->size(), QSize(360, 318));
    EXPECT_EQ(form.minimumSize(), form.size());
    EXPECT_EQ(form.maximumSize(), form.size());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    // The game's own tool-window frame, and no title bar the toolkit would add back.
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_FALSE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST(HelpFormLayout, ControlsSitWhereTheLayoutPutsThem) {
    THelpForm form;
    const struct {
        const char* name;
        QRect geometry;
    } expected[] = {
        {"BitBtn1", {128, 280, 101, 29}},   {"PageControl1", {8, 4, 345, 269}},
        {"Image3", {28, 28, 72, 97}},       {"ProgramIcon", {48, 36, 72, 97}},
        {"Image1", {68, 44, 72, 97}},       {"Image2", {92, 52, 72, 97}},
        {"ProductName", {196, 68, 91, 24}}, {"Label2", {180, 104, 140, 13}},
        {"Label1", {44, 192, 243, 16}},     {"Image4", {24, 12, 185, 213}},
        {"ListBox1", {216, 12, 113, 212}},
    };
    for (const auto& c : expected) {
        const QWidget* w = control<QWidget>(form, c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
    }
    // The OK button is the default one and first in the tab order.
    auto* ok = control<QPushButton>(form, "BitBtn1");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(ok->icon().isNull());
    EXPECT_EQ(form.nextInFocusChain(), ok);
}

TEST(HelpFormLayout, FivePagesInOneRowStartingWithAbout) {
    THelpForm form;
    auto* pages = control<QTabWidget>(form, "PageControl1");
    ASSERT_EQ(pages->count(), 5);
    const char* titles[] = {"About..", "Game", "Options", "Version", "Thanks"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->tabText(i), titles[i]);
        EXPECT_EQ(pages->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    form.show();
    QTabBar* tabs = pages->tabBar();
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(tabs->tabRect(i).top(), tabs->tabRect(0).top()) << "tab " << i;
        EXPECT_LE(tabs->tabRect(i).right(), pages->width()) << "tab " << i << " overflows";
    }
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet1");
}

TEST(HelpFormLayout, AcesFanOutWithSpadesInFront) {
    THelpForm form;
    const QWidget* page = control<QWidget>(form, "TabSheet1");
    // (95, 60) lies inside all four cards; whatever shows there is the front one.
    EXPECT_EQ(page->childAt(95, 60)->objectName(), "Image2");
    EXPECT_EQ(page->childAt(80, 50)->objectName(), "Image1");
    EXPECT_EQ(page->childAt(60, 38)->objectName(), "ProgramIcon");
    EXPECT_EQ(page->childAt(30, 30)->objectName(), "Image3");
    for (const char* name : {"Image3", "ProgramIcon", "Image1", "Image2"}) {
        const QLabel* card = control<QLabel>(form, name);
        EXPECT_TRUE(card->hasScaledContents()) << name;
        const QPixmap picture = card->pixmap();
        EXPECT_EQ(picture.size(), QSize(72, 97)) << name << " has no card picture";
    }
}

TEST(HelpFormLayout, AboutTextsHaveTheirFontsAndColoursAndFit) {
    THelpForm form;
    const struct {
        const char* name;
        int pixels;
        bool bold;
        QColor colour;
    } expected[] = {
        {"ProductName", 19, true, QColor(0, 0, 255)},
        {"Label2", 11, true, QColor(255, 0, 0)},
        {"Label1", 13, false, form.palette().color(QPalette::WindowText)},
    };
    for (const auto& e : expected) {
        const QLabel* label = control<QLabel>(form, e.name);
        EXPECT_EQ(label->font().pixelSize(), e.pixels) << e.name;
        EXPECT_EQ(label->font().bold(), e.bold) << e.name;
        EXPECT_EQ(colourOf(label, QPalette::WindowText), e.colour) << e.name;
        EXPECT_FALSE(label->text().isEmpty()) << e.name;
        const QSize needed = QFontMetrics(label->font()).size(Qt::TextSingleLine, label->text());
        EXPECT_LE(needed.width(), label->width()) << e.name << " is cut off";
    }
    EXPECT_EQ(control<QLabel>(form, "ProductName")->text(), "Vandolin");
    // The same notice stands in the About box and the status line's hint.
    EXPECT_EQ(control<QLabel>(form, "Label1")->text(), "Vandolin (c) 1998 Tavola Verde Software");
}

TEST(HelpFormLayout, GameAndOptionsTextsAreVerbatim) {
    THelpForm form;
    const QStringList game{
        "1.    Click the deck to start the game.",
        "",
        "2.    Choose the cards to change.",
        "",
        "3.    Click on the deck to draw.",
        "",
        "4.    At the end of each hand, click on the deck again",
        "       to deal.",
    };
    const QStringList options{
        "To change the previous betting amount:",
        "1.    On the Game menu, click Bet.",
        "2.    You can change the betting amount by 1, up to 10.",
        "",
        "To change deck back picture:",
        "1.    On the Deck menu, choose new deck back ",
        "",
        "Tips:",
        "1.    You can quickly enter to menu by right-clicking on ",
        "       the desk.",
        "2.    to select a card to change, click it;",
        "       to cancel the selection of a card, click it again, ",
        "       and then hold it.",
    };
    EXPECT_EQ(lines(control<QPlainTextEdit>(form, "Memo1")), game);
    EXPECT_EQ(lines(control<QPlainTextEdit>(form, "Memo2")), options);
}

TEST(HelpFormLayout, VersionPageHasTwentyFourLinesInItsShape) {
    THelpForm form;
    const QStringList text = lines(control<QPlainTextEdit>(form, "Memo3"));
    ASSERT_EQ(text.size(), 24);
    EXPECT_EQ(text[0], "VANDOLIN          ");
    EXPECT_EQ(text[1], "-------------------                     ");
    EXPECT_EQ(text[2], QStringLiteral("Version ") + QLatin1String(resources::kVersion));
    EXPECT_EQ(text[3], "");
    EXPECT_FALSE(text[4].trimmed().isEmpty());
    EXPECT_FALSE(text[5].trimmed().isEmpty());
    for (int i = 6; i < 12; ++i)
        EXPECT_TRUE(text[i].trimmed().isEmpty()) << "line " << i + 1;
    EXPECT_FALSE(text[12].trimmed().isEmpty()) << "the contact lead-in";
    EXPECT_EQ(text[13], "");
    const QString indent(26, QLatin1Char(' '));
    for (int i = 14; i < 18; ++i) {
        EXPECT_TRUE(text[i].startsWith(indent)) << "line " << i + 1;
        EXPECT_NE(text[i].at(26), QLatin1Char(' ')) << "line " << i + 1 << " is set in too far";
    }
    EXPECT_EQ(text[18], "");
    EXPECT_TRUE(text[19].contains(QLatin1Char('@'))) << "the e-mail line";
    for (int i = 20; i < 24; ++i)
        EXPECT_TRUE(text[i] == "" || text[i] == " ") << "line " << i + 1;
}

TEST(HelpFormLayout, MemosFillTheirPagesWithBothScrollBars) {
    THelpForm form;
    form.show();
    const struct {
        const char* name;
        const char* page;
        bool readOnly;
    } memos[] = {
        {"Memo1", "TabSheet2", true}, {"Memo2", "TabSheet3", false}, {"Memo3", "TabSheet4", true}};
    auto* pages = control<QTabWidget>(form, "PageControl1");
    for (const auto& m : memos) {
        const auto* memo = control<QPlainTextEdit>(form, m.name);
        const auto* page = control<QWidget>(form, m.page);
        pages->setCurrentWidget(const_cast<QWidget*>(page));
        EXPECT_EQ(memo->geometry(), page->rect()) << m.name;
        EXPECT_EQ(page->size(), QSize(337, 241)) << m.page;
        EXPECT_EQ(memo->isReadOnly(), m.readOnly) << m.name;
        EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << m.name;
        EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << m.name;
        EXPECT_TRUE(memo->verticalScrollBar()->isVisible()) << m.name;
        EXPECT_TRUE(memo->horizontalScrollBar()->isVisible()) << m.name;
    }
    const auto* version = control<QPlainTextEdit>(form, "Memo3");
    EXPECT_EQ(colourOf(version, QPalette::Text), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(version->font().pixelSize(), 11);
}

TEST(HelpFormLayout, ThanksPageShowsTheLightAndElevenRows) {
    THelpForm form;
    form.show();
    auto* pages = control<QTabWidget>(form, "PageControl1");
    pages->setCurrentIndex(4);

    const QLabel* light = control<QLabel>(form, "Image4");
    EXPECT_EQ(light->toolTip(), "My Light");
    EXPECT_EQ(light->pixmap().size(), QSize(185, 213));

    const auto* list = control<QListWidget>(form, "ListBox1");
    EXPECT_EQ(list->toolTip(), "My Life");
    ASSERT_EQ(list->count(), 11);
    std::set<QString> names;
    for (int row = 0; row < 10; ++row) {
        EXPECT_FALSE(list->item(row)->text().trimmed().isEmpty()) << "row " << row;
        names.insert(list->item(row)->text());
        EXPECT_EQ(list->visualItemRect(list->item(row)).height(), 13) << "row " << row;
        const int width = QFontMetrics(list->font()).horizontalAdvance(list->item(row)->text());
        EXPECT_LE(width, list->viewport()->width()) << "row " << row << " is cut off";
    }
    EXPECT_EQ(names.size(), 10u) << "ten different names";
    EXPECT_EQ(list->item(10)->text(), "");
}

TEST(HelpFormLayout, ThanksPictureIsHeldIn256Colours) {
    THelpForm form; // makes sure the layout's pictures are registered
    const QImage light(QStringLiteral(":/guide/my_light.png"));
    ASSERT_FALSE(light.isNull());
    EXPECT_EQ(light.size(), QSize(185, 213));
    EXPECT_EQ(light.format(), QImage::Format_Indexed8);
    EXPECT_EQ(light.colorCount(), 256);
    std::set<int> used;
    for (int y = 0; y < light.height(); ++y)
        for (int x = 0; x < light.width(); ++x)
            used.insert(light.pixelIndex(x, y));
    EXPECT_GT(used.size(), 200u) << "a picture, not a few flat fills";
}

} // namespace

// The classic look holds whatever style the desktop asked for (the test main asks for a modern
// one): square tabs and a bevelled button on button-face grey, in the system colours alone.
TEST(HelpFormLayout, TabsAndButtonWearTheClassicLook) {
    THelpForm form;
    form.show();
    const std::set<QRgb> classic = {qRgb(0xC0, 0xC0, 0xC0), qRgb(0xFF, 0xFF, 0xFF),
                                    qRgb(0x80, 0x80, 0x80), qRgb(0x00, 0x00, 0x00)};
    const auto strangers = [&classic](const QImage& image, const QRect& area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += classic.count(image.pixel(x, y)) == 0;
        return n;
    };

    QTabBar* tabs = control<QTabWidget>(form, "PageControl1")->tabBar();
    const QImage bar = tabs->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < tabs->count(); ++i) {
        // The tab's outline above its text: no gradient, no softened round corner.
        const QRect tab = tabs->tabRect(i);
        const QRect top(tab.left(), tab.top(), tab.width(), 4);
        EXPECT_EQ(strangers(bar, top), 0) << "tab " << i;
        // Square: its top edge is one white line that stops a single pixel short of the
        // side, where a round corner would leave a wider gap. (The selected tab hides the left
        // corner of the one after it.)
        if (i == tabs->currentIndex() + 1)
            continue;
        const int edge = i == tabs->currentIndex() ? tab.top() : tab.top() + 2;
        EXPECT_EQ(bar.pixel(tab.left() + 2, edge), qRgb(0xFF, 0xFF, 0xFF)) << "tab " << i;
        EXPECT_EQ(bar.pixel(tab.left() + 1, edge + 1), qRgb(0xFF, 0xFF, 0xFF)) << "tab " << i;
        EXPECT_EQ(bar.pixel(tab.left(), edge + 2), qRgb(0xFF, 0xFF, 0xFF)) << "tab " << i;
    }

    // OK: a black default-button frame round a raised bevel on button-face grey; the text and
    // the green tick are the only other colours.
    auto* ok = control<QPushButton>(form, "BitBtn1");
    const QImage button = ok->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int w = button.width();
    const int h = button.height();
    EXPECT_EQ(button.pixel(0, h / 2), qRgb(0, 0, 0)) << "default frame";
    EXPECT_EQ(button.pixel(1, h / 2), qRgb(0xFF, 0xFF, 0xFF)) << "lit side";
    EXPECT_EQ(button.pixel(w - 2, h / 2), qRgb(0, 0, 0)) << "shadow side";
    EXPECT_EQ(button.pixel(w - 3, h / 2), qRgb(0x80, 0x80, 0x80)) << "shadow side, inner";
    EXPECT_EQ(strangers(button, QRect(0, 0, w, 3)), 0) << "no gradient at the top";
    EXPECT_EQ(button.pixel(w / 4, h - 6), qRgb(0xC0, 0xC0, 0xC0)) << "button face";
    EXPECT_GT(strangers(button, button.rect()), 10) << "the green tick is still there";
}

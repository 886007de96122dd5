// What the faces show, read back through the lookup the game uses.
#include <gtest/gtest.h>

#include <set>

#include "tests/pictures/palette_grid.h"
#include "tools/cardgen/face_layout.h"
#include "ui/pictures/picture_lookup.h"

namespace {

using cardgen::Colour;
using cardgen::Rect;

constexpr int kW = 72;
constexpr int kH = 97;
const Rect kCard{0, 0, kW, kH};
const Rect kInside{1, 1, kW - 2, kH - 2};
// Everything between the two corner indices.
const Rect kMiddle{cardgen::kCourtFrame.x, cardgen::kCourtFrame.y, cardgen::kCourtFrame.width,
                   cardgen::kCourtFrame.height};
const Rect kTopIndex{1, 1, 12, 22};

enum Suit { kClubs = 0, kDiamonds = 1, kHearts = 2, kSpades = 3 };

int Number(int suit, int rank) {
    return suit * 13 + rank;
}
bool IsRed(int suit) {
    return suit == kDiamonds || suit == kHearts;
}
Colour Ink(int suit) {
    return IsRed(suit) ? Colour::Maroon : Colour::Black;
}

PaletteGrid Face(int n) {
    const QImage img = ui::PictureByNumber(n);
    EXPECT_FALSE(img.isNull()) << n;
    return PaletteGrid(img);
}

bool OnCardFrame(int x, int y) {
    return x == 0 || y == 0 || x == kW - 1 || y == kH - 1;
}
bool OnCourtFrame(int x, int y) {
    const Rect& f = cardgen::kCourtFrame;
    return f.Contains(x, y) && (x == f.x || y == f.y || x == f.Right() || y == f.Bottom());
}

TEST(Faces, AreAllDifferent) {
    std::vector<PaletteGrid> seen;
    for (int n = 1; n <= 58; ++n) {
        const PaletteGrid g = Face(n);
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_FALSE(g == seen[i]) << "picture " << n << " repeats picture " << i + 1;
        }
        seen.push_back(g);
    }
}

TEST(Faces, IndexStandsTopLeftAndTurnedBottomRight) {
    for (int n = 1; n <= 52; ++n) {
        const PaletteGrid g = Face(n);
        const int suit = (n - 1) / 13;
        int inked = 0;
        for (int y = kTopIndex.y; y <= kTopIndex.Bottom(); ++y) {
            for (int x = kTopIndex.x; x <= kTopIndex.Right(); ++x) {
                ASSERT_EQ(g.At(x, y), g.At(kW - 1 - x, kH - 1 - y)) << n << " at " << x << "," << y;
                inked += g.Is(x, y, Ink(suit)) ? 1 : 0;
            }
        }
        // Rank over suit sign: separate marks in the suit's colour ("10" is two of them).
        const int rank = (n - 1) % 13 + 1;
        EXPECT_GT(inked, 20) << n;
        EXPECT_EQ(g.Components(kTopIndex, IsColour(Ink(suit))).size(), rank == 10 ? 3u : 2u) << n;
    }
}

TEST(Faces, BlackSuitsCarryNoMaroonOutsideTheCourtFigure) {
    for (int suit : {kClubs, kSpades}) {
        for (int rank = 1; rank <= 13; ++rank) {
            const PaletteGrid g = Face(Number(suit, rank));
            const Rect& allowed = rank >= 11 ? cardgen::kCourtInside : Rect{};
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    if (!allowed.Contains(x, y)) {
                        ASSERT_TRUE(g.Is(x, y, Colour::Black) || g.Is(x, y, Colour::White))
                            << Number(suit, rank) << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(Faces, RedSuitsUseBlackOnlyForFramesAndCourtFigures) {
    for (int suit : {kDiamonds, kHearts}) {
        for (int rank = 1; rank <= 13; ++rank) {
            const PaletteGrid g = Face(Number(suit, rank));
            const bool court = rank >= 11;
            int maroon = 0;
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    maroon += g.Is(x, y, Colour::Maroon) ? 1 : 0;
                    if (OnCardFrame(x, y) ||
                        (court && (OnCourtFrame(x, y) || cardgen::kCourtInside.Contains(x, y)))) {
                        continue;
                    }
                    ASSERT_TRUE(g.Is(x, y, Colour::Maroon) || g.Is(x, y, Colour::White))
                        << Number(suit, rank) << " at " << x << "," << y;
                }
            }
            EXPECT_GT(maroon, 40) << Number(suit, rank);
        }
    }
}

TEST(Faces, PipCardsShowTheirNumberOfSeparateSigns) {
    for (int suit = kClubs; suit <= kSpades; ++suit) {
        for (int rank = 2; rank <= 10; ++rank) {
            const PaletteGrid g = Face(Number(suit, rank));
            const auto pips = g.Components(kMiddle, IsColour(Ink(suit)));
            ASSERT_EQ(static_cast<int>(pips.size()), rank) << Number(suit, rank);
            for (const Rect& p : pips) {
                EXPECT_GE(p.width, 9) << "pip of " << Number(suit, rank);
                EXPECT_LE(p.width, 13) << "pip of " << Number(suit, rank);
            }
        }
    }
}

TEST(Faces, PipLayoutsReadTheSameFromEitherEnd) {
    // Every pip has a partner where the card turned round would put it, except the seven's
    // extra pip above the middle. The side columns are placed symmetrically; the middle
    // column sits one pixel left of the card's centre line, as the card's width is even.
    for (int suit = kClubs; suit <= kSpades; ++suit) {
        for (int rank = 2; rank <= 10; ++rank) {
            const auto pips = Face(Number(suit, rank)).Components(kMiddle, IsColour(Ink(suit)));
            std::multiset<std::pair<int, int>> centres; // doubled, to stay whole numbers
            for (const Rect& p : pips) {
                centres.insert({2 * p.x + p.width - 1, 2 * p.y + p.height - 1});
            }
            int alone = 0;
            for (const auto& [cx, cy] : centres) {
                const int mx = 2 * (kW - 1) - cx;
                const int my = 2 * (kH - 1) - cy;
                if (centres.count({mx, my}) + centres.count({mx - 2, my}) == 0) {
                    ++alone;
                    EXPECT_EQ(rank, 7) << Number(suit, rank) << " pip at " << cx / 2.0 << ","
                                       << cy / 2.0 << " has no partner";
                    EXPECT_EQ(cx, 2 * cardgen::kPipMiddle);
                    EXPECT_LT(cy, kH - 1) << "the seven's extra pip is above the middle";
                }
            }
            EXPECT_EQ(alone, rank == 7 ? 1 : 0) << Number(suit, rank);
        }
    }
}

TEST(Faces, AcesCarryOneCentredSign) {
    for (int suit = kClubs; suit <= kSpades; ++suit) {
        const PaletteGrid g = Face(Number(suit, 1));
        const auto signs = g.Components(kMiddle, IsColour(Ink(suit)));
        ASSERT_FALSE(signs.empty());
        // The biggest mark is the sign; it sits on the middle of the card.
        Rect sign = signs.front();
        for (const Rect& s : signs) {
            if (s.width * s.height > sign.width * sign.height) {
                sign = s;
            }
        }
        EXPECT_NEAR(sign.x + (sign.width - 1) / 2.0, (kW - 1) / 2.0, 1.0) << suit;
        EXPECT_NEAR(sign.y + (sign.height - 1) / 2.0, (kH - 1) / 2.0, 2.0) << suit;
        EXPECT_GE(sign.width, 20) << suit;
        if (suit != kSpades) {
            EXPECT_EQ(signs.size(), 1u) << suit;
        }
    }
}

TEST(Faces, AceOfSpadesIsLargeAndOrnamented) {
    const PaletteGrid g = Face(40);
    const auto marks = g.Components(kMiddle, IsColour(Colour::Black));
    Rect sign{};
    for (const Rect& s : marks) {
        if (s.width * s.height > sign.width * sign.height) {
            sign = s;
        }
    }
    EXPECT_GE(sign.width, 40);
    EXPECT_GE(sign.height, 45);
    // Ornament: white drawing inside the black body, not just a filled shape.
    const Rect body{sign.x + sign.width / 4, sign.y + sign.height / 4, sign.width / 2,
                    sign.height / 2};
    EXPECT_GT(g.Count(body, IsColour(Colour::White)), 20);
    EXPECT_GT(g.Count(body, IsColour(Colour::Black)), body.width * body.height / 3);
}

TEST(Faces, CourtCardsAreFramedDoubleEndedFigures) {
    for (int suit = kClubs; suit <= kSpades; ++suit) {
        for (int rank = 11; rank <= 13; ++rank) {
            const int n = Number(suit, rank);
            const PaletteGrid g = Face(n);
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    ASSERT_EQ(g.At(x, y), g.At(kW - 1 - x, kH - 1 - y))
                        << n << " is not the same turned round, at " << x << "," << y;
                    if (OnCourtFrame(x, y)) {
                        ASSERT_TRUE(g.Is(x, y, Colour::Black))
                            << n << " frame at " << x << "," << y;
                    }
                }
            }
            const std::set<int> inside = g.ColoursIn(cardgen::kCourtInside);
            const std::set<int> expected{
                cardgen::Index(Colour::Black), cardgen::Index(Colour::Maroon),
                cardgen::Index(Colour::Olive), cardgen::Index(Colour::White)};
            EXPECT_EQ(inside, expected) << n;
            // A large suit sign in the frame's top-left corner (and so also bottom-right).
            const Rect corner{cardgen::kCourtInside.x, cardgen::kCourtInside.y, 16, 16};
            const auto signs = g.Components(corner, IsColour(Ink(suit)));
            ASSERT_FALSE(signs.empty()) << n;
            EXPECT_GE(signs.front().width, 9) << n;
            if (IsRed(suit)) {
                EXPECT_EQ(g.Count(corner, IsColour(Colour::Maroon)),
                          g.Count(corner, NotColour(Colour::White)))
                    << n << ": the corner sign is all maroon";
            }
        }
    }
}

TEST(Faces, CourtFiguresDifferByRank) {
    for (int suit = kClubs; suit <= kSpades; ++suit) {
        const Rect figure{cardgen::kCourtInside.x + 16, cardgen::kCourtInside.y, 28, 40};
        const PaletteGrid j = Face(Number(suit, 11));
        const PaletteGrid q = Face(Number(suit, 12));
        const PaletteGrid k = Face(Number(suit, 13));
        int jq = 0, qk = 0, jk = 0;
        for (int y = figure.y; y <= figure.Bottom(); ++y) {
            for (int x = figure.x; x <= figure.Right(); ++x) {
                jq += j.At(x, y) != q.At(x, y);
                qk += q.At(x, y) != k.At(x, y);
                jk += j.At(x, y) != k.At(x, y);
            }
        }
        EXPECT_GT(std::min({jq, qk, jk}), 100) << suit;
    }
}

} // namespace

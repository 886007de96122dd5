#include "tools/cardgen/face_painter.h"

#include <vector>

#include "tools/cardgen/court_art.h"
#include "tools/cardgen/face_layout.h"
#include "tools/cardgen/rank_glyphs.h"
#include "tools/cardgen/suit_glyphs.h"

namespace cardgen {
namespace {

struct Pip {
    int x;
    int y;
};

void PaintIndex(Canvas& card, Suit suit, Rank rank) {
    const Colour ink = InkOf(suit);
    const Glyph& r = RankGlyph(rank);
    const Glyph& s = SuitSign(suit, SignSize::Index);
    const Rect& col = kIndexColumn;
    card.Draw(r, col.x + (col.width - r.Width()) / 2, col.y, ink);
    card.Draw(s, col.x + (col.width - s.Width()) / 2, col.y + r.Height() + kIndexSignGap, ink);
    // The same index, turned, in the opposite corner.
    const int sign_y = col.y + r.Height() + kIndexSignGap;
    const int rx = col.x + (col.width - r.Width()) / 2;
    const int sx = col.x + (col.width - s.Width()) / 2;
    card.Draw(r, kTurnX - (rx + r.Width() - 1), kTurnY - (col.y + r.Height() - 1), ink,
              Turn::HalfTurn);
    card.Draw(s, kTurnX - (sx + s.Width() - 1), kTurnY - (sign_y + s.Height() - 1), ink,
              Turn::HalfTurn);
}

// Where the pips of a card go: the usual arrangements, given as centres in the upper half and
// on the middle row; everything below the middle is the mirror of something above it.
std::vector<Pip> PipCentres(Rank rank) {
    const int top = kPipTop;
    const int mid = kCardMiddleRow;
    const int quarter = top + (mid - top) * 2 / 3; // second of four rows down a side
    const int between = (top + mid) / 2;           // between the top and middle rows
    const int upper_ten = (top + quarter) / 2;     // between the first two of four rows
    auto mirrored = [](std::vector<Pip> upper) {
        std::vector<Pip> all = upper;
        for (const Pip& p : upper) {
            if (p.y != kCardMiddleRow) {
                all.push_back({p.x, kTurnY - p.y});
            }
        }
        return all;
    };
    switch (rank) {
    case Rank::Two:
        return mirrored({{kPipMiddle, top}});
    case Rank::Three:
        return mirrored({{kPipMiddle, top}, {kPipMiddle, mid}});
    case Rank::Four:
        return mirrored({{kPipLeft, top}, {kPipRight, top}});
    case Rank::Five:
        return mirrored({{kPipLeft, top}, {kPipRight, top}, {kPipMiddle, mid}});
    case Rank::Six:
        return mirrored({{kPipLeft, top}, {kPipRight, top}, {kPipLeft, mid}, {kPipRight, mid}});
    case Rank::Seven: {
        std::vector<Pip> p =
            mirrored({{kPipLeft, top}, {kPipRight, top}, {kPipLeft, mid}, {kPipRight, mid}});
        p.push_back({kPipMiddle, between});
        return p;
    }
    case Rank::Eight:
        return mirrored({{kPipLeft, top},
                         {kPipRight, top},
                         {kPipLeft, mid},
                         {kPipRight, mid},
                         {kPipMiddle, between}});
    case Rank::Nine:
        return mirrored({{kPipLeft, top},
                         {kPipRight, top},
                         {kPipLeft, quarter},
                         {kPipRight, quarter},
                         {kPipMiddle, mid}});
    case Rank::Ten:
        return mirrored({{kPipLeft, top},
                         {kPipRight, top},
                         {kPipLeft, quarter},
                         {kPipRight, quarter},
                         {kPipMiddle, upper_ten}});
    default:
        return {};
    }
}

void PaintPips(Canvas& card, Suit suit, Rank rank) {
    const Glyph& g = SuitSign(suit, SignSize::Pip);
    for (const Pip& p : PipCentres(rank)) {
        const int x = p.x - g.Width() / 2;
        if (p.y > kCardMiddleRow) {
            // The mirror of the pip placed at the matching upper centre.
            const int upper_y = (kTurnY - p.y) - g.Height() / 2;
            card.Draw(g, x, kTurnY - (upper_y + g.Height() - 1), InkOf(suit), Turn::HalfTurn);
        } else {
            card.Draw(g, x, p.y - g.Height() / 2, InkOf(suit));
        }
    }
}

void PaintCourt(Canvas& card, Suit suit, Rank rank) {
    card.Outline(kCourtFrame, Colour::Black);
    const Glyph& figure = CourtFigure(rank);
    card.Draw(figure, kCourtInside.x, kCourtInside.y, Colour::Black);
    const Glyph& sign = SuitSign(suit, SignSize::Pip);
    card.Draw(sign, kCourtInside.x + kCourtSignInset, kCourtInside.y + kCourtSignInset,
              InkOf(suit));
    card.HorizontalLine(kCourtInside.x, kCourtInside.Right(), kCardMiddleRow, Colour::Black);
    card.CompleteHalfTurn(kCourtInside);
}

} // namespace

Canvas PaintFace(Suit suit, Rank rank) {
    Canvas card(kCardWidth, kCardHeight, Colour::White);
    card.Outline({0, 0, kCardWidth, kCardHeight}, Colour::Black);
    if (IsCourt(rank)) {
        PaintCourt(card, suit, rank);
    } else if (rank == Rank::Ace && suit == Suit::Spades) {
        PaintOrnamentalSpade(card, kAceOfSpadesSign);
    } else if (rank == Rank::Ace) {
        PaintLargeSign(card, suit, kAceSign);
    } else {
        PaintPips(card, suit, rank);
    }
    PaintIndex(card, suit, rank);
    return card;
}

} // namespace cardgen

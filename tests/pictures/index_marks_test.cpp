// Every face shows its own rank and suit in its corner: the corner's marks are matched
// against reference marks kept as plain text (index_marks.txt), not against anything the
// picture generator computes, so swapped suit signs or rank letters cannot pass.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ui/pictures/picture_lookup.h"

namespace {

using Mark = std::vector<std::string>; // rows of '#' (ink) and '.' (card)

const char* const kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char* const kSuits[] = {"clubs", "diamonds", "hearts", "spades"};

// The corner where the index stands: inside the card's outline, left of a court figure's
// frame and of the pips, above the middle of the card.
constexpr int kCornerLeft = 1;
constexpr int kCornerRight = 12;
constexpr int kCornerTop = 1;
constexpr int kCornerBottom = 30;

struct References {
    std::map<std::string, Mark> ranks;
    std::map<std::string, Mark> suits;
};

References ReadReferences() {
    References refs;
    std::ifstream in(VANDOLIN_INDEX_MARKS);
    std::string line;
    Mark* current = nullptr;
    while (std::getline(in, line)) {
        // A blank line or a comment ("# ...", never a row of a mark) ends a mark.
        if (line.empty() || line.rfind("# ", 0) == 0) {
            current = nullptr;
            continue;
        }
        std::istringstream words(line);
        std::string kind, name;
        words >> kind >> name;
        if (kind == "rank" || kind == "suit") {
            current = &(kind == "rank" ? refs.ranks : refs.suits)[name];
            continue;
        }
        if (current)
            current->push_back(line);
    }
    return refs;
}

bool Inked(const QImage& face, int x, int y) {
    return (face.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
}

// The runs of inked rows in the corner, top to bottom, each cropped to its ink.
std::vector<Mark> CornerMarks(const QImage& face) {
    std::vector<std::pair<int, int>> runs; // first and last row
    for (int y = kCornerTop; y <= kCornerBottom; ++y) {
        bool any = false;
        for (int x = kCornerLeft; x <= kCornerRight; ++x)
            any = any || Inked(face, x, y);
        if (any && (runs.empty() || runs.back().second != y - 1))
            runs.emplace_back(y, y);
        else if (any)
            runs.back().second = y;
    }
    std::vector<Mark> marks;
    for (const auto& [top, bottom] : runs) {
        int left = kCornerRight, right = kCornerLeft;
        for (int y = top; y <= bottom; ++y)
            for (int x = kCornerLeft; x <= kCornerRight; ++x)
                if (Inked(face, x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        Mark mark;
        for (int y = top; y <= bottom; ++y) {
            std::string row;
            for (int x = left; x <= right; ++x)
                row += Inked(face, x, y) ? '#' : '.';
            mark.push_back(row);
        }
        marks.push_back(mark);
    }
    return marks;
}

// Pixels that differ; a mark of another size does not match at all.
int Distance(const Mark& a, const Mark& b) {
    if (a.size() != b.size() || a.empty() || a[0].size() != b[0].size())
        return std::numeric_limits<int>::max();
    int differ = 0;
    for (std::size_t y = 0; y < a.size(); ++y)
        for (std::size_t x = 0; x < a[y].size(); ++x)
            differ += a[y][x] != b[y][x];
    return differ;
}

// The reference the mark is nearest to, and whether it is near enough to read as it: at most
// one pixel in ten wrong.
std::string Read(const Mark& mark, const std::map<std::string, Mark>& references) {
    std::string best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const auto& [name, reference] : references) {
        const int d = Distance(mark, reference);
        if (d < bestDistance) {
            bestDistance = d;
            best = name;
        }
    }
    const int area = mark.empty() ? 0 : static_cast<int>(mark.size() * mark[0].size());
    return bestDistance <= area / 10 ? best : "nothing";
}

std::string Show(const Mark& mark) {
    std::string text;
    for (const std::string& row : mark)
        text += row + "\n";
    return text;
}

TEST(Faces, CornerIndexReadsAsTheCardsRankAndSuit) {
    const References refs = ReadReferences();
    ASSERT_EQ(refs.ranks.size(), 13u) << "reference marks in " << VANDOLIN_INDEX_MARKS;
    ASSERT_EQ(refs.suits.size(), 4u);
    for (int n = 1; n <= 52; ++n) {
        const std::string rank = kRanks[(n - 1) % 13];
        const std::string suit = kSuits[(n - 1) / 13];
        const QImage face = ui::PictureByNumber(n).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(face.size(), QSize(72, 97)) << n;
        const std::vector<Mark> marks = CornerMarks(face);
        ASSERT_EQ(marks.size(), 2u) << "picture " << n << ": the rank over the suit sign";
        EXPECT_EQ(Read(marks[0], refs.ranks), rank)
            << "picture " << n << " (" << rank << " of " << suit << ") shows\n"
            << Show(marks[0]);
        EXPECT_EQ(Read(marks[1], refs.suits), suit)
            << "picture " << n << " (" << rank << " of " << suit << ") shows\n"
            << Show(marks[1]);
    }
}

} // namespace

#include "tools/cardgen/picture_set.h"

#include "tools/cardgen/back_painter.h"
#include "tools/cardgen/face_painter.h"

namespace cardgen {
namespace {

constexpr int kCardsPerSuit = 13;
constexpr int kLastFace = 52;

} // namespace

std::vector<int> PictureNumbers() {
    std::vector<int> numbers;
    for (int n = 1; n <= kLastBack; ++n) {
        numbers.push_back(n);
    }
    numbers.push_back(kEmptySlot);
    return numbers;
}

std::optional<Canvas> PaintPicture(int number) {
    if (number >= 1 && number <= kLastFace) {
        const auto suit = static_cast<Suit>((number - 1) / kCardsPerSuit + 1);
        const auto rank = static_cast<Rank>((number - 1) % kCardsPerSuit + 1);
        return PaintFace(suit, rank);
    }
    if (number >= kFirstBack && number <= kLastBack) {
        return PaintBack(number - kLastFace);
    }
    if (number == kEmptySlot) {
        return PaintEmptySlot();
    }
    return std::nullopt;
}

std::string PictureName(int number) {
    return "BITMAP_" + std::to_string(number);
}

} // namespace cardgen

#include "odds/card_text.h"

#include <cctype>

namespace odds {

namespace {

constexpr std::string_view kRankLetters = "A23456789TJQK";
constexpr std::string_view kSuitLetters = "CDHS";

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

std::optional<CardCode> parseCard(std::string_view text) {
    std::string_view rankText = text.substr(0, text.empty() ? 0 : text.size() - 1);
    if (rankText == "10")
        rankText = "T";
    if (text.size() < 2 || rankText.size() != 1)
        return std::nullopt;
    const auto rank = kRankLetters.find(upper(rankText.front()));
    const auto suit = kSuitLetters.find(upper(text.back()));
    if (rank == std::string_view::npos || suit == std::string_view::npos)
        return std::nullopt;
    return codeOf(static_cast<int>(suit) * kRanksPerSuit + static_cast<int>(rank));
}

std::string cardName(CardCode code) {
    if (!isCardCode(code))
        return "??";
    const int index = indexOf(code);
    return {kRankLetters[static_cast<std::size_t>(rankOfIndex(index))],
            kSuitLetters[static_cast<std::size_t>(suitOfIndex(index))]};
}

} // namespace odds

#pragma once

#include "odds/hand_result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace odds {

// Pay tables come in two conventions. A net table gives the win on top of the returned stake
// (the game's own: nothing loses the stake, -1); a gross table gives the whole payout for a
// stake of one, stake included ("9/6 for one"). The analyser works in gross units throughout;
// the two differ by exactly one unit, so they rank holds identically.
enum class PayBasis { Net, Gross };

class PayTable {
public:
    // Pays beyond this size are refused, so that every sum the analyser forms stays exact.
    static constexpr std::int64_t kMaxPay = 1'000'000;

    // No table unless every pay lies within +-kMaxPay.
    static std::optional<PayTable> make(std::string name, PayBasis basis,
                                        const PerResult<std::int64_t>& pays);

    // The game's table: -1, 2, 3, 5, 10, 20, 50, 100, 200, 500, net.
    static PayTable game();
    // 9/6 jacks or better: 0, 1, 2, 3, 4, 6, 9, 25, 50, 800, gross.
    static PayTable jacksOrBetter96();

    const std::string& name() const { return name_; }
    PayBasis basis() const { return basis_; }
    const PerResult<std::int64_t>& pays() const { return pays_; }
    std::int64_t pay(HandResult result) const;
    // The payout for a stake of one, stake included.
    std::int64_t grossPay(HandResult result) const;
    PerResult<std::int64_t> grossPays() const;

private:
    PayTable(std::string name, PayBasis basis, const PerResult<std::int64_t>& pays);

    std::string name_;
    PayBasis basis_;
    PerResult<std::int64_t> pays_;
};

std::string_view basisName(PayBasis basis);

} // namespace odds

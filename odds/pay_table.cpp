#include "odds/pay_table.h"

#include "engine/pay_table.h"

#include <utility>

namespace odds {

PayTable::PayTable(std::string name, PayBasis basis, const PerResult<std::int64_t>& pays)
    : name_(std::move(name)), basis_(basis), pays_(pays) {}

std::optional<PayTable> PayTable::make(std::string name, PayBasis basis,
                                       const PerResult<std::int64_t>& pays) {
    for (std::int64_t pay : pays)
        if (pay > kMaxPay || pay < -kMaxPay)
            return std::nullopt;
    return PayTable(std::move(name), basis, pays);
}

PayTable PayTable::game() {
    PerResult<std::int64_t> pays{};
    for (int i = 0; i < kResultCount; ++i)
        pays[static_cast<std::size_t>(i)] = engine::kGamePayTable[static_cast<std::size_t>(i) + 1];
    return PayTable("game", PayBasis::Net, pays);
}

PayTable PayTable::jacksOrBetter96() {
    return PayTable("9/6", PayBasis::Gross, {0, 1, 2, 3, 4, 6, 9, 25, 50, 800});
}

std::int64_t PayTable::pay(HandResult result) const {
    return pays_[static_cast<std::size_t>(resultIndex(result))];
}

std::int64_t PayTable::grossPay(HandResult result) const {
    return pay(result) + (basis_ == PayBasis::Net ? 1 : 0);
}

PerResult<std::int64_t> PayTable::grossPays() const {
    PerResult<std::int64_t> gross{};
    for (int i = 0; i < kResultCount; ++i)
        gross[static_cast<std::size_t>(i)] = grossPay(resultAt(i));
    return gross;
}

std::string_view basisName(PayBasis basis) {
    return basis == PayBasis::Net ? "net" : "gross";
}

} // namespace odds

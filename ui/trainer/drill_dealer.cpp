#include "ui/trainer/drill_dealer.h"

#include <QApplication>
#include <QTimer>

namespace ui {

namespace {

constexpr int kPollMs = 20;

} // namespace

DrillDealer::DrillDealer(std::unique_ptr<trainer::Drill> drill, engine::Game& game, QObject* parent)
    : QObject(parent), drill_(std::move(drill)), game_(game) {
    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, [this] { takeSearchWhenDone(false); });
}

DrillDealer::~DrillDealer() {
    *cancelled_ = true;
    game_.ArrangeDeck = nullptr;
}

void DrillDealer::prepareDeal(std::function<void()> deal) {
    if (searching())
        return;
    deal_ = std::move(deal);
    startSearch();
}

void DrillDealer::startSearch() {
    if (drill_->done()) {
        // Nothing left to drill: the plain table's deal.
        lastDealDrilled_ = false;
        if (deal_)
            std::exchange(deal_, nullptr)();
        return;
    }
    // The game's own shuffle, seeded by the clock now, as the deal would do it.
    game_.ResetDeck();
    game_.ShuffleDeck();
    search_ = std::async(
        std::launch::async, [chart = drill_->chart(), line = *drill_->line(),
                             start = trainer::ShuffledDeck{game_.Deck, game_.RandomState},
                             limit = drill_->maxShuffles(), cancelled = cancelled_] {
            return trainer::Drill::search(*chart, line, start, limit, cancelled.get());
        });
    poll_->start();
    emit changed();
}

void DrillDealer::finishSearch() {
    takeSearchWhenDone(true);
}

void DrillDealer::takeSearchWhenDone(bool wait) {
    while (searching()) {
        if (!found_) {
            if (!wait && search_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
                return;
            found_ = search_.get();
            if (!found_) {
                poll_->stop();
                drill_->giveUp();
                startSearch(); // the next rule, or the plain deal
                continue;
            }
        }
        // Not while a box is open over the table (the bet prompt): the round's stake must not
        // change under a dealt hand. The deal follows once it has closed.
        if (QApplication::activeModalWidget() && !wait)
            return;
        poll_->stop();
        // The deal reshuffles as ever; the found deck then takes the shuffled one's place.
        game_.ArrangeDeck = [deck = *std::exchange(found_, std::nullopt)](engine::Game& game) {
            deck.placeIn(game);
        };
        lastDealDrilled_ = deal_ != nullptr;
        if (deal_)
            std::exchange(deal_, nullptr)();
        game_.ArrangeDeck = nullptr;
    }
    emit changed();
}

void DrillDealer::abandonDeal() {
    deal_ = nullptr;
}

void DrillDealer::judged(bool right) {
    drill_->judged(right);
    emit changed();
}

} // namespace ui

#pragma once

#include "engine/game.h"
#include "ui/trainer/drill.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>

class QTimer;

namespace ui {

// Deals a drill's hands without holding up the table: at the deck click the game's own
// shuffle is done, the search for a deal of the drilled rule runs on another thread from
// there, and the deal follows once the deck is found. A rule no shuffle reaches is given up
// and the next one searched; with none left the deal is the plain table's.
class DrillDealer : public QObject {
    Q_OBJECT
public:
    DrillDealer(std::unique_ptr<trainer::Drill> drill, engine::Game& game,
                QObject* parent = nullptr);
    // Stops a search under way and waits for its thread.
    ~DrillDealer() override;

    const trainer::Drill& drill() const { return *drill_; }
    bool searching() const { return search_.valid() || found_.has_value(); }
    // A deal is found and waits for a box over the table to close.
    bool dealHeldBack() const { return found_.has_value(); }
    // Searches for the next drilled deal; `deal` then deals it (on this thread), the game's
    // ArrangeDeck setting the found deck. Ignored while a search is under way.
    void prepareDeal(std::function<void()> deal);
    // Whether the hand last dealt came from the drill.
    bool lastDealDrilled() const { return lastDealDrilled_; }
    // The drawn drilled hand was right (no hold worth more) or not.
    void judged(bool right);
    // Waits for a search under way and deals (tests).
    void finishSearch();
    // The deck click that asked for the deal no longer stands (a new game began): the search
    // ends unused.
    void abandonDeal();

signals:
    // The drill's status changed: a search began or ended, a rule was given up.
    void changed();

private:
    void startSearch();
    void takeSearchWhenDone(bool wait);

    std::unique_ptr<trainer::Drill> drill_;
    engine::Game& game_;
    std::function<void()> deal_;
    std::shared_ptr<std::atomic_bool> cancelled_ = std::make_shared<std::atomic_bool>(false);
    std::future<std::optional<trainer::ShuffledDeck>> search_;
    // The search's answer, kept while a box over the table holds the deal back.
    std::optional<trainer::ShuffledDeck> found_;
    QTimer* poll_ = nullptr;
    bool lastDealDrilled_ = false;
};

} // namespace ui

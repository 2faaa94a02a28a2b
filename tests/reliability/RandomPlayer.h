#pragma once

#include "PlayModel.h"

#include <cstdint>
#include <random>

namespace reliability {

// Chooses the next action from a seeded generator. It plays like an erratic
// player: mostly sensible moves (the right light, the quarry's light, waiting
// for the next tick) so that long games and fast chases happen, mixed with
// every other input at any moment, things done while a box is open, and now and
// then the window closed. A quarter of its presses are keys: pressed, held while
// time passes and other keys come, repeated, and released, or lost with the focus;
// a tenth come from an assistive tool, as its Press action.
class RandomPlayer {
public:
    struct Options {
        double closeGamePerEvent = 1.0 / 20000; // closing the game window
        double closeSplashPerLife = 0.05;
        double boxSteps = 0.3; // chance of scripting what happens inside boxes
        bool closeInBoxes = true;
        bool pokes = false; // deliberate set-ups near the 16-bit limits
        double skill = 0.88; // chance of the right light when the player knows it
        double expertLives = 0.3; // lives played almost without a mistake, to go deep
        double keys = 0.25; // chance that a light or steering input is a key
        double accessible = 0.1; // chance that one is an assistive tool's Press
    };

    RandomPlayer(std::uint64_t seed, Options options);
    explicit RandomPlayer(std::uint64_t seed) : RandomPlayer(seed, Options{}) {}

    Action next(const GameModel& model);
    // A new program has started.
    void newLife();

private:
    bool chance(double p);
    int below(int n);
    std::int64_t randomWaitUs();
    Action lightGesture(int light);
    Action helpAction();
    void addBoxSteps(Action& action);
    // Turns a light's or a steering control's input into the press of its key, or
    // into an assistive tool's Press.
    void asKey(Action& action);
    void asAccessiblePress(Action& action);
    Action whileKeyHeld();

    std::mt19937_64 rng_;
    Options options_;
    bool pressed_ = false;
    int pressedLight_ = 1;
    int pressedButton_ = 1;
    bool clicked_ = false;
    bool expert_ = false;
    int heldKey_ = 0; // the key the player holds down, 0 for none
};

} // namespace reliability

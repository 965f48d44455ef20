#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One order a side gives: from the mouse, from orvalen-sim's script, from a recorded game or
// from the computer. Objects are named by their index in the object manager's list at the moment
// the order is applied, so a command means the same in every replay of the game.
struct Command {
    enum class Kind {
        Select,     // replace the selection with `objects` (the side's own first; none clears it)
        Move,       // the selection walks to (x, z)
        Act,        // the selection acts on objects[0]: gathers, builds, attacks or walks there
        Train,      // the selected building queues a unit: `value` 5 a Worker, 6 a Marine
        Spawn,      // an object of type `value` for the side at (x, z): for scripted tests
        AttackMove, // the selection walks to (x, z) and fights what comes within range on the way
        Stop,       // the selection gives up what it was told to do
        Place,      // the selected Workers put a site of building type `value` at (x, z)
    };

    int32_t player = 0;
    Kind kind = Kind::Select;
    std::vector<std::size_t> objects;
    int32_t value = 0;
    double x = 0.0;
    double z = 0.0;

    bool operator==(const Command&) const = default;

    static Command select(int32_t player, std::vector<std::size_t> objects);
    static Command move(int32_t player, double x, double z);
    static Command act(int32_t player, std::size_t target);
    static Command train(int32_t player, int32_t code);
    static Command spawn(int32_t player, int32_t type, double x, double z);
    static Command attackMove(int32_t player, double x, double z);
    static Command stop(int32_t player);
    static Command place(int32_t player, int32_t type, double x, double z);
};

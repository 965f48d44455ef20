#include "sim/game/Command.h"

#include <utility>

Command Command::select(int32_t player, std::vector<std::size_t> objects) {
    return {player, Kind::Select, std::move(objects), 0, 0.0, 0.0};
}

Command Command::move(int32_t player, double x, double z) {
    return {player, Kind::Move, {}, 0, x, z};
}

Command Command::act(int32_t player, std::size_t target) {
    return {player, Kind::Act, {target}, 0, 0.0, 0.0};
}

Command Command::train(int32_t player, int32_t code) {
    return {player, Kind::Train, {}, code, 0.0, 0.0};
}

Command Command::spawn(int32_t player, int32_t type, double x, double z) {
    return {player, Kind::Spawn, {}, type, x, z};
}

Command Command::attackMove(int32_t player, double x, double z) {
    return {player, Kind::AttackMove, {}, 0, x, z};
}

Command Command::stop(int32_t player) {
    return {player, Kind::Stop, {}, 0, 0.0, 0.0};
}

Command Command::place(int32_t player, int32_t type, double x, double z) {
    return {player, Kind::Place, {}, type, x, z};
}

#include "app/frame/BombFlight.h"

#include "bsp/Collision.h"

#include <cstddef>
#include <utility>

namespace trovane {

Bomb reflectingBomb(Vector3 position, Vector3 direction) {
    return Bomb{position, direction, kReflectingBombLife, true};
}

Bomb stickyBomb(Vector3 position, Vector3 direction) {
    return Bomb{position, direction, kStickyBombLife, false};
}

void stepBomb(Bomb& bomb, const BspTree* tree, float dt) {
    const float step = dt * kBombSpeed;
    const Vector3 target = bomb.position + bomb.direction * step;
    const HitRecord hit =
        tree != nullptr ? collide(*tree, bomb.position, target, 0.0f) : HitRecord{};
    if (hit.isHit() && hit.distance <= step) {
        bomb.direction = reflect(bomb.direction, hit.normal);
        if (bomb.reflecting) {
            bomb.position = hit.point + bomb.direction * (step - hit.distance);
        } else {
            bomb.position = hit.point;
            bomb.life = 0.0f;
        }
    } else {
        bomb.position = target;
    }
    bomb.life -= step;
    if (bomb.life < 0.0f) {
        bomb.life = 0.0f;
    }
}

void advanceBombs(std::vector<SharedPtr<Bomb>>& bombs, const BspTree* tree, float dt) {
    // Compacts in place: a removal never makes the next bomb miss its step.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < bombs.size(); ++i) {
        if (!bombs[i]) {
            continue;
        }
        Bomb& bomb = *bombs[i];
        if (bomb.life > 0.0f) {
            stepBomb(bomb, tree, dt);
        } else if (bomb.reflecting) {
            continue;
        }
        if (kept != i) {
            bombs[kept] = std::move(bombs[i]);
        }
        ++kept;
    }
    bombs.erase(bombs.begin() + static_cast<std::ptrdiff_t>(kept), bombs.end());
}

} // namespace trovane

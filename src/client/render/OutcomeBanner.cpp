#include "client/render/OutcomeBanner.h"

#include "client/render/Banner.h"
#include "core/Input.h"

namespace {
constexpr int TextSize = 96;
} // namespace

void drawOutcomeBanner(GameOutcome::Result result) {
    if (result == GameOutcome::Victory)
        drawBanner("Victory", 255, 215, 60, ClientHeight / 2, TextSize);
    else if (result == GameOutcome::Defeat)
        drawBanner("Defeat", 230, 50, 40, ClientHeight / 2, TextSize);
}

#include "client/render/OutcomeBanner.h"

#include "client/render/Banner.h"
#include "core/Input.h"

namespace {
constexpr int TextSize = 96;
constexpr int NameSize = 32;
} // namespace

void drawOutcomeBanner(GameOutcome::Result result, const std::optional<std::string>& playerName) {
    if (result == GameOutcome::Playing)
        return;
    if (result == GameOutcome::Victory)
        drawBanner("Victory", 255, 215, 60, ClientHeight / 2, TextSize);
    else
        drawBanner("Defeat", 230, 50, 40, ClientHeight / 2, TextSize);
    // The name's band right under the word's, with no seam of the scene between them.
    if (playerName)
        drawBanner(*playerName, 255, 255, 255,
                   ClientHeight / 2 - bannerHalfHeight(TextSize) - bannerHalfHeight(NameSize), NameSize);
}

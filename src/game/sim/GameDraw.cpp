#include "game/sim/Game.h"

#include "app/FrameDuration.h"
#include "app/ResourceIds.h"
#include "app/Title.h"
#include "game/objects/Player.h"
#include "game/sim/GameServices.h"
#include "game/world/Scene.h"
#include "game/world/World.h"

void Game::Draw()
{
    if (!window_ || !services_->HasDisplay())
        return;

    Scene scene;
    scene.world = world_.get();
    scene.backgroundScenery = &background_;
    scene.foregroundScenery = &foreground_;
    if (phase_ != PhaseBackdrop && phase_ != PhaseLevelStart)
        scene.player = player_.get();
    scene.frameCounter = frameCounter_;
    scene.backdrop = phase_ == PhaseBackdrop;
    scene.timeSlowed = IsTimeSlowed();
    // The lava in view is heard only while playing.
    if (phase_ == PhasePlaying)
        scene.lavaListener = sf::Vector2f(player_->x, player_->y);
    const SceneSeen seen = services_->DrawScene(scene);
    if (seen.nearestLava)
        services_->PlaySingleSound(SoundLava, seen.nearestLava->x, seen.nearestLava->y);
    else
        services_->PauseSingleSound(SoundLava);

    const sf::Uint8 alpha = GetFadeAlpha();
    services_->DrawOverlay(alpha);
    if (phase_ != PhaseBackdrop)
        services_->DrawHud(player_->stats);

    switch (phase_) {
    case PhaseLevelStart:
        if (clock_.getElapsedTime() < FrameDuration * 100.f) {
            services_->DrawMapOverview(world_->tilemap);
            DrawTitle(0, alpha);
        } else {
            frameCounter_ = -1;
        }
        break;
    case PhaseLevelCompleted:
    case PhaseLevelDone:
        DrawTitle(1, alpha);
        break;
    case PhasePaused:
        services_->DrawOverlay(150);
        break;
    case PhaseGameOver:
        DrawTitle(2, 255);
        break;
    case PhaseVictory:
        services_->DrawOverlay(alpha);
        break;
    default:
        break;
    }
}

void Game::DrawTitle(std::size_t index, sf::Uint8 alpha)
{
    if (index >= titles_.size())
        return;
    titles_[index].alpha = alpha;
    services_->DrawTitle(titles_[index]);
}

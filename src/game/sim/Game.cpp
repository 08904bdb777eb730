#include "game/sim/Game.h"

#include "app/GameLogicError.h"
#include "app/ProfileStore.h"
#include "app/ResourceIds.h"
#include "app/StateId.h"
#include "app/Title.h"
#include "game/objects/Player.h"
#include "game/sim/GameServices.h"
#include "game/world/LevelCheck.h"
#include "game/world/LevelLoader.h"
#include "game/world/World.h"
#include "kest/RandomEngine.h"

#include <SFML/Window/Event.hpp>

#include <cmath>
#include <map>
#include <utility>

namespace {

// The music of each level of worlds 1 to 3.
std::uint32_t& LevelMusic(std::uint16_t world, std::uint16_t level)
{
    static std::map<std::pair<std::uint16_t, std::uint16_t>, std::uint32_t> table = [] {
        std::map<std::pair<std::uint16_t, std::uint16_t>, std::uint32_t> t;
        for (std::uint16_t w = 1; w <= 3; ++w)
            for (std::uint16_t l = 1; l <= 4; ++l)
                t[{w, l}] = static_cast<std::uint32_t>(4 * (w - 1) + (l - 1));
        return t;
    }();
    return table[{world, level}];
}

const char* const CompletedText =
    "The game can now be saved.\nYou get the next opportunity to save\nonly after finishing the coming level.\n\n"
    "Enter...  Continue game              \nEscape...  Save and return to menu";
const char* const GameOverText = "\nYou have lost all your lives.\n\nEnter...  Try again        \nEscape...  Return to menu";

}  // namespace

Game::Game(GameWindow& window, bool backdrop, std::unique_ptr<GameServices> services)
    : ownServices_(std::move(services)), services_(ownServices_.get()), window_(&window)
{
    Construct(backdrop);
}

Game::Game(bool backdrop, GameServices& services) : services_(&services), window_(nullptr)
{
    Construct(backdrop);
}

Game::Game(const Game& other, GameServices& services)
    : services_(&services),
      foreground_(other.foreground_),
      background_(other.background_),
      gravity_(other.gravity_),
      maxFallSpeed_(other.maxFallSpeed_),
      window_(nullptr),
      frameCounter_(other.frameCounter_),
      clock_(other.clock_),
      phase_(other.phase_),
      jumpHeld_(other.jumpHeld_),
      backgroundIndex_(other.backgroundIndex_),
      savedViewCentre_(other.savedViewCentre_),
      loadedWorld_(other.loadedWorld_),
      loadedLevel_(other.loadedLevel_),
      loadCount_(other.loadCount_)
{
    // The titles and the view belong to a window; a game with one is not
    // copied.
    if (other.window_)
        throw GameLogicError("Only a game without a window can be copied.");
    world_ = std::make_unique<World>(*other.world_);
    if (other.snapshot_)
        snapshot_ = std::make_unique<World>(*other.snapshot_);
    collider_ = other.collider_;
    collider_.SetWorld(world_.get());
    if (other.player_) {
        player_ = std::make_unique<Player>(*other.player_);
        world_->RepointLift(*player_, *other.world_);
    }
}

void Game::Construct(bool backdrop)
{
    const Profile* profile = nullptr;
    if (!backdrop) {
        profile = &CurrentProfile();
        player_ = std::make_unique<Player>(profile->stats);
    }
    world_ = std::make_unique<World>();
    collider_.SetWorld(world_.get());
    clock_.restart();
    phase_ = backdrop ? PhaseBackdrop : PhaseLevelStart;
    if (backdrop) {
        world_->tilemap.InitBorder();
        return;
    }
    const std::uint16_t worldNumber = profile->world;
    const std::uint16_t levelNumber = profile->level;
    LoadLevel(worldNumber, levelNumber);
    services_->SetMainMusic(LevelMusic(worldNumber, levelNumber));
    world_->tilemap.InitBorder();
    services_->SetSuppressed(false);
    services_->BeginPlay(backgroundIndex_);
    services_->SetCursorVisible(false);
    CheckLevel();
    TakeSnapshot();
    BuildTitles(worldNumber, levelNumber);
}

Game::~Game()
{
    services_->ClearEffects();
    services_->SetCursorVisible(true);
    if (phase_ != PhaseBackdrop) {
        services_->PurgeSounds();
        services_->StopMusic();
        services_->SetMainMusic(MusicNone);
        services_->StopSingleSounds();
    }
}

Profile& Game::CurrentProfile()
{
    Profile* profile = services_->Profiles().GetCurrentProfile();
    // The screens choose a profile before a game starts; a game without
    // one cannot be played.
    if (!profile)
        throw GameLogicError("No profile selected.");
    return *profile;
}

void Game::BuildTitles(std::uint16_t world, std::uint16_t level)
{
    // Titles need the font, which needs a display.
    if (!services_->HasDisplay())
        return;
    titles_.clear();
    titles_.emplace_back(Title::StyleMessage, "Level " + std::to_string(world) + "-" + std::to_string(level), "",
                         sf::Color(255, 255, 0));
    titles_.emplace_back(Title::StyleMessage, "Level completed", CompletedText, sf::Color(0, 150, 0));
    titles_.emplace_back(Title::StyleMessage, "Game over", GameOverText, sf::Color(255, 0, 0));
}

int Game::Update()
{
    if (phase_ != PhasePaused)
        ++frameCounter_;
    PlayerInput input;
    const int next = HandleEvents(input);
    if (next == StateStay) {
        RunPhase(input);
        return StateStay;
    }
    if (next == StatePause)
        Pause();
    return next;
}

int Game::HandleEvents(PlayerInput& input)
{
    if (phase_ == PhaseBackdrop)
        return StateStay;
    if (phase_ == PhaseVictory && frameCounter_ >= 0)
        return StateVictory;
    sf::Event event;
    while (services_->PollEvent(event)) {
        switch (event.type) {
        case sf::Event::Closed:
            SaveAndLeave(true);
            return StateQuit;
        case sf::Event::LostFocus:
            if (phase_ == PhasePlaying)
                return StatePause;
            break;
        case sf::Event::KeyReleased:
            if (services_->ActionForKey(event.key.code) == KeyActionJump) {
                input.jumpReleased = true;
                jumpHeld_ = false;
            }
            break;
        case sf::Event::KeyPressed:
            if (event.key.code == sf::Keyboard::Escape && SaveAndLeave(false))
                return StateLevelSelection;
            if (event.key.code == sf::Keyboard::Return) {
                if (phase_ == PhaseLevelDone)
                    return StateNewGame;
                if (phase_ == PhaseGameOver) {
                    ResetSavedPlayer();
                    return StateNewGame;
                }
            }
            if (ApplyKeyAction(event.key.code, input))
                return StatePause;
            break;
        default:
            break;
        }
    }
    return StateStay;
}

bool Game::ApplyKeyAction(sf::Keyboard::Key key, PlayerInput& input)
{
    switch (services_->ActionForKey(key)) {
    case KeyActionJump:
        input.jumpPressed = true;
        jumpHeld_ = true;
        return false;
    case KeyActionRocket:
        input.rocket = true;
        return false;
    case KeyActionRollingBomb:
        input.rollingBomb = true;
        return false;
    case KeyActionMine:
        input.mine = true;
        return false;
    case KeyActionPause:
        return phase_ == PhasePlaying;
    case KeyActionInterface:
        services_->ToggleInterface();
        return false;
    default:
        return false;
    }
}

void Game::RunPhase(const PlayerInput& input)
{
    switch (phase_) {
    case PhasePlaying:
        ControlPlayer(input);
        UpdateWorld();
        // The contacts may have ended the level or the game; the audio and
        // the camera still follow this step.
        UpdateAudio();
        UpdateCamera();
        break;
    case PhaseBackdrop:
        UpdateWorld();
        UpdateCamera();
        break;
    case PhaseLevelStart:
        if (frameCounter_ >= 0) {
            Respawn(false);
            services_->PlayMainMusic();
        }
        break;
    case PhaseLevelCompleted:
        if (frameCounter_ >= 0)
            phase_ = PhaseLevelDone;
        break;
    case PhaseSpawning:
        if (frameCounter_ <= 5) {
            for (int i = 0; i < 20; ++i) {
                const float r = kest::randomFloat(27, 32);
                const float a = kest::randomFloat(0, 360) * 0.017453292f;
                const float dx = std::cos(a) * r;
                const float dy = std::sin(a) * r;
                services_->SpawnEffect(0, nullptr, player_->x - dx, player_->y - dy, dx * 0.03f, dy * 0.03f);
            }
        }
        if (frameCounter_ == 30)
            phase_ = PhasePlaying;
        UpdateLifts();
        UpdateCamera();
        break;
    case PhaseLevelEnd: {
        AddLevelBonus();
        services_->PlayJingle(MusicEndOfLevel);
        ProfileStore& store = services_->Profiles();
        Profile& profile = CurrentProfile();
        profile.stats = player_->stats;
        store.AdvanceLevel();
        if (profile.world > 3 || (profile.world == 3 && profile.level > 4)) {
            profile.savedGame = false;
            store.SaveProfiles();
            store.AddHighscore();
            phase_ = PhaseVictory;
        } else {
            phase_ = PhaseLevelCompleted;
        }
        break;
    }
    default:
        break;
    }
}

bool Game::SaveAndLeave(bool force)
{
    if (phase_ == PhaseLevelCompleted || phase_ == PhaseLevelDone) {
        CurrentProfile().savedGame = true;
        services_->Profiles().SaveProfiles();
        return true;
    }
    if (force || phase_ == PhaseGameOver) {
        ResetSavedPlayer();
        return true;
    }
    return false;
}

void Game::ResetSavedPlayer()
{
    Profile& profile = CurrentProfile();
    profile.savedGame = false;
    profile.stats = PlayerStats();
    profile.stats.lives = 3;
    profile.stats.hearts = 3;
    services_->Profiles().SaveProfiles();
}

void Game::Pause()
{
    phase_ = PhasePaused;
    if (window_)
        savedViewCentre_ = services_->GetViewCentre();
    services_->PauseMusic();
}

void Game::Resume()
{
    phase_ = PhasePlaying;
    services_->SetCursorVisible(false);
    services_->ResumeMusic();
    services_->SetSuppressed(false);
}

void Game::RestoreView()
{
    services_->ResetCamera(savedViewCentre_.x, savedViewCentre_.y);
}

void Game::LoadLevel(std::uint16_t world, std::uint16_t level, sf::Vector2f* centre)
{
    ++loadCount_;
    LevelLoader loader(world_.get(), &foreground_, &background_, &backgroundIndex_);
    loader.Load(world, level);
    loadedWorld_ = world;
    loadedLevel_ = level;
    if (centre)
        *centre = sf::Vector2f(static_cast<float>(world_->tilemap.Columns() * 36) * 0.5f,
                               static_cast<float>(world_->tilemap.Rows() * 36) * 0.5f);
    services_->ClearEffects();
}

void Game::CheckLevel()
{
    ::CheckLevel(*world_);
}

void Game::WakeEnemies()
{
    for (Enemy& enemy : world_->enemies) {
        if (enemy.kind == Enemy::FallerKind && enemy.counter == Enemy::HangingCounter)
            enemy.counter = 0;
        else if (enemy.counter < Enemy::WakingCounter)
            enemy.counter = Enemy::WakingCounter;
    }
}

void Game::TakeSnapshot()
{
    snapshot_ = std::make_unique<World>(*world_);
}

void Game::RestoreCheckpoint()
{
    if (!snapshot_)
        return;
    world_ = std::make_unique<World>(*snapshot_);
    collider_.SetWorld(world_.get());
}

void Game::UpdateAudio()
{
    if (phase_ != PhasePlaying)
        return;
    services_->UpdateListener(player_->x, player_->y);
    if (frameCounter_ % 32 == 0)
        services_->PurgeSounds();
    if (player_->thrusting)
        services_->PlaySingleSound(SoundJetpack, player_->x, player_->y);
    else
        services_->PauseSingleSound(SoundJetpack);
}

void Game::UpdateCamera()
{
    if (phase_ != PhaseBackdrop)
        services_->SpawnTileEffects(*player_);
    for (const Weapon& weapon : world_->playerWeapons)
        services_->SpawnWeaponEffects(weapon);
    for (const Weapon& weapon : world_->enemyWeapons)
        services_->SpawnWeaponEffects(weapon);
    for (const Lift& lift : world_->lifts)
        services_->SpawnLiftEffects(lift);
    services_->UpdateEffects();
    if (phase_ != PhaseBackdrop)
        services_->UpdateCamera(player_->x, player_->y, static_cast<float>(world_->tilemap.Columns() * 36),
                                static_cast<float>(world_->tilemap.Rows() * 36));
}

sf::Uint8 Game::GetFadeAlpha() const
{
    switch (phase_) {
    case PhaseBackdrop:
        return 0;
    case PhaseLevelStart:
    case PhaseGameOver:
    case PhaseLevelDone:
        return 255;
    case PhaseLevelCompleted:
    case PhaseVictory: {
        // The counter runs from -100 to 0 while the title fades in; clamp
        // it so that a late frame never wraps the alpha.
        const std::int32_t counter = std::max(-100, std::min(frameCounter_, 0));
        return static_cast<sf::Uint8>((counter + 100) * 255 / 100);
    }
    case PhaseSpawning: {
        const std::int32_t counter = std::max(0, std::min(frameCounter_, 30));
        return static_cast<sf::Uint8>(255 - counter * 255 / 30);
    }
    default:
        return player_ ? player_->GetOverlayAlpha() : 0;
    }
}

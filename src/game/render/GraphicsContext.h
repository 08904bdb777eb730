#pragma once

#include "game/world/TilePos.h"

#include <boost/ptr_container/ptr_map.hpp>
#include <boost/ptr_container/ptr_vector.hpp>

#include <SFML/Config.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class BlurEffect;
class Enemy;
class GameWindow;
class Hud;
class Lift;
class Object;
class ParticleSystem;
class Player;
class ResourceManager;
class Tilemap;
class Weapon;
struct Floor;
struct PlayerStats;
struct Scene;
struct SceneSeen;
struct Tile;

namespace sf {
class Font;
class Sprite;
}  // namespace sf
namespace sfxt {
class TextBox;
}

// How far each layer scrolls with the camera.
extern const std::array<float, 4> LayerParallax;
// Cut from the player texture and drawn over the player: the mark of a
// fresh hurt, and the overlay of each power-up mode (by PlayerStats'
// power-up mode; mode 0 has none).
extern const sf::IntRect HurtMarkRect;
extern const std::array<sf::IntRect, 4> PowerUpOverlayRects;

// The renderer of the game scene. It owns the font, the camera with the
// four layer offsets (0 far background, 1 background scenery, 2 the play
// field, 3 the screen), the level's background, the blur, the head-up
// display, the particle systems, the popup texts and the sign text. The
// menu screens draw straight into its window.
class GraphicsContext {
public:
    GraphicsContext(ResourceManager& resourceManager, GameWindow& gameWindow);
    ~GraphicsContext();
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;

    // --- Views and camera ------------------------------------------------

    // Sets the layer's view: the default view moved by the layer's offset
    // rounded to whole pixels.
    void ApplyLayerView(int layer);
    // Centres all layers on a map point at once (camera is left alone).
    void ResetCamera(float x, float y);
    // Follows a target with a dead zone, once per step; the map size is in
    // pixels.
    void UpdateCamera(float targetX, float targetY, float mapWidth, float mapHeight);
    // Top-left corner of the view on the window.
    sf::Vector2f GetViewTopLeft() const;
    bool IsOnScreen(float x, float y, float width, float height, float margin) const;
    // Moves a box that lies wholly outside the view (plus margin) to its edge.
    sf::Vector2f ClampToScreen(float x, float y, float width, float height, float margin) const;

    // The camera corner after one step of following the target: the target
    // may move freely inside a dead zone of the view (100 by 200 pixels in
    // the 1024 x 768 window); the corner stays on the map, and on a map
    // smaller than the view it sits at map size minus view size.
    static sf::Vector2f FollowTarget(sf::Vector2f cameraCorner, sf::Vector2f target, sf::Vector2f viewTopLeft,
                                     sf::Vector2f viewSize, sf::Vector2u windowSize, sf::Vector2f mapSize);
    // The four layer offsets for a camera corner rounded to whole pixels.
    static std::array<sf::Vector2f, 4> LayerOffsetsFor(sf::Vector2f cameraCorner);
    // floor(v + 0.5) on each axis.
    static sf::Vector2f SnapOffset(sf::Vector2f offset);

    // --- Scene -------------------------------------------------------------

    // 0 a fixed colour, 1 the background's colour, 2 the background's
    // picture scrolling with the view; any other mode draws nothing.
    void DrawBackground(int mode);
    // Where the background's picture lies in a view of the far background
    // (its top-left corner given): the quad it covers, in the view's
    // coordinates, and the part of the texture the quad shows, in texels.
    // The picture is drawn at four times its size and repeats from left to
    // right, scrolling with the view; up and down it stays put on the
    // screen, from the middle of its first row to the middle of its last.
    struct BackdropPlacement {
        sf::FloatRect quad;
        sf::FloatRect texels;
    };
    static BackdropPlacement PlaceBackdrop(sf::Vector2f viewTopLeft, sf::Vector2u textureSize);
    // Draws a copy of the sprite moved to whole pixels.
    void DrawSnapped(const sf::Sprite& sprite);
    // A black rectangle of the given alpha over the view; nothing for 0.
    void DrawOverlay(sf::Uint8 alpha);
    // Queues an outlined popup text (drawn with the particles).
    void DrawOutlinedText(int colour, const std::string& text, float x, float y);
    void ShowSignText(const std::string& text, float x, float y);
    void DrawSignText();
    // The whole level at a twelfth of its size, centred in the window.
    void DrawMapOverview(const Tilemap& tilemap);
    // Drops all particles, popup texts and lift systems.
    void ClearEffects();

    // --- One frame of a level (GraphicsDrawScene.cpp) -----------------------

    // The background, the scenery, the play field with its particles and
    // the glow, in the layer views; sets timeSlowed for the frame.
    SceneSeen DrawScene(const Scene& scene);
    // The head-up display over the current view, while showInterface is set.
    void DrawHud(const PlayerStats& stats);

    // --- Tiles, floors and objects -----------------------------------------

    void DrawTile(const Tilemap& tilemap, bool blend, unsigned x, unsigned y);
    void BuildTileQuad(const Tile& tile, sf::Vertex* vertices, unsigned x, unsigned y) const;
    sf::Vector2f GetTileTextureOrigin(const Tile& tile, bool normalise, bool familyShift);
    // The glowing tiles, drawn again into the blur's source.
    void DrawSpecialTile(const Tilemap& tilemap, const std::vector<TilePos>& tiles);
    void DrawFloor(const Floor& floor, sf::Uint8 alpha);
    // An alpha of 255 draws with the object's own alpha.
    void DrawObject(const Object& object, int textureId, bool mirror, float rotation, sf::Uint8 alpha, bool glow);
    void DrawEnemy(const Enemy& enemy);
    void DrawPlayer(const Player& player, int counter);
    void DrawFlame(const Player& player, int counter);
    // floor(v + 0.5).
    static int Round(float value);

    // --- Particles and effects (GraphicsContextEffects.cpp) -----------------

    void SpawnEffect(int preset, const Lift* owner, float x, float y, float vx, float vy);
    void SpawnTileEffects(const Player& player);
    void SpawnPlayerEffects(const Weapon& weapon);
    void SpawnLiftEffects(const Lift& lift);
    // The lift's own system, made on its first use.
    ParticleSystem& GetLiftParticleSystem(const Lift* lift);
    void UpdateEffects();
    void DrawBackgroundParticles();
    void DrawParticles();

    // --- State -----------------------------------------------------------

    ResourceManager* resources;
    GameWindow* window;
    sf::Font* font;
    std::array<sf::Vector2f, 4> layerOffsets;
    std::int32_t backgroundIndex = 0;
    // Unrounded top-left corner of the play-field view on the map.
    sf::Vector2f camera;
    bool hideSecretTiles = true;
    bool showInterface = true;
    bool timeSlowed = false;
    bool shadersAvailable = false;
    std::unique_ptr<BlurEffect> blur;
    std::unique_ptr<Hud> hud;
    // The 11 fixed systems.
    boost::ptr_vector<ParticleSystem> particleSystems;
    // One system per lift that has emitted particles.
    boost::ptr_map<const Lift*, ParticleSystem> liftSystems;
    std::vector<sf::Text> popupTexts;
    std::unique_ptr<sfxt::TextBox> signTextBox;

private:
    // backgroundIndex, or 0 when it names no background.
    std::size_t BackgroundSlot() const;
    // The tiles in view and then the glowing ones among them; gives the
    // centre of the lava tile in view nearest to the listener, if any.
    std::optional<sf::Vector2f> DrawSceneTiles(const Tilemap& map, const std::optional<sf::Vector2f>& listener);
    // A floor, as opaque as the tile it lies in.
    void DrawSceneFloor(const Tilemap& map, const Floor& floor);
};

#pragma once

#include "app/StateId.h"
#include "app/Surface.h"
#include "app/Title.h"
#include "sfxt/Button.h"

#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <vector>

class ProfileStore;

// The highscore table (state 4): place, name and score of at most eight
// entries in three columns, best first. The reset button shows a confirm
// button (a second click on reset hides it again); confirming empties the
// table and its file. The back button leads to the main menu.
class HighscoreMenu : public Surface {
public:
    static constexpr float FirstRowY = 460;
    static constexpr float RowHeight = 40;
    static constexpr float ColumnGap = 40;
    // The confirm button stands above and left of the reset button, clear of
    // the place numbers, which reach far left before long names.
    static constexpr unsigned ConfirmColumn = 2;
    static constexpr unsigned ConfirmRow = 19;

    // Reads "Data/Highscore.txt" again and builds the table from it.
    HighscoreMenu();

    int Update() override;
    void Draw() override;

    // One polled event: StateStay lets the polling go on.
    StateId HandleEvent(const sf::Event& event);

    // Rebuilds the three columns from the profile store's table.
    void BuildTable();

    ProfileStore* profiles;
    sfxt::Button backButton;
    sfxt::Button resetButton;
    // Shown and clickable only while confirming.
    sfxt::Button confirmButton;
    Title title;
    std::vector<sf::Text> places;
    std::vector<sf::Text> names;
    std::vector<sf::Text> scores;
    bool confirming = false;
};

# Reads the include lines of src/game against the order of its layers, and
# those of src/app against the services' place below the game and the screens.
vrenk_test(layers)

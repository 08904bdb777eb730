# Reads the include lines of src/game against the order of its layers.
vrenk_test(layers)

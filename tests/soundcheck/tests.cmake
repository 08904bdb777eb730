vrenk_test(soundcheck LIBS vrenk_soundmeasure)

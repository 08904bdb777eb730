vrenk_test(audio_wave LIBS vrenk_app vrenk_testresources GL)

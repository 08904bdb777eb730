vrenk_test(audio_silent LIBS vrenk_app vrenk_testresources GL)

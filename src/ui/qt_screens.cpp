// The desktop game's Screens: the engine's requests shown in Qt windows.

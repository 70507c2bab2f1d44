// The console driver: commands read from standard input drive the engine.

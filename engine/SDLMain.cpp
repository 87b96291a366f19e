// Temporary entry until start-up is built.
int SDL_main(int, char**) { return 0; }

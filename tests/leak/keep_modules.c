/* Preloaded into the program for the leak check: libraries stay mapped until
   the process ends, so leak reports can still name functions of a library
   that the program has already unloaded. */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}

// Defaults of the sanitizers, built into the program and every test
// program of a sanitizer build, so that any way of running them (ctest,
// the real-window tests, by hand) checks the same things.
extern "C" const char* __asan_default_options() { return "detect_leaks=1"; }

extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

// Leaks inside the system's font, display and message-bus libraries are
// theirs, not the program's.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n"
         "leak:libfreetype\n"
         "leak:libdbus\n"
         "leak:libglib\n"
         "leak:libxcb\n"
         "leak:libX11\n"
         "leak:libEGL\n"
         "leak:libGLX\n"
         "leak:libQt6Core\n"
         "leak:libQt6Gui\n"
         "leak:libQt6XcbQpa\n";
}

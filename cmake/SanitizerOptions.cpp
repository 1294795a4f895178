// Defaults of the sanitizers, built into the program and every test
// program of a sanitizer build, so that any way of running them (ctest,
// the real-window tests, by hand) checks the same things.
extern "C" const char* __asan_default_options() { return "detect_leaks=1"; }

extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

// The one known leak of the libraries the program uses: libdbus keeps the
// read buffer of Qt's bus connection until exit. libdbus has no frame
// pointers, so the leak checker's unwinder stops inside it before any named
// function: it can only be matched by its library. The pattern matches no
// allocation of ours, since none of our code runs below a libdbus frame;
// Qt's own libraries are never named, so that every leak in an event
// handler is reported.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

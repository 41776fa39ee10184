// The cleaning band draws text through cairo and fontconfig, which keep
// their configuration and font caches for the life of the process and
// never free them; the leak checker would report those at exit.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

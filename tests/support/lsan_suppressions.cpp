// Linked into the test binaries of a sanitizer build: leaks that are not ours.
// fontconfig keeps its caches until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

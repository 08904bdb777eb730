/* Preloaded into the sanitizer runs of the GL tests: libraries stay loaded
   until the process ends, so leak reports from GL drivers keep their names. */
int dlclose(void* handle)
{
    (void)handle;
    return 0;
}

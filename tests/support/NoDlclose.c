// SPDX-License-Identifier: MIT
/* Preloaded in sanitizer runs: keeps shared libraries loaded so leak reports can name them. */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}

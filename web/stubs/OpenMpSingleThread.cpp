// SPDX-License-Identifier: GPL-3.0-or-later
// The browser build's libimagequant runs without OpenMP, so the two calls the
// GIF writer makes to keep its loops on one thread have nothing to set.
extern "C" {
int omp_get_max_threads() { return 1; }
void omp_set_num_threads(int) {}
}

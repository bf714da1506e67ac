/* Dense linear solver of the elimora library. */
#ifndef ELIMORA_GAUSSELIM_H
#define ELIMORA_GAUSSELIM_H

#include <stdint.h>

#if defined(ELIMORA_BUILD)
#define ELIMORA_API __attribute__((visibility("default")))
#else
#define ELIMORA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Solves A x = b in place by Gaussian elimination without pivoting.
   a: n x n doubles, column-major (element (i, j), 1-based, at a[(i-1) + (j-1) n]); destroyed.
   b: n doubles; the right-hand side on entry, the solution on return.
   Returns -1 on success, 0 when n < 1 or a zero pivot or diagonal makes the system unsolvable
   by this method (b is then unspecified for a zero pivot and untouched for n < 1). */
ELIMORA_API int16_t GAUSSELIM(double* a, double* b, const int16_t* n);

#ifdef __cplusplus
}
#endif

#endif

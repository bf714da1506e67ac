#include "gausselim.h"

#include <stddef.h>

/* 1-based column-major element (i, j) of an n x n matrix. */
static double* at(double* a, size_t n, size_t i, size_t j)
{
    return &a[(i - 1) + (j - 1) * n];
}

/* row i := f * row i - row k over columns from..to, and b likewise. */
static void combine(double* a, double* b, size_t n, size_t i, size_t k, double f, size_t from, size_t to)
{
    b[i - 1] = f * b[i - 1] - b[k - 1];
    for (size_t j = to; j >= from; --j) {
        *at(a, n, i, j) = f * *at(a, n, i, j) - *at(a, n, k, j);
        if (j == from)
            break;
    }
}

static int forward(double* a, double* b, size_t n)
{
    for (size_t k = 1; k < n; ++k) {
        for (size_t i = k + 1; i <= n; ++i) {
            double aik = *at(a, n, i, k);
            if (aik == 0.0)
                continue;
            double pivot = *at(a, n, k, k);
            if (pivot == 0.0)
                return 0;
            combine(a, b, n, i, k, pivot / aik, k + 1, n);
            *at(a, n, i, k) = 0.0;
        }
    }
    return 1;
}

static void backward(double* a, double* b, size_t n)
{
    for (size_t c = n; c >= 2; --c) {
        for (size_t r = c - 1; r >= 1; --r) {
            double arc = *at(a, n, r, c);
            if (arc != 0.0)
                combine(a, b, n, r, c, *at(a, n, c, c) / arc, r, c);
        }
    }
}

int16_t GAUSSELIM(double* a, double* b, const int16_t* n_in)
{
    if (a == NULL || b == NULL || n_in == NULL || *n_in < 1)
        return 0;
    size_t n = (size_t)*n_in;
    if (!forward(a, b, n))
        return 0;
    if (*at(a, n, n, n) == 0.0)
        return 0;
    b[n - 1] = b[n - 1] / *at(a, n, n, n);
    *at(a, n, n, n) = 1.0;
    backward(a, b, n);
    for (size_t i = 1; i <= n; ++i) {
        if (*at(a, n, i, i) == 0.0)
            return 0;
    }
    for (size_t i = 1; i <= n; ++i)
        b[i - 1] = b[i - 1] / *at(a, n, i, i);
    return -1;
}

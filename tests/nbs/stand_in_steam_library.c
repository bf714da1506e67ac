/*
 * A stand-in for the outside NBS 1984 steam-property library, built only for the
 * tests. It is no steam table: it answers from a few fixed rules so that every
 * result is known in advance.
 *
 * Saturation line: Tsat = 300 K + 10 K/MPa * p, for 0 < p <= 22 MPa (270..520 K).
 *
 * STMPROP, units flag 1 (slots in MPa, K, kJ/kg, g/cm3, kJ/kg-K):
 * - Pair codes: a*10+b for two properties, a*10 with saturated vapour, -(a*10)
 *   with saturated liquid; a and b are 1..6 or 8 and differ; saturated pairs
 *   take 1..6. Anything else, or a units flag other than 1: error -1.
 * - Inputs out of range give 4 (first) or 5 (second): p outside (0, 100] MPa,
 *   T outside [273.15, 1273.15] K, density outside (0, 2] g/cm3, quality
 *   outside [0, 1]. A saturated pair above 22 MPa or 520 K gives 3.
 * - An enthalpy input of 1111, 2222 or 7777 kJ/kg (within 1e-6) gives error 1, 2 or 7.
 * - State: p and T are taken from the inputs, the other from the saturation line
 *   for saturated and quality pairs, else p = 1 MPa, T = 400 K (p = 2 MPa,
 *   T = 500 K when neither is an input). Slot 7: the quality, 0 or 1 for a
 *   saturated pair, else -1 when T < Tsat(p), -2 above, 0 on the line.
 * - First set: inputs are kept; h = 4 T, density 0.9 for liquid (-1, 0),
 *   0.005 for vapour (-2, 1), 0.5 two-phase; s = 0.01 T; u = h - 100;
 *   liquid cp 4.2, cv 3.6, w 1500, k 0.6, mu 0.001; otherwise cp 2.0,
 *   cv 1.5, w 500, k 0.025, mu 1.2e-5.
 * - Second set (saturated liquid pairs only): h 4 Tsat + 1, density 0.95,
 *   s 0.011 Tsat, u 4 Tsat - 99, cp 4.25, cv 3.65, w 1510, k 0.65, mu 0.0011.
 * - Slot 8 receives the pair code it was given.
 * - An enthalpy input of 3333 (within 1e-6) zeroes p, both densities and both cv; 4444 puts
 *   NaN into the first-set cp, cv, w, k and mu.
 *
 * THERMIX(0, -1, 2, 0.0, p psia) returns Tsat in deg. R; other leading arguments
 * or p <= 0 give 0.
 */
#include <math.h>
#include <stdint.h>

#define EXPORT __attribute__((visibility("default")))

static const double psiaInMPa = 0.006894757293168361;

static double SatTemperature(double p) { return 300.0 + 10.0 * p; }
static double SatPressure(double t) { return (t - 300.0) / 10.0; }

static int ValidDigit(int d) { return (d >= 1 && d <= 6) || d == 8; }

/* 0 when the input value of property d is in range. */
static int InRange(int d, const double* slot)
{
    switch (d) {
    case 1: return slot[1] > 0.0 && slot[1] <= 100.0 ? 0 : 1;
    case 2: return slot[2] >= 273.15 && slot[2] <= 1273.15 ? 0 : 1;
    case 4:
    case 5: return slot[4] > 0.0 && slot[4] <= 2.0 ? 0 : 1;
    case 8: return slot[7] >= 0.0 && slot[7] <= 1.0 ? 0 : 1;
    default: return 0;
    }
}

static int Has(int d, int a, int b) { return a == d || b == d; }

/* True for an enthalpy input near one of the marker values (inputs arrive converted). */
static int EnthalpyIs(int a, int b, const double* slot, double marker)
{
    return Has(3, a, b) && fabs(slot[3] - marker) < 1e-6;
}

static void Calculate(int16_t pair, double* slot, int16_t* error)
{
    int a, b, sat = 0; /* sat: -1 liquid, 1 vapour */
    double p, t, marker;
    int liquid;

    if (pair < 0 && pair % 10 == 0) {
        a = -pair / 10;
        b = 0;
        sat = -1;
    } else if (pair > 0 && pair % 10 == 0) {
        a = pair / 10;
        b = 0;
        sat = 1;
    } else {
        a = pair / 10;
        b = pair % 10;
    }
    if (pair <= 0 && sat == 0) {
        *error = -1;
        return;
    }
    if (!ValidDigit(a) || (sat == 0 && (!ValidDigit(b) || a == b)) || (sat != 0 && a == 8)) {
        *error = -1;
        return;
    }
    if (InRange(a, slot)) {
        *error = 4;
        return;
    }
    if (sat == 0 && InRange(b, slot)) {
        *error = 5;
        return;
    }
    if (EnthalpyIs(a, b, slot, 1111.0)) {
        *error = 1;
        return;
    }
    if (EnthalpyIs(a, b, slot, 2222.0)) {
        *error = 2;
        return;
    }
    if (EnthalpyIs(a, b, slot, 7777.0)) {
        *error = 7;
        return;
    }

    p = Has(1, a, b) ? slot[1] : 1.0;
    t = Has(2, a, b) ? slot[2] : 400.0;
    if (!Has(1, a, b) && !Has(2, a, b)) {
        p = 2.0;
        t = 500.0;
    }
    if (sat != 0 || Has(8, a, b)) {
        if (Has(1, a, b))
            t = SatTemperature(p);
        else if (Has(2, a, b))
            p = SatPressure(t);
        else
            t = SatTemperature(p);
        if (p > 22.0 || t > 520.0 || p <= 0.0) {
            *error = 3;
            return;
        }
    }

    if (sat != 0)
        marker = sat < 0 ? 0.0 : 1.0;
    else if (Has(8, a, b))
        marker = slot[7];
    else if (t < SatTemperature(p))
        marker = -1.0;
    else if (t > SatTemperature(p))
        marker = -2.0;
    else
        marker = 0.0;
    liquid = marker == -1.0 || marker == 0.0;

    slot[1] = p;
    slot[2] = t;
    if (!Has(3, a, b))
        slot[3] = 4.0 * t;
    if (!Has(4, a, b) && !Has(5, a, b))
        slot[4] = liquid ? 0.9 : (marker == -2.0 || marker == 1.0 ? 0.005 : 0.5);
    if (!Has(6, a, b))
        slot[5] = 0.01 * t;
    slot[6] = slot[3] - 100.0;
    slot[7] = marker;
    slot[8] = pair;
    slot[9] = liquid ? 4.2 : 2.0;
    slot[10] = liquid ? 3.6 : 1.5;
    slot[11] = liquid ? 1500.0 : 500.0;
    slot[12] = liquid ? 0.6 : 0.025;
    slot[13] = liquid ? 0.001 : 1.2e-5;
    if (sat < 0) {
        slot[14] = 4.0 * t + 1.0;
        slot[15] = 0.95;
        slot[16] = 0.011 * t;
        slot[17] = 4.0 * t - 99.0;
        slot[18] = 4.25;
        slot[19] = 3.65;
        slot[20] = 1510.0;
        slot[21] = 0.65;
        slot[22] = 0.0011;
    }
    if (EnthalpyIs(a, b, slot, 3333.0)) {
        slot[1] = 0.0;
        slot[4] = 0.0;
        slot[10] = 0.0;
        slot[15] = 0.0;
        slot[19] = 0.0;
    }
    if (EnthalpyIs(a, b, slot, 4444.0)) {
        slot[9] = slot[10] = slot[11] = slot[12] = slot[13] = NAN;
    }
}

EXPORT void STMPROP(int16_t* pair, int16_t* units, double* s1, double* s2, double* s3, double* s4, double* s5,
                    double* s6, double* s7, double* s8, double* s9, double* s10, double* s11, double* s12,
                    double* s13, double* s14, double* s15, double* s16, double* s17, double* s18, double* s19,
                    double* s20, double* s21, double* s22, int16_t* error)
{
    double* slots[23] = {0, s1, s2, s3, s4, s5, s6, s7, s8, s9, s10, s11,
                         s12, s13, s14, s15, s16, s17, s18, s19, s20, s21, s22};
    double slot[23];
    int i;

    for (i = 1; i <= 22; ++i)
        slot[i] = *slots[i];
    *error = 0;
    if (*units != 1) {
        *error = -1;
        return;
    }
    Calculate(*pair, slot, error);
    if (*error != 0)
        return;
    for (i = 1; i <= 22; ++i)
        *slots[i] = slot[i];
}

EXPORT double THERMIX(int16_t* a, int16_t* b, int16_t* c, double* d, double* pressure)
{
    double p;
    if (*a != 0 || *b != -1 || *c != 2 || *d != 0.0)
        return 0.0;
    p = *pressure * psiaInMPa;
    if (p <= 0.0)
        return 0.0;
    return SatTemperature(p) * 1.8;
}

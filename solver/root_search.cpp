#include "solver/root_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace vq {

RootResult NewtonInBracket(const RootFunction& f, double lo, double hi, double fLo, double fHi, double start,
                           double tolerance, int maxSteps)
{
    RootResult r;
    if (!Straddles(fLo, fHi) || !std::isfinite(lo) || !std::isfinite(hi))
        return r;
    if (fLo == 0.0)
        return {true, lo};
    if (fHi == 0.0)
        return {true, hi};
    // Orient so that f(xNeg) < 0 < f(xPos).
    double xNeg = fLo < 0.0 ? lo : hi;
    double xPos = fLo < 0.0 ? hi : lo;
    double x = (std::isfinite(start) && start > std::min(lo, hi) && start < std::max(lo, hi)) ? start : 0.5 * (lo + hi);
    double lastStep = std::abs(hi - lo);
    double step = lastStep;
    for (int i = 0; i < maxSteps; ++i) {
        const RootEval e = f(x);
        if (!std::isfinite(e.f)) {
            // Unusable point: bisect the bracket instead.
            x = 0.5 * (xNeg + xPos);
            continue;
        }
        if (e.f == 0.0)
            return {true, x};
        if (e.f < 0.0)
            xNeg = x;
        else
            xPos = x;
        const double width = std::abs(xPos - xNeg);
        if (width <= tolerance * std::max(std::abs(x), 1e-300))
            return {true, x};
        double next = x - e.f / e.df;
        const double a = std::min(xNeg, xPos), b = std::max(xNeg, xPos);
        const bool inside = std::isfinite(next) && next > a && next < b;
        if (!inside || std::abs(next - x) > 0.5 * lastStep) {
            lastStep = step;
            next = 0.5 * (xNeg + xPos);
            step = std::abs(next - x);
        } else {
            lastStep = step;
            step = std::abs(next - x);
        }
        if (step <= tolerance * std::abs(next)) {
            return {true, next};
        }
        x = next;
    }
    return r;
}

RootResult FalsePositionInBracket(const PlainFunction& f, double lo, double hi, double fLo, double fHi,
                                  double tolerance, int maxSteps)
{
    RootResult r;
    if (!Straddles(fLo, fHi))
        return r;
    if (fLo == 0.0)
        return {true, lo};
    if (fHi == 0.0)
        return {true, hi};
    double a = lo, b = hi, fa = fLo, fb = fHi;
    int side = 0;
    for (int i = 0; i < maxSteps; ++i) {
        double c = (a * fb - b * fa) / (fb - fa);
        if (!std::isfinite(c) || c <= std::min(a, b) || c >= std::max(a, b))
            c = 0.5 * (a + b);
        const double fc = f(c);
        if (!std::isfinite(fc)) {
            // Step back to bisection on an unusable point.
            const double m = 0.5 * (a + b);
            const double fm = f(m);
            if (!std::isfinite(fm))
                return r;
            if ((fm < 0.0) == (fa < 0.0)) {
                a = m;
                fa = fm;
            } else {
                b = m;
                fb = fm;
            }
            continue;
        }
        if (fc == 0.0)
            return {true, c};
        if ((fc < 0.0) == (fb < 0.0)) {
            b = c;
            fb = fc;
            if (side == -1)
                fa *= 0.5;
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1)
                fb *= 0.5;
            side = 1;
        }
        if (std::abs(b - a) <= tolerance * std::max(std::abs(c), 1e-300))
            return {true, std::abs(fa) < std::abs(fb) ? a : b};
    }
    return r;
}

Bracket ScanForBracket(const PlainFunction& f, double lo, double hi, int n, bool fromHigh)
{
    Bracket b;
    if (n < 1 || !std::isfinite(lo) || !std::isfinite(hi))
        return b;
    const double start = fromHigh ? hi : lo;
    const double end = fromHigh ? lo : hi;
    double xPrev = start;
    double fPrev = f(start);
    for (int i = 1; i <= n; ++i) {
        const double x = start + (end - start) * i / n;
        const double fx = f(x);
        if (Straddles(fPrev, fx)) {
            b.found = true;
            b.lo = xPrev;
            b.hi = x;
            b.fLo = fPrev;
            b.fHi = fx;
            if (b.lo > b.hi) {
                std::swap(b.lo, b.hi);
                std::swap(b.fLo, b.fHi);
            }
            return b;
        }
        if (std::isfinite(fx)) {
            xPrev = x;
            fPrev = fx;
        }
    }
    return b;
}


namespace {

// A step within some units in the last place of x: the residual left is the rounding
// of the equation, which no further step lowers.
bool AtResolution(double step, double x)
{
    return std::abs(step) <= 16.0 * std::numeric_limits<double>::epsilon() * std::abs(x);
}

} // namespace

bool NewtonPolish2(const Function2& f, double& x, double& y, double tol1, double tol2, int maxSteps, double maxStep)
{
    double cx = x, cy = y;
    for (int i = 0; i <= maxSteps; ++i) {
        const Residual2 r = f(cx, cy);
        if (!std::isfinite(r.f1) || !std::isfinite(r.f2))
            return false;
        if (std::abs(r.f1) <= tol1 && std::abs(r.f2) <= tol2) {
            x = cx;
            y = cy;
            return true;
        }
        if (i == maxSteps)
            break;
        const double det = r.a * r.d - r.b * r.c;
        if (!std::isfinite(det) || det == 0.0)
            return false;
        const double dx = (r.f1 * r.d - r.b * r.f2) / det;
        const double dy = (r.a * r.f2 - r.c * r.f1) / det;
        if (!std::isfinite(dx) || !std::isfinite(dy) || std::abs(dx) > maxStep * std::abs(cx) ||
            std::abs(dy) > maxStep * std::abs(cy))
            return false;
        if (AtResolution(dx, cx) && AtResolution(dy, cy)) {
            x = cx;
            y = cy;
            return true;
        }
        cx -= dx;
        cy -= dy;
    }
    return false;
}


bool NewtonPolish1(const RootFunction& f, double& x, double tol, int maxSteps, double maxStep)
{
    double cx = x;
    for (int i = 0; i <= maxSteps; ++i) {
        const RootEval e = f(cx);
        if (!std::isfinite(e.f))
            return false;
        if (std::abs(e.f) <= tol) {
            x = cx;
            return true;
        }
        if (i == maxSteps)
            break;
        const double dx = e.f / e.df;
        if (!std::isfinite(dx) || std::abs(dx) > maxStep * std::abs(cx))
            return false;
        if (AtResolution(dx, cx)) {
            x = cx;
            return true;
        }
        cx -= dx;
    }
    return false;
}


double GoldenSectionMaximum(const PlainFunction& f, double a, double b, double tolerance)
{
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = f(c), fd = f(d);
    for (int i = 0; i < 200 && b - a > tolerance; ++i) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = f(d);
        }
    }
    return 0.5 * (a + b);
}

} // namespace vq

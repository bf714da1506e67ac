// Phase class of a solved state.
#pragma once

namespace vq {

// Phase class of a state: -3 supercritical, -2 superheated vapour, -1 compressed liquid,
// 2 two-phase; 0 for a region outside 1 to 5. Sets no error.
int GetPhaseState(int region, double p, double T, double rho);

} // namespace vq

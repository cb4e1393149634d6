// The numerical methods: one zero of f by bisection, regula falsi or Newton's method.
#pragma once

namespace zol {

// The numerical-zero step of page 1.
void BestimmungEinerNullstelle();

} // namespace zol

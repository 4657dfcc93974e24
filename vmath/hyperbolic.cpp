// The hyperbolic functions and their inverses.
#include <cmath>

#include "vmath/fault_flags.h"
#include "vmath/vmath.h"

using vmath_detail::DomainFault;
using vmath_detail::Narrow;

extern "C" {

double Sinh(double x) {
  return Narrow(std::sinh(static_cast<long double>(x)));
}

double Cosh(double x) {
  return Narrow(std::cosh(static_cast<long double>(x)));
}

double Tanh(double x) {
  return Narrow(std::tanh(static_cast<long double>(x)));
}

double ArcSinh(double x) {
  return Narrow(std::asinh(static_cast<long double>(x)));
}

double ArcCosh(double x) {
  if (x < 1) return DomainFault();
  return Narrow(std::acosh(static_cast<long double>(x)));
}

// Defined on the open interval (-1, 1) only: the ends are poles.
double ArcTanh(double x) {
  if (std::fabs(x) >= 1) return DomainFault();
  return Narrow(std::atanh(static_cast<long double>(x)));
}

}  // extern "C"

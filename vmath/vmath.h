/* vmath: the calculator's maths library. Every function returns a double; real arguments are
 * doubles, integer arguments 32-bit signed integers; angles are in radians. The functions compute
 * in extended precision inside. A fault is reported the way the processor reports one, through the
 * floating-point exception flags: an argument outside the function's domain raises the invalid
 * operation flag, a result beyond the double range raises the overflow flag. Callers that care
 * clear the flags before a call and test them after it. */
#ifndef VANEKO_VMATH_H
#define VANEKO_VMATH_H

#include <stdint.h>

#if defined(_WIN32)
#define VMATH_API __declspec(dllexport)
#else
#define VMATH_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

VMATH_API double Expo(double x);
VMATH_API double Exp10(double x);
VMATH_API double Log10(double x);
VMATH_API double Power(double x, double y);
VMATH_API double Tan(double x);
VMATH_API double ArcSin(double x);
VMATH_API double ArcCos(double x);
VMATH_API double ArcTan2(double a, double b);
VMATH_API double Pythag(double x, double y);
VMATH_API double Sinh(double x);
VMATH_API double Cosh(double x);
VMATH_API double Tanh(double x);
VMATH_API double ArcSinh(double x);
VMATH_API double ArcCosh(double x);
VMATH_API double ArcTanh(double x);
VMATH_API double Fact(int32_t n);
VMATH_API double Gamma(double x);
VMATH_API double Binomial(int32_t n, int32_t k);
VMATH_API double DNorm(double x);

#ifdef __cplusplus
}
#endif

#endif /* VANEKO_VMATH_H */

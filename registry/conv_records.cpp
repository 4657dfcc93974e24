#include "registry/conv_records.h"

#include "core/fp_faults.h"

namespace vaneko::registry {

double TConvTypeFactor::ToBase(double value) const {
  return NarrowToDouble(static_cast<Extended>(value) * factor_);
}

double TConvTypeFactor::FromBase(double value) const {
  return NarrowToDouble(static_cast<Extended>(value) / factor_);
}

}  // namespace vaneko::registry

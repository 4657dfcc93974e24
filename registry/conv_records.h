// The records the registry keeps: one per family and one per unit type. A unit type turns a
// value in itself into its family's base unit and back, either by a factor or by a pair of
// plain functions. The registry's lists own the records.
#pragma once

#include <string>
#include <utility>

#include "registry/conv_registry.h"

namespace vaneko::registry {

class TConvFamilyInfo {
 public:
  TConvFamilyInfo(std::string description, TConvFamily family)
      : description_(std::move(description)), family_(family) {}

  const std::string& Description() const { return description_; }
  TConvFamily Family() const { return family_; }

 private:
  std::string description_;
  TConvFamily family_;
};

class TConvTypeInfo {
 public:
  TConvTypeInfo(std::string description, TConvFamily family)
      : description_(std::move(description)), family_(family) {}
  virtual ~TConvTypeInfo() = default;
  TConvTypeInfo(const TConvTypeInfo&) = delete;
  TConvTypeInfo& operator=(const TConvTypeInfo&) = delete;

  // A value in this unit, in the family's base unit.
  virtual double ToBase(double value) const = 0;
  // A value in the family's base unit, in this unit.
  virtual double FromBase(double value) const = 0;

  const std::string& Description() const { return description_; }
  TConvFamily Family() const { return family_; }
  // The record's own handle; 0 until the registry stores it.
  TConvType ConvType() const { return convType_; }
  void SetConvType(TConvType convType) { convType_ = convType; }

 private:
  std::string description_;
  TConvFamily family_;
  TConvType convType_ = IllegalConvType;
};

// A unit that is `Factor` base units: the product and the quotient are formed in extended
// precision and rounded once to double (a result beyond the double range is an overflow).
class TConvTypeFactor final : public TConvTypeInfo {
 public:
  TConvTypeFactor(std::string description, TConvFamily family, double factor)
      : TConvTypeInfo(std::move(description), family), factor_(factor) {}

  double ToBase(double value) const override;
  double FromBase(double value) const override;

  double Factor() const { return factor_; }

 private:
  double factor_;
};

// A unit converted by two functions, such as a temperature scale with an offset.
class TConvTypeProcs final : public TConvTypeInfo {
 public:
  TConvTypeProcs(std::string description, TConvFamily family, TConvProc toBaseProc,
                 TConvProc fromBaseProc)
      : TConvTypeInfo(std::move(description), family),
        toBaseProc_(toBaseProc),
        fromBaseProc_(fromBaseProc) {}

  double ToBase(double value) const override { return toBaseProc_(value); }
  double FromBase(double value) const override { return fromBaseProc_(value); }

 private:
  TConvProc toBaseProc_;
  TConvProc fromBaseProc_;
};

}  // namespace vaneko::registry
